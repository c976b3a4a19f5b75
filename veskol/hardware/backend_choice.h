// Which backend serves the display-interface functions. A simulation asked
// for by name (VESKOL_SIMULATE set) always wins; otherwise a real Windows PC
// gets its real monitors and Wine, whose monitor calls answer nothing, the
// simulator's default monitors, so the demonstration keeps working and a
// real PC never shows simulated monitors.
// Portable: no Windows headers.
#pragma once

namespace veskol {

enum class Backend { kSimulator, kHardware };

[[nodiscard]] Backend chooseBackend(bool simulationRequested, bool runningUnderWine);

}  // namespace veskol
