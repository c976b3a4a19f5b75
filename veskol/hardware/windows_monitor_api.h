// The real MonitorApi of a Windows PC. dxva2.dll (the Monitor Configuration
// API), setupapi.dll and advapi32.dll (the monitor device's registry value)
// are loaded when first needed, not linked: a system without them simply
// has no hardware interfaces, and the program's own list of linked system
// libraries stays as it is. Entries whose function is missing fail.
// Declared without Windows headers; defined by the Windows glue.
#pragma once

#include "veskol/hardware/monitor_api.h"

namespace veskol::hardware {

[[nodiscard]] MonitorApi systemMonitorApi();

// Wine offers wine_get_version in its ntdll; Windows does not.
[[nodiscard]] bool runningUnderWine();

}  // namespace veskol::hardware
