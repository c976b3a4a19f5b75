#include "tests/win/support/gui_object_counts.h"

#include <gtest/gtest.h>

#include "platform/win32.h"

#include <winternl.h>

#include <cstdio>
#include <string>

namespace {

// One entry of the process's GDI handle table (64-bit layout): a non-zero
// type byte marks a live object.
struct GdiHandleEntry {
    ULONGLONG kernelObject;
    USHORT processId;
    USHORT count;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr int kGdiHandleSlots = 0x10000;
constexpr UCHAR kRegionType = 4;
constexpr size_t kPebGdiTableOffset = 0xF8;  // PEB.GdiSharedHandleTable, 64-bit

const GdiHandleEntry* gdiTable() {
    const auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    return *reinterpret_cast<GdiHandleEntry* const*>(peb + kPebGdiTableOffset);
}

HGDIOBJ handleOf(const GdiHandleEntry& entry, int slot) {
    return reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(slot | (entry.unique << 16)));
}

// Objects the program can own. Left out: the update and visible regions
// Wine keeps for windows, the device contexts of its window DC cache (which
// grows to the most DCs ever in use at once and stays there) and the
// internal objects behind them that GetObjectType cannot name. Memory DCs,
// bitmaps, brushes, pens, fonts and palettes all count.
bool programObject(const GdiHandleEntry& entry, int slot) {
    if (entry.type == 0 || entry.type == kRegionType) {
        return false;
    }
    const DWORD type = GetObjectType(handleOf(entry, slot));
    return type != 0 && type != OBJ_DC && type != OBJ_REGION;
}

int countGdiTable() {
    const GdiHandleEntry* table = gdiTable();
    if (table == nullptr) {
        return -1;
    }
    int live = 0;
    for (int i = 0; i < kGdiHandleSlots; ++i) {
        live += programObject(table[i], i) ? 1 : 0;
    }
    return live;
}

BOOL CALLBACK countChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK countWindowAndDescendants(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, countChild, count);
    return TRUE;
}

// "bitmap 160x98x32", "font IPAPGothic", or the object type's number.
std::string describe(HGDIOBJ object) {
    char text[160] = {};
    BITMAP bitmap{};
    LOGFONTW font{};
    const DWORD type = GetObjectType(object);
    if (type == OBJ_BITMAP && GetObjectW(object, sizeof bitmap, &bitmap)) {
        std::snprintf(text, sizeof text, "bitmap %ldx%ldx%d", bitmap.bmWidth, bitmap.bmHeight,
                      bitmap.bmBitsPixel);
    } else if (type == OBJ_FONT && GetObjectW(object, sizeof font, &font)) {
        std::snprintf(text, sizeof text, "font %ls", font.lfFaceName);
    } else {
        std::snprintf(text, sizeof text, "object of type %lu", type);
    }
    return text;
}

}  // namespace

int liveGdiObjects() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const int live = reported != 0 ? static_cast<int>(reported) : countGdiTable();
    // An unreadable count would equal itself before and after any leak.
    if (live <= 0) {
        ADD_FAILURE() << "the process's GDI object count cannot be read";
    }
    return live;
}

int liveWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindowAndDescendants,
                      reinterpret_cast<LPARAM>(&count));
    return count;
}

GdiObjectSnapshot::GdiObjectSnapshot() {
    const GdiHandleEntry* table = gdiTable();
    slots_.assign(kGdiHandleSlots, 0);
    for (int i = 0; table && i < kGdiHandleSlots; ++i) {
        slots_[static_cast<size_t>(i)] = table[i].type ? table[i].unique + 1u : 0u;
    }
}

std::string GdiObjectSnapshot::objectsMadeSince() const {
    const GdiHandleEntry* table = gdiTable();
    std::string out;
    for (int i = 0; table && i < kGdiHandleSlots; ++i) {
        if (programObject(table[i], i) && slots_[static_cast<size_t>(i)] != table[i].unique + 1u) {
            out += describe(handleOf(table[i], i)) + "\n";
        }
    }
    return out;
}
