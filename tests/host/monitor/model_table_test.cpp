// The model table: list sizes and brand splits, the rules that tie the lists
// together, the code templates, the monitor pictures, and the simulated
// monitors' places in the table.
#include "monitor/model_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "veskol/sim/edid_builder.h"
#include "veskol/sim/monitor_profile.h"

namespace {

using RowTest = std::function<bool(const ModelRow&)>;

// Row tests for the table's lists: a flag, or one value of a numbered list.
RowTest flag(bool ModelRow::*field) {
    return [field](const ModelRow& r) { return r.*field; };
}
RowTest technologyIs(int technology) {
    return [technology](const ModelRow& r) { return r.technology == technology; };
}
RowTest codeTemplateIs(int codeTemplate) {
    return [codeTemplate](const ModelRow& r) { return r.codeTemplate == codeTemplate; };
}
RowTest presetTableIs(int presetTable) {
    return [presetTable](const ModelRow& r) { return r.presetTable == presetTable; };
}

bool implies(bool condition, bool consequence) {
    return !condition || consequence;
}

uint16_t vendorOf(uint32_t monitorId) {
    return static_cast<uint16_t>(monitorId >> 16);
}

// The monitor ID a simulated monitor's EDID gives, as the program reads it.
uint32_t monitorIdOf(const veskol::MonitorProfile& profile) {
    const veskol::EdidBytes edid = veskol::buildEdid(profile.edid);
    return static_cast<uint32_t>(edid[9] << 8 | edid[8]) << 16 |
           static_cast<uint32_t>(edid[11] << 8 | edid[10]);
}

const veskol::MonitorProfile& profileNamed(const char* name) {
    const veskol::MonitorProfile* profile = veskol::findProfile(name);
    EXPECT_NE(profile, nullptr) << name;
    static const veskol::MonitorProfile kNone{};
    return profile ? *profile : kNone;
}

const veskol::VcpDef* controlOf(const veskol::MonitorProfile& profile, int code) {
    for (const veskol::VcpDef& def : profile.vcps) {
        if (def.code == code) {
            return &def;
        }
    }
    return nullptr;
}

// The table's lists, each with its number of OEM, QRV and TSW models.
struct List {
    const char* name;
    RowTest member;
    int oem, qrv, tsw;
};
const List kTableLists[] = {
    {"cathode-ray tubes", technologyIs(kTechnologyCrt), 0, 11, 14},
    {"flat panels", technologyIs(kTechnologyFlatPanel), 0, 3, 5},
    {"known", flag(&ModelRow::known), 0, 15, 19},
    {"capability-exempt", flag(&ModelRow::capabilityExempt), 0, 2, 0},
    {"replacement capabilities", flag(&ModelRow::replacementCapabilities), 0, 0, 1},
    {"any code template", [](const ModelRow& r) { return r.codeTemplate != 0; }, 3, 17, 17},
    {"template 1", codeTemplateIs(1), 2, 2, 4},
    {"template 2", codeTemplateIs(2), 1, 5, 4},
    {"template 3", codeTemplateIs(3), 0, 1, 1},
    {"template 4", codeTemplateIs(4), 0, 2, 2},
    {"template 5", codeTemplateIs(5), 0, 1, 0},
    {"template 6", codeTemplateIs(6), 0, 2, 2},
    {"template 7", codeTemplateIs(7), 0, 1, 0},
    {"template 8", codeTemplateIs(8), 0, 1, 0},
    {"template 9", codeTemplateIs(9), 0, 1, 1},
    {"template 10", codeTemplateIs(10), 0, 1, 1},
    {"template 11", codeTemplateIs(11), 0, 0, 2},
    {"300 ms", flag(&ModelRow::wait300ms), 0, 1, 1},
    {"four presets", flag(&ModelRow::fourPreset), 0, 0, 2},
    {"inverted black level", flag(&ModelRow::invertedBlackLevel), 0, 1, 3},
    {"picture mode", flag(&ModelRow::pictureMode), 0, 5, 0},
    {"presets from one", flag(&ModelRow::presetsFromOne), 1, 0, 4},
    {"save before switch", flag(&ModelRow::saveBeforeSwitch), 0, 1, 1},
    {"nudge after switch", flag(&ModelRow::nudgeAfterSwitch), 0, 1, 3},
    {"long switch delay", flag(&ModelRow::longSwitchDelay), 0, 1, 2},
    {"sRGB at 3", flag(&ModelRow::srgbAt3), 2, 12, 10},
    {"sRGB at 4", flag(&ModelRow::srgbAt4), 1, 0, 4},
    {"sRGB-at-3 label", flag(&ModelRow::srgbAt3Label), 2, 12, 9},
    {"excluded black level", flag(&ModelRow::excludedBlackLevel), 0, 1, 2},
    {"any preset table", [](const ModelRow& r) { return r.presetTable != 0; }, 0, 3, 4},
    {"preset table 1", presetTableIs(1), 0, 0, 1},
    {"preset table 2", presetTableIs(2), 0, 0, 1},
    {"preset table 3", presetTableIs(3), 0, 1, 1},
    {"preset table 4", presetTableIs(4), 0, 1, 0},
    {"preset table 5", presetTableIs(5), 0, 1, 1},
    {"vendor save", flag(&ModelRow::vendorSave), 0, 7, 6},
    {"long timeout", flag(&ModelRow::longTimeout), 3, 7, 8},
    {"monitor picture", [](const ModelRow& r) { return r.picture != 0; }, 1, 165, 148},
};

}  // namespace

