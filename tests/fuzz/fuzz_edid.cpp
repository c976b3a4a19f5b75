// decodeEdid over arbitrary 256-byte images. Almost every arbitrary image
// fails the header or checksum test at once, so each input is decoded twice:
// as it is, and repaired (header written, checksums fixed) so that the
// descriptor walk sees every input.
#include <algorithm>
#include <array>
#include <cstring>

#include "decode/edid.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/edid_image.h"

namespace {

bool fits(const char* text, size_t size) {
    return std::memchr(text, 0, size) != nullptr;
}

void checkRecord(const std::array<uint8_t, kEdidBytes>& edid, const EdidInfo& info) {
    FUZZ_CHECK(info.descriptorCount >= 4 && info.descriptorCount <= 10);
    for (int i = 0; i < info.descriptorCount; ++i) {
        FUZZ_CHECK(info.descriptors[i].type <= kDescriptorOther);
        FUZZ_CHECK(fits(info.descriptors[i].text, sizeof info.descriptors[i].text));
    }
    FUZZ_CHECK(fits(info.serialText, sizeof info.serialText));
    FUZZ_CHECK(fits(info.modelName, sizeof info.modelName));
    FUZZ_CHECK(std::memcmp(info.vendorLetters, vendorLetters(edidVendorWord(edid)).data(), 4) == 0);
    FUZZ_CHECK(info.manufactureYear == 1990 + edid[17]);
    FUZZ_CHECK(info.digitalInput <= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::array<uint8_t, kEdidBytes> edid{};
    std::memcpy(edid.data(), data, std::min<size_t>(size, edid.size()));

    EdidInfo info;
    if (decodeEdid(edid, info) == 0) {
        checkRecord(edid, info);
    } else {
        FUZZ_CHECK(info.descriptorCount == 0 && info.serialText[0] == 0);
    }

    EdidImage repaired(edid[18], edid[19]);  // the header, then the input's other bytes
    std::copy(edid.begin() + 8, edid.end(), repaired.bytes.begin() + 8);
    FUZZ_CHECK(decodeEdid(repaired.sealed(), info) == 0);
    checkRecord(repaired.bytes, info);
    return 0;
}
