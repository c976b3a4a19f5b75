// CapabilitySet: a monitor's MCCS capabilities string, parsed. The monitor
// object embeds one, fills it with parseCapabilities and asks it which VCP
// codes the monitor supports and which values a code may take. Codes are in
// the program's page * 256 + code form: 0-255 are standard MCCS codes, larger
// ones are vendor codes of a "vcp_pXX(" page section.
// The parser knows the sections type, vcp, vcp_pXX, mccs_ver, mpu_ver,
// c_tmp_ofst, cmds_c2 and asset_eep; everything else in the string is
// skipped. It reads untrusted bytes from the monitor and never writes past a
// field: value lists keep their first 255 values, texts their first 255
// characters, and at most kMaxValueLists value lists are kept.
// Depends on: the standard library only. Portable: no Windows headers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// Longest value list and longest text a CapabilitySet keeps.
constexpr int kMaxListValues = 255;
// Most value lists kept for VCP codes (and for commands): a monitor lists a
// few dozen, and each costs a 1 KB block, so a malformed string cannot make
// the set grow past about a megabyte. The codes owning further lists stay
// supported, without values.
constexpr size_t kMaxValueLists = 1024;
constexpr int kCapabilityTextSize = 256;  // 255 characters and a zero

// displayType values.
constexpr int kDisplayOther = 0;
constexpr int kDisplayCrt = 1;
constexpr int kDisplayLcd = 2;

// One value list: element 0 is the number of values, elements 1 to 255 the
// values in the order the monitor listed them.
using ValueBlock = std::array<int32_t, kMaxListValues + 1>;

// What one walk over a code list finds, in order of appearance: every code
// outside a value list, and every code that owns a value list (lists nested
// in a list own nothing). A code listed twice is there once.
struct VcpListScan {
    std::vector<int32_t> codes;
    std::vector<int32_t> keys;
};

class CapabilitySet {
  public:
    CapabilitySet() = default;
    ~CapabilitySet() = default;
    CapabilitySet(const CapabilitySet&) = delete;
    CapabilitySet& operator=(const CapabilitySet&) = delete;

    // Parses a capabilities string: it ends at its first zero byte or at the
    // end of the view, whichever comes first. Starts from the cleared state.
    // Returns 0 when the string has a "vcp(" section (even an empty one) and
    // sets `loaded`; -1 otherwise, with whatever the other sections gave.
    [[nodiscard]] int parseCapabilities(std::string_view text);

    // Frees the arrays and empties every field.
    void clear();

    // --- queries (first match wins; all answer "no" on a cleared set) ---

    [[nodiscard]] bool supportsVcp(int32_t code) const;
    [[nodiscard]] bool hasVcpValues(int32_t code) const;
    // The values listed for `code`; empty when it has no list (or an empty one).
    [[nodiscard]] std::span<const int32_t> getVcpValues(int32_t code) const;
    [[nodiscard]] int getVcpValueCount(int32_t code) const;
    [[nodiscard]] bool vcpHasValue(int32_t code, int32_t value) const;
    // Every supported code, in the order parsed (standard list, then pages).
    [[nodiscard]] std::span<const int32_t> getVcpList() const;

    // --- the parser's building blocks, public for callers that read other
    // sections of a capabilities string, and for tests ---

    // Finds the first occurrence of `key` (which ends in "(") anywhere in
    // `text`, case-sensitively, and sets `body` to the text after it up to,
    // not including, the ")" that closes it (nested parentheses balanced).
    // Returns 0, or -1 when the key is missing or its section never closes.
    [[nodiscard]] static int findSection(std::string_view key, std::string_view text,
                                         std::string_view& body);

    // Walks a code list such as "02 10 14(05 06) page2(3B)". Codes are one or
    // two hexadecimal digits separated by spaces or nothing; the codes after
    // "pageN(" are codes of page N (N decimal, 0x hex or 0 octal; the page
    // stays when the group's ")" ends it); anything unreadable is skipped
    // character by character. A value list may hold lists of its own, as in
    // "DC(00(00 10) 01)": the values are the numbers at the outer level
    // (00 01) and nothing inside the outer list is a code.
    [[nodiscard]] static VcpListScan search_vcps(std::string_view body);

    // The values of the first value list in `body` whose owner is `key`, in
    // order, each once (a code listed twice keeps what it was first given).
    [[nodiscard]] static std::vector<int32_t> search_enum_vcps(std::string_view body, int32_t key);

    // --- parsed fields ---

    int32_t loaded = 0;  // 1 after a parse that found "vcp("
    std::unique_ptr<int32_t[]> vcpCodes;
    std::unique_ptr<int32_t[]> vcpCodesWithValues;
    std::unique_ptr<int32_t[]> commandCodes;  // the "cmds_c2(" list
    std::unique_ptr<int32_t[]> commandCodesWithValues;
    std::unique_ptr<ValueBlock[]> vcpValueLists;      // one per vcpCodesWithValues entry
    std::unique_ptr<ValueBlock[]> commandValueLists;  // one per commandCodesWithValues entry
    int32_t vcpCodesWithValuesCount = 0;
    int32_t commandCodesCount = 0;
    int32_t commandCodesWithValuesCount = 0;
    int32_t vcpCodesCount = 0;
    int32_t displayType = kDisplayOther;  // from "type(": kDisplayCrt, kDisplayLcd or other
    int32_t assetEepromSize = 0;
    int32_t colourTempOffset = 0;
    char typeText[kCapabilityTextSize] = {};
    char mccsVersion[kCapabilityTextSize] = {};
    char mpuVersion[kCapabilityTextSize] = {};

  private:
    // Index of `code` in vcpCodesWithValues, or -1.
    [[nodiscard]] int valueListIndex(int32_t code) const;
};