TEST(ModelTable, EveryListHasItsSizeAndBrandSplit) {
    for (const List& list : kTableLists) {
        std::map<uint16_t, int> count;
        for (const ModelRow& row : modelTable()) {
            if (list.member(row)) {
                ++count[vendorOf(row.monitorId)];
            }
        }
        EXPECT_EQ(count[kVendorOem], list.oem) << list.name;
        EXPECT_EQ(count[kVendorQrv], list.qrv) << list.name;
        EXPECT_EQ(count[kVendorTsw], list.tsw) << list.name;
    }
}

TEST(ModelTable, IdsAreUniqueOfTheThreeBrandsFindTheirRowsAndListsAgreeWithEachOther) {
    // The OEM brand's letters, packed as EDID bytes 8 and 9.
    uint8_t byte8 = 0, byte9 = 0;
    veskol::encodeVendor("JKZ", byte8, byte9);
    EXPECT_EQ(kVendorOem, byte9 << 8 | byte8);

    std::set<uint32_t> seen;
    int knownWithoutTechnology = 0;
    for (const ModelRow& row : modelTable()) {
        SCOPED_TRACE(testing::Message() << std::hex << row.monitorId);
        EXPECT_TRUE(seen.insert(row.monitorId).second);
        EXPECT_EQ(&findModel(row.monitorId), &row);
        const bool qrv = vendorOf(row.monitorId) == kVendorQrv;
        const bool tsw = vendorOf(row.monitorId) == kVendorTsw;
        EXPECT_TRUE(qrv || tsw || vendorOf(row.monitorId) == kVendorOem);
        const bool panel = row.technology == kTechnologyFlatPanel;

        // Known = both technology lists and one more QRV model.
        if (row.technology != 0) {
            EXPECT_TRUE(row.known);
        } else if (row.known) {
            EXPECT_TRUE(qrv);
            ++knownWithoutTechnology;
        }
        // Only unlisted models read capabilities, so only there can these
        // two rules take effect.
        EXPECT_TRUE(implies(row.capabilityExempt || row.replacementCapabilities || row.wait300ms,
                            !row.known));
        // Geometry templates belong to tubes, the colour ones to panels.
        EXPECT_TRUE(implies(row.codeTemplate >= 8, panel));
        EXPECT_TRUE(implies(row.codeTemplate != 0 && row.codeTemplate < 8, !panel));
        EXPECT_TRUE(
            implies(row.presetTable != 0, panel && !row.pictureMode && !row.presetsFromOne));
        EXPECT_TRUE(implies(row.fourPreset, tsw && panel));
        // No template holds a black level: the black-level rules need a
        // model whose black levels are read at all.
        EXPECT_TRUE(implies(row.invertedBlackLevel || row.excludedBlackLevel,
                            !row.known || row.codeTemplate == 0));
        EXPECT_FALSE(row.invertedBlackLevel && row.excludedBlackLevel);
        EXPECT_TRUE(implies(row.srgbAt3Label, row.srgbAt3));
        EXPECT_FALSE(row.srgbAt3 && row.srgbAt4);
        EXPECT_EQ(row.srgbAt4, row.presetsFromOne);  // preset 4 is the fourth counted from 1
        // The nudge is vendor query 05, which only vendor-save firmware knows.
        EXPECT_TRUE(implies(row.nudgeAfterSwitch, row.vendorSave));
    }
    EXPECT_EQ(knownWithoutTechnology, 1);
    for (int t = 1; t <= 11; ++t) {
        for (int code : {0x6C, 0x6E, 0x70}) {
            EXPECT_FALSE(codeTemplateContains(t, code, false)) << t;
        }
    }
}

