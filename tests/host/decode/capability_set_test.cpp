#include "decode/capability_set.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using Codes = std::vector<int32_t>;

Codes listOf(const CapabilitySet& set) {
    const std::span<const int32_t> codes = set.getVcpList();
    return {codes.begin(), codes.end()};
}

Codes valuesOf(const CapabilitySet& set, int32_t code) {
    const std::span<const int32_t> values = set.getVcpValues(code);
    return {values.begin(), values.end()};
}

// The string the monitor object substitutes for one model's own.
constexpr char kReplacementString[] =
    "( mccs_ver(1.1) type(CRT_AG) vcp(00 01 04 06 08 10 12 14(04 05 06 07 08) 16 18 1A 1E 20 22 "
    "24 26 28 30 32 38 3A 3C 40 42 44 46 47 48 4A 4C 54 56 68 6C 6E 70 B0 E1 E2 E3 E6 E8 E9 EA "
    "EB EF F6 F9 FA FC FF) vcp_p02(3B 3C 42 43 44 46 49 4A 4B 4C 4D 4E 4F 56 66 67) "
    "cmds_c2(03(D6)) asset_eep(40) mpu_ver(3.0.0) (fake))";

TEST(CapabilitySet, ReadsTheReplacementString) {
    CapabilitySet set;
    ASSERT_EQ(set.parseCapabilities(kReplacementString), 0);
    EXPECT_EQ(set.loaded, 1);

    Codes expected = {0x00, 0x01, 0x04, 0x06, 0x08, 0x10, 0x12, 0x14, 0x16, 0x18, 0x1A, 0x1E, 0x20,
                      0x22, 0x24, 0x26, 0x28, 0x30, 0x32, 0x38, 0x3A, 0x3C, 0x40, 0x42, 0x44, 0x46,
                      0x47, 0x48, 0x4A, 0x4C, 0x54, 0x56, 0x68, 0x6C, 0x6E, 0x70, 0xB0, 0xE1, 0xE2,
                      0xE3, 0xE6, 0xE8, 0xE9, 0xEA, 0xEB, 0xEF, 0xF6, 0xF9, 0xFA, 0xFC, 0xFF};
    // Page 2 after page 0.
    expected.insert(expected.end(),
                    {0x023B, 0x023C, 0x0242, 0x0243, 0x0244, 0x0246, 0x0249, 0x024A, 0x024B, 0x024C,
                     0x024D, 0x024E, 0x024F, 0x0256, 0x0266, 0x0267});
    EXPECT_EQ(listOf(set), expected);
    EXPECT_EQ(set.vcpCodesCount, 67);

    EXPECT_TRUE(set.supportsVcp(0x023B));
    EXPECT_FALSE(set.supportsVcp(0x3B));
    ASSERT_EQ(set.vcpCodesWithValuesCount, 1);
    EXPECT_EQ(valuesOf(set, 0x14), (Codes{4, 5, 6, 7, 8}));
    EXPECT_TRUE(set.vcpHasValue(0x14, 8));
    EXPECT_FALSE(set.vcpHasValue(0x14, 9));
    EXPECT_FALSE(set.hasVcpValues(0x16));
    EXPECT_EQ(set.getVcpValueCount(0x16), 0);

    EXPECT_EQ(set.displayType, kDisplayCrt);
    EXPECT_STREQ(set.typeText, "CRT_AG");
    EXPECT_STREQ(set.mccsVersion, "1.1");
    EXPECT_STREQ(set.mpuVersion, "3.0.0");
    EXPECT_EQ(set.assetEepromSize, 64);
    EXPECT_EQ(set.colourTempOffset, 0);
    ASSERT_EQ(set.commandCodesCount, 1);
    EXPECT_EQ(set.commandCodes[0], 0x03);
    ASSERT_EQ(set.commandCodesWithValuesCount, 1);
    EXPECT_EQ(set.commandValueLists[0][0], 1);
    EXPECT_EQ(set.commandValueLists[0][1], 0xD6);
}

