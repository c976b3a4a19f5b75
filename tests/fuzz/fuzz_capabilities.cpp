// parseCapabilities over arbitrary text, as a monitor may send it. Besides
// the sanitizers' checks, the parsed set must agree with the list walk and
// answer its own queries consistently.
#include <algorithm>
#include <cstring>
#include <vector>

#include "decode/capability_set.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Every query is a linear search and every list walk reads the whole text:
// asking about everything would be quadratic in the size of the input, so a
// few codes and lists suffice.
constexpr size_t kListsCompared = 4;
constexpr int kQueriesChecked = 16;

bool terminated(const char (&text)[kCapabilityTextSize]) {
    return std::memchr(text, 0, sizeof text) != nullptr;
}

void checkBlocks(const ValueBlock* blocks, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        FUZZ_CHECK(blocks[i][0] >= 0 && blocks[i][0] <= kMaxListValues);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A fresh set for every input, so that a finding reproduces from its
    // saved input alone.
    CapabilitySet set;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int result = set.parseCapabilities(text);

    FUZZ_CHECK(result == 0 || result == -1);
    FUZZ_CHECK(set.loaded == (result == 0 ? 1 : 0));
    FUZZ_CHECK(terminated(set.typeText) && terminated(set.mccsVersion) &&
               terminated(set.mpuVersion));
    FUZZ_CHECK(set.displayType >= kDisplayOther && set.displayType <= kDisplayLcd);
    FUZZ_CHECK(set.vcpCodesWithValuesCount <= static_cast<int32_t>(kMaxValueLists));
    FUZZ_CHECK(set.commandCodesWithValuesCount <= static_cast<int32_t>(kMaxValueLists));
    checkBlocks(set.vcpValueLists.get(), set.vcpCodesWithValuesCount);
    checkBlocks(set.commandValueLists.get(), set.commandCodesWithValuesCount);

    const std::span<const int32_t> codes = set.getVcpList();
    for (size_t i = 0; i < codes.size() && i < size_t{kQueriesChecked}; ++i) {
        FUZZ_CHECK(set.supportsVcp(codes[i]));
    }
    for (int32_t i = 0; i < set.vcpCodesWithValuesCount && i < kQueriesChecked; ++i) {
        const int32_t code = set.vcpCodesWithValues[i];
        FUZZ_CHECK(set.hasVcpValues(code));
        const std::span<const int32_t> values = set.getVcpValues(code);
        FUZZ_CHECK(static_cast<int>(values.size()) == set.getVcpValueCount(code));
        for (int32_t value : values) {
            FUZZ_CHECK(value >= 0 && value <= 0xFF);
        }
        if (!values.empty()) {
            FUZZ_CHECK(set.vcpHasValue(code, values.back()));
        }
    }

    // The standard list comes first and holds exactly what the walk finds.
    std::string_view body;
    const std::string_view terminatedText = text.substr(0, text.find('\0'));
    if (CapabilitySet::findSection("vcp(", terminatedText, body) == 0) {
        FUZZ_CHECK(result == 0);
        const VcpListScan scan = CapabilitySet::search_vcps(body);
        FUZZ_CHECK(scan.codes.size() <= static_cast<size_t>(set.vcpCodesCount));
        FUZZ_CHECK(std::equal(scan.codes.begin(), scan.codes.end(), set.vcpCodes.get()));
        const size_t keys = std::min(scan.keys.size(), kMaxValueLists);
        FUZZ_CHECK(keys <= static_cast<size_t>(set.vcpCodesWithValuesCount));
        for (size_t i = 0; i < keys && i < kListsCompared; ++i) {
            FUZZ_CHECK(set.vcpCodesWithValues[i] == scan.keys[i]);
            std::vector<int32_t> values = CapabilitySet::search_enum_vcps(body, scan.keys[i]);
            values.resize(std::min<size_t>(values.size(), kMaxListValues));
            const ValueBlock& block = set.vcpValueLists[i];
            FUZZ_CHECK(block[0] == static_cast<int32_t>(values.size()));
            FUZZ_CHECK(std::equal(values.begin(), values.end(), block.begin() + 1));
        }
    } else {
        FUZZ_CHECK(result == -1);
    }
    return 0;
}
