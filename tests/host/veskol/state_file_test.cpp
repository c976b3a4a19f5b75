#include "veskol/sim/state_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/host/veskol/sim_fixture.h"

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class StateFileTest : public SimulatorTest {
  protected:
    // One file per test: CTest runs the tests of this suite in parallel.
    const std::string path = ::testing::TempDir() + "veskol-state-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                             ".txt";
    StateFileTest() {
        std::remove(path.c_str());
        std::remove((path + ".tmp").c_str());
    }
    // A new "process": the library starts again and reads the file.
    void restart(const char* profiles = "qrv-crt,tsw-lcd") {
        VeskolSimConfigure(profiles, path.c_str(), nullptr);
    }
    void setAndSave(int index, int code, int value) {
        ASSERT_EQ(send(index,
                       request({0x03, static_cast<uint8_t>(code), 0, static_cast<uint8_t>(value)})),
                  0);
        ASSERT_EQ(send(index, request({0x0C})), 0);
    }
};

}  // namespace

TEST_F(StateFileTest, SavedSettingsSurviveARestartAndUnsavedOnesDoNot) {
    restart();
    setAndSave(0, 0x12, 33);
    ASSERT_EQ(send(0, request({0x03, 0x10, 0x00, 0x05})), 0);  // set, never saved
    setAndSave(1, 0x10, 90);

    restart();
    EXPECT_EQ(value(0, 0x12), 33);
    EXPECT_EQ(saved(0, 0x12), 33);
    EXPECT_EQ(value(0, 0x10), 50);  // factory: the change was not saved
    EXPECT_EQ(value(1, 0x10), 90);

    // Another monitor on interface 0 does not inherit the first one's values.
    restart("tsw-lcd,qrv-crt");
    EXPECT_EQ(value(0, 0x10), 75);
    EXPECT_EQ(value(1, 0x12), 80);
    EXPECT_EQ(saved(1, 0x12), -1);
}

TEST_F(StateFileTest, FileIsPlainTextOneValueALine) {
    restart("paged-busy");
    ASSERT_EQ(send(0, request({0xC8, 0x02, 0x01, 0x00, 0x11})), 0);
    ASSERT_EQ(send(0, request({0x0C})), 0);
    const std::string text = readAll(path);
    EXPECT_NE(text.find("\n0 paged-busy 0010 40\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n0 paged-busy 0201 17\n"), std::string::npos) << text;
    EXPECT_EQ(text[0], '#');
    EXPECT_FALSE(std::ifstream(path + ".tmp").good()) << "temporary file left behind";
}

TEST_F(StateFileTest, LinesOfMonitorsNotPresentAreKeptWhenSaving) {
    writeAll(path, "# kept\n5 tsw-lcd 0010 12\n");
    restart("qrv-crt");
    setAndSave(0, 0x12, 40);
    const std::string text = readAll(path);
    EXPECT_NE(text.find("5 tsw-lcd 0010 12\n"), std::string::npos) << text;
    EXPECT_NE(text.find("0 qrv-crt 0012 40\n"), std::string::npos) << text;
}

TEST_F(StateFileTest, BadFilesMeanFactorySettingsNeverAPartialApply) {
    struct Case {
        const char* what;
        std::string text;
        int contrast;    // qrv-crt 0x12 after start (factory 80)
        int brightness;  // tsw-lcd 0x10 after start (factory 75)
    };
    const Case cases[] = {
        {"good", "0 qrv-crt 0012 33\n1 tsw-lcd 0010 90\n", 33, 90},
        {"comments and blank lines", "# c\n\n0 qrv-crt 0012 33\n# 1 tsw-lcd 0010 1\n", 33, 75},
        {"cut short (no final line break)", "0 qrv-crt 0012 33\n1 tsw-lcd 0010 9", 80, 75},
        {"garbage line", "0 qrv-crt 0012 33\nxx\n1 tsw-lcd 0010 90\n", 80, 75},
        {"two spaces", "0 qrv-crt  0012 33\n", 80, 75},
        {"code not four digits", "0 qrv-crt 12 33\n", 80, 75},
        {"negative value", "0 qrv-crt 0012 -3\n", 80, 75},
        {"value above 65535", "0 qrv-crt 0012 70000\n", 80, 75},
        {"binary junk", std::string("\x01\xFF\x00zz\n", 6), 80, 75},
        // A value the monitor cannot hold drops that monitor's set only.
        {"value above the control's maximum",
         "0 qrv-crt 0012 33\n0 qrv-crt 0010 101\n1 tsw-lcd 0010 90\n", 80, 90},
        {"code the monitor does not have", "0 qrv-crt 0012 33\n0 qrv-crt 0099 1\n", 80, 75},
        {"empty file", "", 80, 75},
    };
    for (const Case& c : cases) {
        writeAll(path, c.text);
        restart();
        EXPECT_EQ(value(0, 0x12), c.contrast) << c.what;
        EXPECT_EQ(value(1, 0x10), c.brightness) << c.what;
    }
    std::remove(path.c_str());
    restart();  // missing file
    EXPECT_EQ(value(0, 0x12), 80);
}

TEST_F(StateFileTest, ACorruptFileIsReplacedWholeAtTheNextSave) {
    writeAll(path, "0 qrv-crt 0012 33\n1 tsw-lcd 00");
    restart();
    setAndSave(1, 0x10, 91);
    veskol::SavedState state;
    ASSERT_TRUE(veskol::parseState(readAll(path), state));
    EXPECT_EQ(state.size(), 1u);
    EXPECT_EQ((state[{1, "tsw-lcd"}][0x10]), 91);
}

TEST_F(StateFileTest, WhatIsReadIsWrittenBackReadably) {
    veskol::SavedState state;
    state[{0, "qrv-crt"}] = {{0x10, 0}, {0x12, 65535}};
    state[{12, "x"}] = {{0xFF02, 7}};
    state[{3, std::string(200, 'n')}] = {{0x10, 1}};  // a long name is kept whole
    veskol::SavedState back;
    ASSERT_TRUE(veskol::parseState(veskol::formatState(state), back));
    EXPECT_EQ(back, state);
    // A profile name is written back as it stands: a NUL in it would cut its
    // line short and the next start would read no saved value at all. Names
    // are visible ASCII, so a file with any other byte in one is refused.
    for (const std::string& bad : {std::string("0 qrv-crt 0012 33\n2 a\0b 0010 1\n", 31),
                                   std::string("0 qrv-crt 0012 33\n2 a\x01"
                                               "b 0010 1\n"),
                                   std::string("0 qrv\x7F 0012 33\n")}) {
        EXPECT_FALSE(veskol::parseState(bad, back)) << bad;
        EXPECT_TRUE(back.empty());
    }
}