// An MCCS 2.2 flat panel as such monitors write it: no spaces between
// sections, sections the parser does not know, single-digit values, and the
// choices of complex features listed inside their value lists. It claims no
// code it never listed (degauss 01, geometry reset 06), and each outer list
// keeps the values at its own level.
TEST(CapabilitySet, ReadsAFlatPanelString) {
    CapabilitySet set;
    ASSERT_EQ(set.parseCapabilities(
                  "(prot(monitor)type(lcd)model(LX27Q)cmds(01 02 03 07 0C E3 F3)"
                  "vcp(02 04 05 08 10 12 14(1 5 6 8 0B) 16 18 1A 52 60(1 3 F 11) 62 8d(1 2)"
                  " AC AE B6 C6 C8 C9 D6(01 04 05) DC (00 (00 10 13) 01 02 06) DF"
                  " E1(02 (00 01) 03 (00 01 02 03)))vcpname(10(Brightness))mswhql(1)"
                  "asset_eep(20)c_tmp_ofst(1F)mccs_ver(2.2))"),
              0);
    EXPECT_EQ(set.displayType, kDisplayLcd);
    EXPECT_EQ(listOf(set),
              (Codes{0x02, 0x04, 0x05, 0x08, 0x10, 0x12, 0x14, 0x16, 0x18, 0x1A, 0x52, 0x60,
                     0x62, 0x8D, 0xAC, 0xAE, 0xB6, 0xC6, 0xC8, 0xC9, 0xD6, 0xDC, 0xDF, 0xE1}));
    ASSERT_EQ(set.vcpCodesWithValuesCount, 6);
    EXPECT_EQ(valuesOf(set, 0x14), (Codes{1, 5, 6, 8, 0x0B}));
    EXPECT_EQ(valuesOf(set, 0x60), (Codes{1, 3, 0xF, 0x11}));
    EXPECT_EQ(valuesOf(set, 0x8D), (Codes{1, 2}));
    EXPECT_EQ(valuesOf(set, 0xD6), (Codes{1, 4, 5}));
    EXPECT_EQ(valuesOf(set, 0xDC), (Codes{0, 1, 2, 6}));
    EXPECT_EQ(valuesOf(set, 0xE1), (Codes{2, 3}));
    EXPECT_EQ(set.assetEepromSize, 32);
    EXPECT_EQ(set.colourTempOffset, 0x1F);
    EXPECT_STREQ(set.mccsVersion, "2.2");
    EXPECT_EQ(set.commandCodesCount, 0);  // "cmds(" is not "cmds_c2("
}

struct ListCase {
    const char* body;
    Codes codes;
    Codes keys;
};

// Codes and value-list owners of one list; hexadecimal digits are read at
// most two at a time and the walk never loses its place.
TEST(CapabilitySet, WalksCodeLists) {
    const ListCase cases[] = {
        {"10 12 14", {0x10, 0x12, 0x14}, {}},
        {"1a 2B(0c) ff", {0x1A, 0x2B, 0xFF}, {0x2B}},
        {"123", {0x12, 0x03}, {}},
        {"  10xx12??  14 ", {0x10, 0x12, 0x14}, {}},
        {"10) 12", {0x10, 0x12}, {}},
        // A value written with one digit does not eat the ")" or the next code.
        {"60(1 3 F) 62", {0x60, 0x62}, {0x60}},
        {"14(5)16(7)18", {0x14, 0x16, 0x18}, {0x14, 0x16}},
        // Page groups: the number may have any number of digits.
        {"page2(3B 3C)", {0x023B, 0x023C}, {}},
        {"page12(01 02(1 2))", {0x0C01, 0x0C02}, {0x0C02}},
        {"page0x1F(05) page010(06)", {0x1F05, 0x0806}, {}},
        {"pagez 10", {0x10}, {}},
        // Lists nested in a value list belong to it: what follows an inner
        // list is still a value, and only the outer list has an owner.
        {"E1(02 (00 01) 03 (00 01 02 03)) E2", {0xE1, 0xE2}, {0xE1}},
        {"DC (00 (00 10 13) 01 06) DF", {0xDC, 0xDF}, {0xDC}},
        {"14(1((2)3)4) 16(5)", {0x14, 0x16}, {0x14, 0x16}},
        // A code listed twice is one code with one list.
        {"10 EE(01) 12 EE(01) 10", {0x10, 0xEE, 0x12}, {0xEE}},
    };
    for (const ListCase& c : cases) {
        const VcpListScan scan = CapabilitySet::search_vcps(c.body);
        EXPECT_EQ(scan.codes, c.codes) << c.body;
        EXPECT_EQ(scan.keys, c.keys) << c.body;
    }
    EXPECT_EQ(CapabilitySet::search_enum_vcps("60(1 3 F) 62(4)", 0x60), (Codes{1, 3, 0xF}));
    EXPECT_EQ(CapabilitySet::search_enum_vcps("page12(02(1 22))", 0x0C02), (Codes{1, 0x22}));
    EXPECT_EQ(CapabilitySet::search_enum_vcps("E1(02 (00 01) 03 (00 01 02 03))", 0xE1),
              (Codes{2, 3}));
    EXPECT_EQ(CapabilitySet::search_enum_vcps("14(1((2)3)4) 16(5)", 0x14), (Codes{1, 4}));
    // A code listed twice keeps its first list, each value once.
    EXPECT_EQ(CapabilitySet::search_enum_vcps("14(01 05 01) 16 14(02)", 0x14), (Codes{1, 5}));
}