TEST(ModelTable, PicturesAndIllustrationStyles) {
    std::set<int> pictures;
    std::map<int, int> idsPerPicture;
    for (const ModelRow& row : modelTable()) {
        SCOPED_TRACE(testing::Message() << std::hex << row.monitorId);
        EXPECT_EQ(monitorPictureFor(row.monitorId),
                  row.picture ? row.picture : kDefaultMonitorPicture);
        const bool wide = row.picture == 1014 || row.picture == 1026;
        EXPECT_EQ(illustrationStyleFor(row.monitorId), wide ? 2 : 1);
        if (row.picture == 0) {
            EXPECT_EQ(vendorOf(row.monitorId), kVendorOem);  // every QRV and TSW model has one
            continue;
        }
        pictures.insert(row.picture);
        ++idsPerPicture[row.picture];
        // Tubes show a tube, panels a panel.
        const bool tubePicture = row.picture >= 1002 && row.picture <= 1011;
        if (row.technology != 0) {
            EXPECT_EQ(tubePicture, row.technology == kTechnologyCrt);
        }
    }
    std::set<int> expected = {1024, 1025, 1026};
    for (int picture = 1002; picture <= 1020; ++picture) {
        expected.insert(picture);
    }
    EXPECT_EQ(pictures, expected);
    EXPECT_EQ(idsPerPicture[1014], 59);
    EXPECT_EQ(idsPerPicture[1026], 12);

    EXPECT_EQ(monitorPictureFor(0x12345678), kDefaultMonitorPicture);
    EXPECT_EQ(illustrationStyleFor(0x12345678), 1);
}

TEST(ModelTable, FindModelGivesAnUnlistedIdALastingEmptyRowWithTheId) {
    const uint32_t unlisted = kVendorQrv << 16 | 0x7A01;
    const ModelRow& empty = findModel(unlisted);
    EXPECT_EQ(empty.monitorId, unlisted);
    for (const List& list : kTableLists) {
        EXPECT_FALSE(list.member(empty)) << list.name;
    }

    // Another ID, and another thread, leave the first answer as it was.
    EXPECT_EQ(findModel(unlisted + 1).monitorId, unlisted + 1);
    const ModelRow* fromWorker = nullptr;
    std::thread worker([&] { fromWorker = &findModel(unlisted); });
    worker.join();
    EXPECT_EQ(fromWorker, &empty);
    EXPECT_EQ(empty.monitorId, unlisted);
}

