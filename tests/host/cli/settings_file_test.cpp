// The settings file of /dump and /load: written, read back, and refused
// when it cannot be trusted.
#include <gtest/gtest.h>

#include "cli/dump_file.h"

namespace {

std::string refusal(std::string_view text) {
    SettingsFile file;
    file.serial = "untouched";
    std::string error;
    EXPECT_EQ(parseSettingsFile(text, file, error), -1) << text;
    EXPECT_EQ(file.serial, "untouched");
    return error;
}

}  // namespace

TEST(SettingsFile, RoundTripKeepsEveryRecordInOrder) {
    SettingsFile file;
    file.monitorId = 0x56462017;
    file.serial = "QV7A 012345";
    file.records = {{0x14, 5, 11}, {0x10, 0, 100}, {0x6C, 255, 255}, {0x023B, 65535, 65535}};
    const std::string text =
        formatSettingsFile(file, "1. QRVモニター (QRV G17)", "2026-12-07 21:30 UTC");
    EXPECT_NE(text.find("# Lumetra: the settings of 1. QRVモニター (QRV G17)\n"),
              std::string::npos);
    EXPECT_NE(text.find("# written 2026-12-07 21:30 UTC\n"), std::string::npos);
    EXPECT_NE(text.find("\nmonitor-id 56462017\n"), std::string::npos);
    EXPECT_NE(text.find("\np02:3B 65535 65535\n"), std::string::npos);

    SettingsFile back;
    std::string error;
    ASSERT_EQ(parseSettingsFile(text, back, error), 0) << error;
    EXPECT_EQ(back.monitorId, file.monitorId);
    EXPECT_EQ(back.serial, file.serial);
    ASSERT_EQ(back.records.size(), file.records.size());
    for (size_t i = 0; i < file.records.size(); ++i) {
        EXPECT_EQ(back.records[i].code, file.records[i].code);
        EXPECT_EQ(back.records[i].value, file.records[i].value);
        EXPECT_EQ(back.records[i].maximum, file.records[i].maximum);
    }

    // Edited by hand on Windows: a byte-order mark, CR LF, tabs, blank lines.
    ASSERT_EQ(parseSettingsFile("\xEF\xBB\xBFmonitor-id 77524c20\r\n\r\n  # note\r\n10\t7\t100\r\n",
                                back, error),
              0)
        << error;
    EXPECT_EQ(back.monitorId, 0x77524C20u);
    ASSERT_EQ(back.records.size(), 1u);
    EXPECT_EQ(back.records[0].value, 7);
}

TEST(SettingsFile, UntrustworthyFilesAreRefusedWithTheirLine) {
    EXPECT_EQ(refusal("10 5 100\n"), "no monitor-id line");
    EXPECT_EQ(refusal("monitor-id xyz\n"), "line 1: monitor-id needs eight hexadecimal digits");
    EXPECT_EQ(refusal("monitor-id 123456789\n"),
              "line 1: monitor-id needs eight hexadecimal digits");
    EXPECT_EQ(refusal("monitor-id 56462017\n# c\n10 5\n"), "line 3: expected CODE VALUE MAXIMUM");
    EXPECT_EQ(refusal("monitor-id 56462017\nzz 5 100\n"), "line 2: expected CODE VALUE MAXIMUM");
    EXPECT_EQ(refusal("monitor-id 56462017\n10 101 100\n"), "line 2: value above its maximum");
    EXPECT_EQ(refusal("monitor-id 56462017\n10 1 100\n0x10 2 100\n"),
              "line 3: code 10 given twice");
    // A factory reset must never hide in a settings file.
    EXPECT_EQ(refusal("monitor-id 56462017\n04 1 1\n"),
              "line 2: code 04 is an action, not a setting");
}
