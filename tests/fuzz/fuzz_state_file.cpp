// The simulator's saved-settings file over arbitrary text (people edit it by
// hand). Reading is all-or-nothing, and whatever it accepts must be written
// back so that the next run reads exactly the same values: a file that reads
// but cannot be read again after the next store loses every saved setting.
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "veskol/sim/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    veskol::SavedState state;
    if (!veskol::parseState(text, state)) {
        FUZZ_CHECK(state.empty());
        return 0;
    }
    for (const auto& [key, values] : state) {
        FUZZ_CHECK(key.interfaceIndex >= 0 && !key.profile.empty());
        for (const auto& [code, value] : values) {
            FUZZ_CHECK(code >= 0 && code <= 0xFFFF && value >= 0 && value <= 0xFFFF);
        }
    }
    veskol::SavedState again;
    FUZZ_CHECK(veskol::parseState(veskol::formatState(state), again));
    FUZZ_CHECK(again == state);
    return 0;
}
