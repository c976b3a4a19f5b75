#include "veskol/hardware/backend_choice.h"

#include <cctype>

namespace veskol {
namespace {

bool sameWord(const char* value, const char* word) {
    for (; *value && *word; ++value, ++word) {
        if (std::tolower(static_cast<unsigned char>(*value)) != *word) {
            return false;
        }
    }
    return *value == *word;
}

}  // namespace

BackendRequest backendRequestOf(const char* value) {
    if (value && sameWord(value, "hardware")) {
        return BackendRequest::kHardware;
    }
    if (value && sameWord(value, "simulator")) {
        return BackendRequest::kSimulator;
    }
    return BackendRequest::kNone;
}

Backend chooseBackend(BackendRequest request, bool simulationRequested, bool runningUnderWine) {
    switch (request) {
        case BackendRequest::kHardware:
            return Backend::kHardware;
        case BackendRequest::kSimulator:
            return Backend::kSimulator;
        default:
            return simulationRequested || runningUnderWine ? Backend::kSimulator
                                                           : Backend::kHardware;
    }
}

}  // namespace veskol
