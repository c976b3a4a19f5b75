#include "app/tabs.h"

#include <vector>

#include "app/app_state.h"
#include "monitor/active_monitor.h"
#include "panels/colour_availability.h"
#include "panels/feature_grid_page.h"
#include "panels/page_factory.h"
#include "resources/resource_ids.h"

namespace {

std::vector<OptionalTab>& optionalTabs() {
    static std::vector<OptionalTab> tabs = programOptionalTabs();
    return tabs;
}

HWND tabControl() {
    return app().tabControl;
}

int findTab(int tag) {
    const int count = tabCount();
    for (int position = 0; position < count; ++position) {
        if (tabTagAt(position) == tag) {
            return position;
        }
    }
    return -1;
}

void updateTab(const OptionalTab& tab, bool wanted) {
    const int position = findTab(tab.tag);
    if (wanted && position >= 0) {
        if (app().currentPanel) {
            InvalidateRect(app().currentPanel, nullptr, TRUE);
            UpdateWindow(app().currentPanel);
        }
    } else if (wanted) {
        int before = 0;
        while (before < tabCount() && tabTagAt(before) <= tab.tag) {
            ++before;
        }
        insertTab(tabControl(), before, tab.tag, tab.image);
    } else if (position >= 0) {
        if (TabCtrl_GetCurSel(tabControl()) == position) {
            TabCtrl_SetCurSel(tabControl(), 0);
            showPage(kTabBrightness, kPageTemplate);
        }
        TabCtrl_DeleteItem(tabControl(), position);
    }
}

}  // namespace

void postPageCommand(int command) {
    if (app().currentPanel) {
        PostMessageW(app().currentPanel, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
}

void sendPageCommand(int command) {
    if (app().currentPanel) {
        SendMessageW(app().currentPanel, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
}

std::vector<OptionalTab> programOptionalTabs() {
    return {
        {kTabColour, 1, [] { return colourContent(app().monitor); }},
        {kTabOther, 3, [] { return featureGridContent(GridKind::other); }},
        {kTabGeometry, 2, [] { return featureGridContent(GridKind::geometry); }},
    };
}

void setOptionalTabs(std::span<const OptionalTab> tabs) {
    optionalTabs().assign(tabs.begin(), tabs.end());
}

void insertTab(HWND control, int position, int tag, int image) {
    TCITEMW item{};
    item.mask = TCIF_IMAGE | TCIF_PARAM;
    item.iImage = image;
    item.lParam = tag;
    TabCtrl_InsertItem(control, position, &item);
}

int tabCount() {
    return tabControl() ? TabCtrl_GetItemCount(tabControl()) : 0;
}

int tabTagAt(int position) {
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (!tabControl() || !TabCtrl_GetItem(tabControl(), position, &item)) {
        return -1;
    }
    return static_cast<int>(item.lParam);
}

void layoutMainWindow() {
    if (!app().mainWindow || !tabControl()) {
        return;
    }
    RECT client{};
    GetClientRect(app().mainWindow, &client);
    MoveWindow(tabControl(), 1, 3, client.right - 2, client.bottom - 60, TRUE);
    if (HWND page = app().currentPanel) {
        RECT area = client;
        TabCtrl_AdjustRect(tabControl(), FALSE, &area);
        MoveWindow(page, area.left, area.top, area.right - area.left - 5,
                   area.bottom - area.top - 60, TRUE);
        ShowWindow(page, SW_SHOW);
    }
}

void showPage(int tag, const wchar_t* templateName) {
    if (app().currentPanel) {
        DestroyWindow(app().currentPanel);
        app().currentPanel = nullptr;
    }
    app().currentPanel = createPage(tag, tabControl(), templateName);
    layoutMainWindow();
}

void onTabChanged() {
    const int position = TabCtrl_GetCurSel(tabControl());
    showPage(tabTagAt(position), kPageTemplate);
}

void updateTabs() {
    if (!tabControl()) {
        return;
    }
    const bool open = app().monitor && app().monitor->isOpen();
    for (const OptionalTab& tab : optionalTabs()) {
        updateTab(tab, open && tab.content && tab.content() > 0);
    }
}
