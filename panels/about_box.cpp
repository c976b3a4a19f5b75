#include "panels/about_box.h"

#include <string>

#include "app/app_state.h"
#include "app/strings.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 204);

void onInit(HWND dialog) {
    const std::wstring text =
        loadString(IDS_ABOUT_PRODUCT) + L"\n" + loadString(IDS_ABOUT_LEGAL) + L"\n";
    SetDlgItemTextW(dialog, IDC_ABOUT_TEXT, text.c_str());
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, loadString(IDS_VERSION_TEXT).c_str());
    SetDlgItemTextW(dialog, IDC_ABOUT_WEB_ADDRESS, loadString(IDS_MAKER_WEB_ADDRESS).c_str());
}

// The address is opened as the control shows it; the box stays open.
void openWebAddress(HWND dialog) {
    wchar_t address[512] = {};
    GetDlgItemTextW(dialog, IDC_ABOUT_WEB_ADDRESS, address, 512);
    if (address[0]) {
        app().openInShell(dialog, address);
    }
}

void onCommand(HWND dialog, int id, int notification) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 1);
            break;
        case IDC_ABOUT_WEB_ADDRESS:
            // A double click reports a click and then a double click: the
            // address opens once.
            if (notification == STN_CLICKED) {
                openWebAddress(dialog);
            }
            break;
        default:
            break;
    }
}

// The address looks like a link: blue text, and the hand over it.
INT_PTR onControlColour(HDC dc, HWND control) {
    if (GetDlgCtrlID(control) != IDC_ABOUT_WEB_ADDRESS) {
        return FALSE;
    }
    SetTextColor(dc, kLinkColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

bool onSetCursor(HWND dialog, HWND over) {
    if (over != GetDlgItem(dialog, IDC_ABOUT_WEB_ADDRESS)) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
    return true;
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            onInit(dialog);
            return TRUE;  // the dialog manager sets the focus
        case WM_COMMAND:
            onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            return onSetCursor(dialog, reinterpret_cast<HWND>(wParam)) ? TRUE : FALSE;
        case WM_LBUTTONDOWN:  // on the dialog's own surface, not on a control
            EndDialog(dialog, 1);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void showAboutBox(HWND owner) {
    DialogBoxParamW(app().instance, kAboutTemplate, owner, aboutProc, 0);
}
