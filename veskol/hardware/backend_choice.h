// Which backend serves the display-interface functions. VESKOL_BACKEND
// forces one: "hardware" gives the real monitors even under Wine, where the
// system libraries honestly give whatever they have; "simulator" gives the
// simulated monitors even on a real PC. Without it (or with any other
// value) a simulation asked for by name (VESKOL_SIMULATE set) wins;
// otherwise a real Windows PC gets its real monitors and Wine, whose monitor
// calls answer nothing, the simulator's default monitors, so the
// demonstration keeps working and a real PC never shows simulated monitors.
// Portable: no Windows headers.
#pragma once

namespace veskol {

enum class Backend { kSimulator, kHardware };

// What VESKOL_BACKEND asks for.
enum class BackendRequest { kNone, kHardware, kSimulator };

// The request a value of VESKOL_BACKEND makes (null: the variable is not
// set). Letter case does not matter; an unknown value requests nothing.
[[nodiscard]] BackendRequest backendRequestOf(const char* value);

[[nodiscard]] Backend chooseBackend(BackendRequest request, bool simulationRequested,
                                    bool runningUnderWine);

}  // namespace veskol
