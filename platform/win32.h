// The one way the Windows parts of the program include the Windows headers:
// Unicode API, no min/max macros, lean headers; common controls with it.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>
