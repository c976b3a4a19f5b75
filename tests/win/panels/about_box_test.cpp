#include <string>
#include <vector>

#include "app/strings.h"
#include "tests/win/app/main_window_fixture.h"

namespace {

enum class CloseBy { OkButton, EscapeKey, Surface };

// What the about box showed while it was open, and how it was closed.
struct AboutVisit {
    CloseBy closeBy = CloseBy::OkButton;
    std::wstring text, version, address;
    bool openAfterAddressClick = false;
};
AboutVisit visit;

HWND findDialogOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(out) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring itemText(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

// Runs inside the about box's own message loop: looks, double-clicks the
// address, then closes the box the way the visit asks.
void CALLBACK visitAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = findDialogOfThisThread();
    if (!dialog) {
        return;  // not shown yet: the next tick looks again
    }
    KillTimer(nullptr, timer);
    visit.text = itemText(dialog, IDC_ABOUT_TEXT);
    visit.version = itemText(dialog, IDC_ABOUT_VERSION);
    visit.address = itemText(dialog, IDC_ABOUT_WEB_ADDRESS);
    HWND address = GetDlgItem(dialog, IDC_ABOUT_WEB_ADDRESS);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        SendMessageW(address, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(2, 2));
    }
    visit.openAfterAddressClick = IsWindowVisible(dialog);
    switch (visit.closeBy) {
        case CloseBy::OkButton:
            SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
            break;
        case CloseBy::EscapeKey:  // through the dialog's own key handling
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        case CloseBy::Surface:
            SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            break;
    }
}

}  // namespace

TEST_F(MainWindowTest, AboutBoxFromTheSystemMenuShowsTheProductAndClosesEveryWay) {
    start("qrv-crt");
    std::vector<std::wstring> opened;
    app().openInShell = [&](HWND, const wchar_t* target) { opened.emplace_back(target); };
    for (CloseBy closeBy : {CloseBy::OkButton, CloseBy::EscapeKey, CloseBy::Surface}) {
        SCOPED_TRACE(static_cast<int>(closeBy));
        visit = AboutVisit{};
        visit.closeBy = closeBy;
        opened.clear();
        SetTimer(nullptr, 0, 10, visitAboutBox);
        SendMessageW(window, WM_SYSCOMMAND, kSysMenuAbout, 0);  // returns once the box closed
        EXPECT_EQ(findDialogOfThisThread(), nullptr);
        EXPECT_EQ(visit.text,
                  loadString(IDS_ABOUT_PRODUCT) + L"\n" + loadString(IDS_ABOUT_LEGAL) + L"\n");
        EXPECT_EQ(visit.version, L"V1.1.27\n (100307)");
        EXPECT_EQ(visit.address, loadString(IDS_MAKER_WEB_ADDRESS));
        EXPECT_TRUE(visit.openAfterAddressClick);
        EXPECT_EQ(opened, std::vector<std::wstring>{visit.address});
    }
}
