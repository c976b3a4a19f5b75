// Creates the page (a modeless child dialog of the tab control) that
// belongs to a tab's parameter.
#pragma once

#include "platform/win32.h"

// The page for `tag`, created from the dialog template `templateName` as a
// child of `tabControl`; null when it could not be created. Parameters
// without a page of their own give the brightness page.
HWND createPage(int tag, HWND tabControl, const wchar_t* templateName);
