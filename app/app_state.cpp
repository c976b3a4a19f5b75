#include "app/app_state.h"

AppState& app() {
    static AppState state;
    return state;
}

void showHelpInViewer(HWND owner, const wchar_t* file) {
    // The viewer's library stays loaded once it was needed: it owns the
    // help window for as long as that is open.
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
    static HtmlHelpFunction htmlHelp = [] {
        HMODULE viewer = LoadLibraryW(L"hhctrl.ocx");
        return viewer ? reinterpret_cast<HtmlHelpFunction>(
                            reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpW")))
                      : nullptr;
    }();
    constexpr UINT kDisplayTopic = 0;
    if (htmlHelp) {
        htmlHelp(owner, file, kDisplayTopic, 0);
    }
}
