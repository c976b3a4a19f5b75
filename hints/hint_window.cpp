#include "hints/hint_window.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

// Owns a windows hook and removes it when it goes.
class ScopedHook {
  public:
    ScopedHook() = default;
    ~ScopedHook() { reset(); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

    void reset(HHOOK hook = nullptr) {
        if (hook_) {
            UnhookWindowsHookEx(hook_);
        }
        hook_ = hook;
    }
    explicit operator bool() const { return hook_ != nullptr; }

  private:
    HHOOK hook_ = nullptr;
};

struct HintState {
    HWND page = nullptr;
    int textBase = 0;
    HWND toolTip = nullptr;
    ScopedHook hook;
};

HintState& hints() {
    static HintState state;
    return state;
}

// Moves and single presses; a double click neither resets nor re-shows a hint.
bool isRelayed(UINT message) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK relayPointer(int code, WPARAM removal, LPARAM lParam) {
    const HintState& state = hints();
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code >= 0 && removal == PM_REMOVE && message && state.toolTip &&
        isRelayed(message->message) && message->hwnd && IsChild(state.page, message->hwnd)) {
        MSG copy{};
        copy.hwnd = message->hwnd;
        copy.message = message->message;
        copy.wParam = message->wParam;
        copy.lParam = message->lParam;
        SendMessageW(state.toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

HINSTANCE moduleOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

// A button that shows a picture instead of its text (owner-drawn, or a
// bitmap or icon button) takes its hint as its window text, so a screen
// reader can name it; its picture is all that is painted.
void nameByHint(HWND control) {
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const bool pictureOnly =
        (style & BS_TYPEMASK) == BS_OWNERDRAW || (style & (BS_BITMAP | BS_ICON)) != 0;
    const int id = GetDlgCtrlID(control);
    if (lstrcmpiW(kind, L"Button") != 0 || !pictureOnly || id == 0) {
        return;
    }
    const HintState& state = hints();
    const wchar_t* text = nullptr;
    const int length = LoadStringW(moduleOf(state.page), id + state.textBase,
                                   reinterpret_cast<wchar_t*>(&text), 0);
    const std::wstring name(text ? text : L"", static_cast<size_t>(std::max(length, 0)));
    wchar_t shown[512] = {};
    GetWindowTextW(control, shown, 512);
    if (!name.empty() && name != shown) {  // unchanged on a later attach: no repaint
        SetWindowTextW(control, name.c_str());
    }
}

BOOL CALLBACK registerTool(HWND control, LPARAM toolTip) {
    nameByHint(control);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hints().page;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(reinterpret_cast<HWND>(toolTip), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return TRUE;
}

}  // namespace

bool attachHints(HWND page, int textBase) {
    detachHints();  // the earlier tool tip hears nothing any more
    HintState& state = hints();
    state.page = page;
    state.textBase = textBase;
    state.toolTip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                    page, nullptr, moduleOf(page), nullptr);
    if (!state.toolTip) {
        return false;
    }
    EnumChildWindows(page, registerTool, reinterpret_cast<LPARAM>(state.toolTip));
    state.hook.reset(SetWindowsHookExW(WH_GETMESSAGE, relayPointer, nullptr, GetCurrentThreadId()));
    return static_cast<bool>(state.hook);
}

// A pop-up's owner is always a top-level window, so the tool tip belongs to
// the main window, not to the page: it would outlive every page that ever
// had hints unless it is destroyed here.
void detachHints() {
    HintState& state = hints();
    state.hook.reset();
    if (state.toolTip && IsWindow(state.toolTip)) {
        DestroyWindow(state.toolTip);
    }
    state.toolTip = nullptr;
    state.page = nullptr;
}

bool answerHintText(NMHDR& header) {
    const HintState& state = hints();
    if (header.code != TTN_GETDISPINFOW || !state.toolTip || header.hwndFrom != state.toolTip) {
        return false;
    }
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(header.idFrom));
    if (id != 0) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        info.hinst = moduleOf(state.page);
        info.lpszText = MAKEINTRESOURCEW(id + state.textBase);
    }
    return true;
}

HWND hintToolTip() {
    return hints().toolTip;
}

bool hintHookInstalled() {
    return static_cast<bool>(hints().hook);
}