// A real monitor lists a code twice, values and all, and another in both the
// standard list and page 0's section: each is one code with one list.
TEST(CapabilitySet, CountsARepeatedCodeOnce) {
    CapabilitySet set;
    ASSERT_EQ(set.parseCapabilities("(vcp(10 EE(01 02 03) 12 EE(01 02 03) 14(05 05 06) 14(08) 12) "
                                    "vcp_p00(10 14(09) 16) cmds_c2(03(D6) 03(D6)))"),
              0);
    EXPECT_EQ(listOf(set), (Codes{0x10, 0xEE, 0x12, 0x14, 0x16}));
    ASSERT_EQ(set.vcpCodesWithValuesCount, 2);
    EXPECT_EQ(valuesOf(set, 0xEE), (Codes{1, 2, 3}));
    EXPECT_EQ(valuesOf(set, 0x14), (Codes{5, 6}));
    ASSERT_EQ(set.commandCodesCount, 1);
    ASSERT_EQ(set.commandCodesWithValuesCount, 1);
    EXPECT_EQ(set.commandValueLists[0][0], 1);
}

TEST(CapabilitySet, FindsSectionsWithNestedParentheses) {
    struct Case {
        const char* key;
        const char* text;
        int result;
        const char* body;
    };
    const Case cases[] = {
        {"vcp(", "(vcp(10 14(01 02) 16) x)", 0, "10 14(01 02) 16"},
        {"vcp(", "(vcp(10 14(01 02) 16", -1, ""},
        {"vcp(", "(vcp_p02(10))", -1, ""},
        {"vcp(", "(VCP(10))", -1, ""},
        {"vcp(", "(x(vcp(10)))", 0, "10"},
    };
    for (const Case& c : cases) {
        std::string_view body = "untouched";
        EXPECT_EQ(CapabilitySet::findSection(c.key, c.text, body), c.result) << c.text;
        if (c.result == 0) {
            EXPECT_EQ(body, c.body) << c.text;
        }
    }
}

TEST(CapabilitySet, AddsPageSectionsInPageOrder) {
    CapabilitySet set;
    ASSERT_EQ(
        set.parseCapabilities("(vcp(10) vcp_p1A(05(1 2)) vcp_p02(3B) vcp_p03((01)) vcp_p02(44))"),
        0);
    // Page 3 lists no code, so its value list is dropped too; only the first
    // section of page 2 counts.
    EXPECT_EQ(listOf(set), (Codes{0x10, 0x023B, 0x1A05}));
    EXPECT_EQ(valuesOf(set, 0x1A05), (Codes{1, 2}));
    EXPECT_FALSE(set.hasVcpValues(0x0300));
}

TEST(CapabilitySet, ReadsTypeAndAssetSizeFromTheirExactSpelling) {
    const std::pair<const char*, int32_t> types[] = {
        {"LCD", kDisplayLcd},    {"lcd", kDisplayLcd},     {"Lcd", kDisplayOther},
        {"CRT", kDisplayCrt},    {"crt_ag", kDisplayCrt},  {"CRT_AG", kDisplayCrt},
        {" LCD", kDisplayOther}, {"crt ag", kDisplayOther}};
    CapabilitySet set;
    for (const auto& [body, type] : types) {
        (void)set.parseCapabilities("vcp(10) type(" + std::string(body) + ")");
        EXPECT_EQ(set.displayType, type) << body;
        EXPECT_STREQ(set.typeText, body);
    }
    const std::pair<const char*, int32_t> assets[] = {
        {"40", 64}, {"64", 64}, {"20", 32}, {"32", 32}, {"80", 128}, {"0x100", 256}, {"none", 0}};
    for (const auto& [body, size] : assets) {
        (void)set.parseCapabilities("vcp(10) asset_eep(" + std::string(body) + ")");
        EXPECT_EQ(set.assetEepromSize, size) << body;
    }
}

