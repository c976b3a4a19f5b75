// The desktop's active display targets as QueryDisplayConfig gives them,
// each with its target device name (the monitor device's interface path,
// the name the display settings show, the EDID identifiers Windows read).
// Shared by the program's monitor labels and the library's monitor pairing.
#pragma once

#include <vector>

#include "platform/win32.h"

struct ActiveDisplayTarget {
    DISPLAYCONFIG_PATH_INFO path;
    DISPLAYCONFIG_TARGET_DEVICE_NAME name;
};

// False when the system cannot say. The topology can change between sizing
// the buffers and filling them; then it asks again, three times at most.
// A target whose name cannot be read is left out.
inline bool activeDisplayTargets(std::vector<ActiveDisplayTarget>& targets) {
    targets.clear();
    UINT32 pathCount = 0;
    UINT32 modeCount = 0;
    std::vector<DISPLAYCONFIG_PATH_INFO> paths;
    std::vector<DISPLAYCONFIG_MODE_INFO> modes;
    LONG status = ERROR_INSUFFICIENT_BUFFER;
    for (int attempt = 0; attempt < 3 && status == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        if (GetDisplayConfigBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) !=
            ERROR_SUCCESS) {
            return false;
        }
        paths.resize(pathCount);
        modes.resize(modeCount);
        status = QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount,
                                    modes.data(), nullptr);
    }
    if (status != ERROR_SUCCESS) {
        return false;
    }
    for (UINT32 i = 0; i < pathCount; ++i) {
        ActiveDisplayTarget target{};
        target.path = paths[i];
        target.name.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_TARGET_NAME;
        target.name.header.size = sizeof target.name;
        target.name.header.adapterId = paths[i].targetInfo.adapterId;
        target.name.header.id = paths[i].targetInfo.id;
        if (DisplayConfigGetDeviceInfo(&target.name.header) == ERROR_SUCCESS) {
            targets.push_back(target);
        }
    }
    return true;
}
