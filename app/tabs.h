// The main window's tab control: which page belongs to which tab, creating
// the page for the selected tab, laying it out, and inserting or removing
// the optional tabs as the open monitor offers their controls.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "platform/win32.h"

// Tab parameters (each tab's item parameter picks its page).
enum TabTag : int {
    kTabBrightness = 0,
    kTabColour = 1,
    kTabGeometry = 4,
    kTabOther = 5,
    kTabTestPattern = 6,
    kTabInformation = 7,
};

// A tab that is present only while its page has something to offer for
// the open monitor.
struct OptionalTab {
    int tag;
    int image;
    std::function<int()> content;  // > 0: the page has controls
};

// The optional tabs in the order they are updated.
void setOptionalTabs(std::span<const OptionalTab> tabs);

// The program's optional tabs, each asking its page (the ones in use until
// setOptionalTabs replaces them).
[[nodiscard]] std::vector<OptionalTab> programOptionalTabs();

// Inserts a tab (image and parameter only) at `position`.
void insertTab(HWND tabControl, int position, int tag, int image);

// Destroys the current page and creates the page of `tag` ("ScreenDlg" or,
// for the first page, "SCREENDLG"), then lays out.
void showPage(int tag, const wchar_t* templateName);

// Moves the tab control and the page into place.
void layoutMainWindow();

// TCN_SELCHANGE: shows the page of the selected tab.
void onTabChanged();

// After every monitor open or close: optional tabs follow their pages.
void updateTabs();

// A page command (refresh, picture changed) to the current page, posted or
// sent; nothing when there is no page.
void postPageCommand(int command);
void sendPageCommand(int command);

// The parameter of the tab at `position`, -1 when there is none.
[[nodiscard]] int tabTagAt(int position);
[[nodiscard]] int tabCount();
