#include "veskol/hardware/backend_choice.h"

namespace veskol {

Backend chooseBackend(bool simulationRequested, bool runningUnderWine) {
    return simulationRequested || runningUnderWine ? Backend::kSimulator : Backend::kHardware;
}

}  // namespace veskol