TEST(CodeTemplates, HoldExactlyTheirCodes) {
    const std::set<int> base = {0x00, 0x10, 0x12, 0x14, 0x16, 0x18, 0x1A, 0x20,
                                0x22, 0x24, 0x26, 0x28, 0x30, 0x32, 0x38, 0x40,
                                0x42, 0x44, 0x46, 0x48, 0x4A, 0x4C, 0x56};
    auto plus = [](std::set<int> codes, std::initializer_list<int> more) {
        codes.insert(more);
        return codes;
    };
    const std::set<int> panel = {0x04, 0x06, 0x08, 0x10, 0x12, 0x14, 0x1E, 0x54, 0x8A, 0x8C};
    const std::set<int> digitalPanel = {0x04, 0x08, 0x10, 0x12, 0x14, 0x1E, 0x54, 0x8A, 0x8C};
    struct Case {
        int codeTemplate;
        bool digitalInput;
        std::set<int> codes;
    };
    const Case cases[] = {
        {0, false, {}},
        {1, false, base},
        {2, false, plus(base, {0x04, 0x08, 0x3A, 0x3C, 0xB1, 0xE6, 0xE8, 0xE9, 0xEA, 0xEB})},
        {3, false, plus(base, {0x04, 0x06, 0x08})},
        {4, false, plus(base, {0xE8, 0xE9, 0xEA, 0xEB})},
        {5, false, plus(base, {0x04, 0x06, 0x08, 0xE8, 0xE9, 0xEA, 0xEB})},
        {6, true, plus(base, {0x04, 0x06, 0x08, 0x3A, 0x3C, 0xE8, 0xE9, 0xEA, 0xEB})},
        {7, false, {0x06, 0x10, 0x12, 0x14, 0x20, 0x30, 0xB1}},
        {8, false, panel},
        {9, true, plus(panel, {0x20, 0x22, 0x30, 0x32})},
        {10, true, digitalPanel},
        {10, false, plus(digitalPanel, {0x06, 0x20, 0x30})},  // analogue input
        {11, false, digitalPanel},
        {12, false, {}},
    };
    for (const Case& c : cases) {
        std::set<int> held;
        for (int code = 0; code < 0x400; ++code) {  // paged codes are never in a template
            if (codeTemplateContains(c.codeTemplate, code, c.digitalInput)) {
                held.insert(code);
            }
        }
        EXPECT_EQ(held, c.codes) << "template " << c.codeTemplate << " digital " << c.digitalInput;
    }
}

TEST(SimulatedMonitors, SitInTheTableWhereTheirDescriptionsSay) {
    const RowTest listed = flag(&ModelRow::known);
    const RowTest unlisted = [](const ModelRow& r) { return !r.known; };
    const RowTest tube = technologyIs(kTechnologyCrt);
    const RowTest panel = technologyIs(kTechnologyFlatPanel);
    struct Place {
        const char* profile;
        std::vector<RowTest> where;  // all must hold for the profile's row
    };
    const Place places[] = {
        {"qrv-crt", {listed, tube, codeTemplateIs(2)}},
        {"qrv-crt-t1", {listed, tube, codeTemplateIs(1)}},
        {"tsw-crt-t6", {listed, tube, codeTemplateIs(6)}},
        {"qrv-picture-mode", {listed, tube, flag(&ModelRow::pictureMode)}},
        {"qrv-t7-display", {listed, technologyIs(0), codeTemplateIs(7)}},
        {"tsw-lcd-p1", {listed, panel, presetTableIs(1), flag(&ModelRow::fourPreset)}},
        {"tsw-lcd-p2", {listed, panel, presetTableIs(2), flag(&ModelRow::nudgeAfterSwitch)}},
        {"qrv-lcd-p3", {listed, panel, presetTableIs(3)}},
        {"qrv-lcd-p4", {listed, panel, presetTableIs(4), flag(&ModelRow::saveBeforeSwitch)}},
        {"tsw-lcd-p5",
         {listed, panel, presetTableIs(5), codeTemplateIs(0), flag(&ModelRow::saveBeforeSwitch),
          flag(&ModelRow::longSwitchDelay)}},
        {"tsw-four-preset",
         {listed, panel, presetTableIs(0), flag(&ModelRow::fourPreset),
          flag(&ModelRow::presetsFromOne), flag(&ModelRow::srgbAt4),
          flag(&ModelRow::nudgeAfterSwitch)}},
        {"qrv-300ms", {unlisted, flag(&ModelRow::wait300ms)}},
        {"qrv-inverted-black", {unlisted, flag(&ModelRow::invertedBlackLevel)}},
        {"qrv-vendor-save", {unlisted, flag(&ModelRow::vendorSave)}},
        {"tsw-replacement-caps",
         {unlisted, flag(&ModelRow::replacementCapabilities), flag(&ModelRow::excludedBlackLevel)}},
        {"tsw-replacement-fw301", {flag(&ModelRow::replacementCapabilities)}},
        {"tsw-rich-caps",
         {unlisted,
          [](const ModelRow& r) { return r.picture == 1014 && r.illustrationStyle == 2; }}},
        {"qrv-no-caps", {unlisted, codeTemplateIs(0)}},
        {"qrv-unsupported", {unlisted}},
        {"qrv-caps-exempt", {unlisted, flag(&ModelRow::capabilityExempt), codeTemplateIs(1)}},
    };
    for (const Place& place : places) {
        const ModelRow& row = findModel(monitorIdOf(profileNamed(place.profile)));
        for (size_t i = 0; i < place.where.size(); ++i) {
            EXPECT_TRUE(place.where[i](row)) << place.profile << " condition " << i + 1;
        }
    }
    // The monitors the program must drive by their capabilities without any
    // rule of the table, and the other maker's, have no row.
    for (const char* name : {"tsw-lcd", "paged-busy", "other-vendor"}) {
        const uint32_t id = monitorIdOf(profileNamed(name));
        for (const ModelRow& row : modelTable()) {
            EXPECT_NE(row.monitorId, id) << name;
        }
    }
}