TEST(CapabilitySet, KeepsWhatFitsItsFields) {
    std::string values;
    for (int i = 0; i < 300; ++i) {
        char value[4];
        std::snprintf(value, sizeof value, " %02X", i % 256);
        values += value;
    }
    const std::string longText(300, 'x');
    CapabilitySet set;
    ASSERT_EQ(set.parseCapabilities("vcp(14(" + values + ") 16) type(" + longText + ") mccs_ver(" +
                                    longText + ") mpu_ver(" + longText + ")"),
              0);
    EXPECT_EQ(listOf(set), (Codes{0x14, 0x16}));
    ASSERT_EQ(set.getVcpValueCount(0x14), kMaxListValues);
    EXPECT_EQ(valuesOf(set, 0x14).back(), 0xFE);
    for (const char* field : {set.typeText, set.mccsVersion, set.mpuVersion}) {
        EXPECT_EQ(std::string(field), longText.substr(0, 255));
    }
}

// A string can name a value list for more codes than the set keeps (one
// per paged code here), and open lists in page sections nested in each
// other: the set keeps a bounded number.
TEST(CapabilitySet, BoundsTheNumberOfValueLists) {
    std::string text = "vcp(16(2)";
    for (int page = 1; page <= 1100; ++page) {
        text += " page" + std::to_string(page) + "(14(1))";
    }
    text += ")";
    for (int page = 2; page < 256; ++page) {
        char key[16];
        std::snprintf(key, sizeof key, "vcp_p%02X(", page);
        text += key;
    }
    text += "1" + std::string(500, '(') + std::string(500 + 254, ')');
    CapabilitySet set;
    ASSERT_EQ(set.parseCapabilities(text), 0);
    EXPECT_EQ(set.vcpCodesWithValuesCount, static_cast<int32_t>(kMaxValueLists));
    EXPECT_EQ(valuesOf(set, 0x16), (Codes{2}));
    EXPECT_EQ(valuesOf(set, 0x0114), (Codes{1}));
    EXPECT_TRUE(set.supportsVcp(1100 * 256 + 0x14));
    EXPECT_FALSE(set.hasVcpValues(1100 * 256 + 0x14));
    EXPECT_TRUE(set.supportsVcp(0xFF01));
}

TEST(CapabilitySet, StopsAtTheEndOfTheTextOrItsFirstZero) {
    // No terminator: the sanitizer catches any read past the buffer.
    const std::string text = "vcp(10 12(1 2)) type(LCD)";
    const std::vector<char> bytes(text.begin(), text.end());
    CapabilitySet set;
    EXPECT_EQ(set.parseCapabilities({bytes.data(), bytes.size()}), 0);
    EXPECT_EQ(set.displayType, kDisplayLcd);
    EXPECT_EQ(set.parseCapabilities({bytes.data(), bytes.size() - 1}), 0);
    EXPECT_EQ(set.displayType, kDisplayOther);  // "type(LCD" never closes

    const char zeroInside[] = "vcp(10)\0type(LCD)";
    EXPECT_EQ(set.parseCapabilities({zeroInside, sizeof zeroInside}), 0);
    EXPECT_EQ(set.displayType, kDisplayOther);
}

// A string without a "vcp(" section is refused, yet keeps what it has;
// nothing of the string read before it survives.
TEST(CapabilitySet, NeedsAVcpSectionAndStartsEachParseFromNothing) {
    CapabilitySet set;
    EXPECT_FALSE(set.supportsVcp(0));
    EXPECT_TRUE(set.getVcpValues(0).empty());
    ASSERT_EQ(set.parseCapabilities(kReplacementString), 0);
    EXPECT_EQ(set.parseCapabilities("(type(LCD) vcp_p02(3B 3C))"), -1);
    EXPECT_EQ(set.loaded, 0);
    EXPECT_EQ(listOf(set), (Codes{0x023B, 0x023C}));
    EXPECT_FALSE(set.supportsVcp(0x10));
    EXPECT_FALSE(set.hasVcpValues(0x14));
    EXPECT_EQ(set.commandCodesCount, 0);
    EXPECT_STREQ(set.mccsVersion, "");
    EXPECT_EQ(set.assetEepromSize, 0);
    EXPECT_EQ(set.displayType, kDisplayLcd);

    EXPECT_EQ(set.parseCapabilities("(type(LCD) vcp(10 12(01 02)"), -1);
    EXPECT_EQ(set.parseCapabilities("(vcp())"), 0);
    EXPECT_EQ(set.loaded, 1);
    EXPECT_TRUE(set.getVcpList().empty());
}

}  // namespace
