// The five display-interface functions served in this test program by the
// real-monitor backend over a scripted table of monitor calls, in place of
// VESKOL.dll's (whose own functions the linker then leaves out), so the
// program's link and monitor object run on the backend unchanged.
#pragma once

#include "veskol/hardware/monitor_api.h"

// The functions' backend over `api` (copied; its functions and context must
// stay valid), with a fresh interface list; null releases the monitors the
// table handed out. Until then every function answers as without monitors.
void useHardwareApi(const veskol::hardware::MonitorApi* api);