TEST(SimulatedMonitors, HaveWhatTheirRowsAskOf) {
    const std::map<int, std::set<int>> presetTables = {
        {1, {1, 2, 11, 12}},     {2, {0, 1, 2, 3}},       {3, {2, 4, 5, 6, 7, 8}},
        {4, {1, 2, 4, 6, 7, 8}}, {5, {1, 2, 4, 6, 7, 8}},
    };
    int replacementStrings = 0;
    for (const veskol::MonitorProfile& profile : veskol::builtInProfiles()) {
        SCOPED_TRACE(profile.name);
        const ModelRow& row = findModel(monitorIdOf(profile));
        // Saving must reach the monitor's memory the way the program sends it.
        EXPECT_EQ(profile.vendorSave, row.vendorSave);

        // A listed monitor answers every code of its template.
        for (int code = 0; code < 0x100 && row.known; ++code) {
            if (codeTemplateContains(row.codeTemplate, code, profile.edid.digitalInput)) {
                const veskol::VcpDef* def = controlOf(profile, code);
                EXPECT_TRUE(def && !def->unsupported) << std::hex << code;
            }
        }
        const veskol::VcpDef* preset = controlOf(profile, 0x14);
        if (row.presetTable != 0) {
            ASSERT_NE(preset, nullptr);
            const std::set<int>& values = presetTables.at(row.presetTable);
            EXPECT_LE(*values.rbegin(), preset->maximum);
            EXPECT_EQ(values.count(preset->value), 1u) << "factory preset " << preset->value;
        }
        if (row.fourPreset && row.presetsFromOne) {
            ASSERT_NE(preset, nullptr);
            EXPECT_EQ(preset->maximum, 4);
        }
        if (row.pictureMode) {
            const veskol::VcpDef* mode = controlOf(profile, 0xD8);
            ASSERT_NE(mode, nullptr);
            EXPECT_EQ(mode->maximum, 5);
        }
        // The monitor's own slowness is what the program's waits are for:
        // shorter than the wait, longer than the usual one.
        for (const veskol::WriteSettle& settle : profile.writeSettles) {
            if (settle.code == 0x14) {
                EXPECT_TRUE(row.longSwitchDelay);
                EXPECT_GT(settle.busyMs, 800);
                EXPECT_LT(settle.busyMs, 2000);
            } else {
                EXPECT_TRUE(row.wait300ms);
                EXPECT_LT(settle.busyMs, 300);
            }
        }
        const bool reports300 =
            profile.capabilities && std::strstr(profile.capabilities, "mpu_ver(3.0.0)");
        if (reports300 && row.replacementCapabilities) {
            ++replacementStrings;
        }
    }
    EXPECT_EQ(replacementStrings, 1);
}
