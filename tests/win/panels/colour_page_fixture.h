// The colour page in the test process: opening its tab, its inner tabs and
// sub-panel, and what the sub-panel's controls show.
#pragma once

#include "app/tabs.h"
#include "draw/animated_illustration.h"
#include "tests/win/app/main_window_fixture.h"

class ColourPageTest : public MainWindowTest {
  protected:
    // Starts on `profiles` and opens the colour tab.
    void openColourPage(const char* profiles, const std::function<void()>& beforeWindow = nullptr) {
        start(profiles, "", beforeWindow);
        showTab(kTabColour);
    }

    HWND innerTabs() const { return pageControl(kCtlColourTabs); }
    HWND subPanel() const { return FindWindowExW(innerTabs(), nullptr, L"ScreenDlg", nullptr); }
    HWND panelControl(int id) const { return GetDlgItem(subPanel(), id); }

    std::vector<int> innerKinds() const {
        std::vector<int> kinds;
        const int count = TabCtrl_GetItemCount(innerTabs());
        for (int i = 0; i < count; ++i) {
            TCITEMW item{};
            item.mask = TCIF_PARAM | TCIF_IMAGE;
            TabCtrl_GetItem(innerTabs(), i, &item);
            EXPECT_EQ(item.iImage, item.lParam);
            kinds.push_back(static_cast<int>(item.lParam));
        }
        return kinds;
    }

    // The user picks inner tab `position`.
    void selectInner(int position) {
        TabCtrl_SetCurSel(innerTabs(), position);
        NMHDR header{innerTabs(), kCtlColourTabs, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(page(), WM_NOTIFY, kCtlColourTabs, reinterpret_cast<LPARAM>(&header));
        pump();
    }

    void scrollPanel(int id, int request, int thumb = 0) {
        scrollBar(subPanel(), WM_VSCROLL, panelControl(id), request, thumb);
    }

    int bar(int id) const { return GetScrollPos(panelControl(id), SB_CTL); }
    int barMaximum(int id) const {
        int low = 0;
        int high = 0;
        GetScrollRange(panelControl(id), SB_CTL, &low, &high);
        return high;
    }
    std::wstring panelText(int id) const { return textOf(panelControl(id)); }
    bool enabled(int id) const { return IsWindowEnabled(panelControl(id)) != FALSE; }
    int illustration() const { return app().illustration->item(); }

    // Whether the undo entry of the sub-panel's menu is enabled.
    bool undoOffered() { return undoInMenu(subPanel(), subPanel()).value_or(false); }
    void undo() {
        SendMessageW(subPanel(), WM_COMMAND, kCmdUndo, 0);
        pump();
    }

    // The user picks row `row` of the preset list.
    void choosePreset(int row) {
        HWND list = pageControl(kCtlPresetList);
        SendMessageW(list, CB_SETCURSEL, row, 0);
        SendMessageW(page(), WM_COMMAND, MAKEWPARAM(kCtlPresetList, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        pump();
    }
};
