#include <cstring>
#include <numeric>
#include <string>

#include "tests/host/veskol/sim_fixture.h"
#include "veskol/sim/monitor_profile.h"

TEST_F(SimulatorTest, ListsOneInterfacePerProfileAndDescribesThem) {
    VeskolSimConfigure("qrv-crt,no-such-monitor,other-vendor", nullptr, nullptr);
    EXPECT_EQ(GetNumDisplayInterfaces(), 3u);

    DisplayInterfaceInfo info;
    std::memset(&info, 'W', sizeof info);  // left over: cleared, never the tag
    info.size = 96;
    ASSERT_EQ(GetDisplayInterfaceInfo(0, &info), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(&info) + 41, "VESKOL Simulated DDC/CI");
    // A raw bus: the link keeps its own waits.
    EXPECT_EQ(info.reserved1[0] | info.reserved1[1] | info.reserved1[2] | info.reserved1[3], 0);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&info)[93], 0);

    // An unknown profile: the info call fails, so the program skips it, and
    // the inspection API says why.
    info.size = 96;
    EXPECT_NE(GetDisplayInterfaceInfo(1, &info), 0);
    char profile[32], error[80];
    EXPECT_EQ(VeskolSimInterfaceStatus(1, profile, sizeof profile, error, sizeof error), 1);
    EXPECT_STREQ(profile, "no-such-monitor");
    EXPECT_STREQ(error, "unknown profile 'no-such-monitor'");
    const Bytes frame = request({0x01, 0x10});
    EXPECT_LT(send(1, frame), 0);

    info.size = 95;  // callers must announce the record's size
    EXPECT_NE(GetDisplayInterfaceInfo(0, &info), 0);
    info.size = 96;
    EXPECT_NE(GetDisplayInterfaceInfo(3, &info), 0);
    EXPECT_EQ(VeskolSimInterfaceStatus(3, nullptr, 0, nullptr, 0), -1);
}

// What the program's monitor list must honour and pass can be set up and
// read back: the skip flag, the enumeration's arguments and the transfer
// parameter of every transfer.
TEST_F(SimulatorTest, FlagsSkippedInterfacesAndRecordsTheArgumentsItReceives) {
    VeskolSimConfigure("qrv-crt:skip,qrv-crt:hidden,tsw-lcd", nullptr, nullptr);
    char profile[32], error[80];
    struct Case {
        int status;  // of VeskolSimInterfaceStatus
        const char* error;
        uint8_t skip;
    };
    const Case cases[] = {{0, "", 1}, {1, "unknown option 'hidden'", 0}, {0, "", 0}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(VeskolSimInterfaceStatus(i, profile, sizeof profile, error, sizeof error),
                  cases[i].status);
        EXPECT_STREQ(error, cases[i].error);
        DisplayInterfaceInfo info{};
        info.size = 96;
        EXPECT_EQ(GetDisplayInterfaceInfo(i, &info) == 0, cases[i].status == 0) << i;
        EXPECT_EQ(reinterpret_cast<const uint8_t*>(&info)[93], cases[i].skip) << i;
    }
    EXPECT_STREQ(profile, "tsw-lcd");

    int mode = -1, selector = -1;
    EXPECT_EQ(VeskolSimEnumerateCalls(&mode, &selector), 0);
    (void)EnumerateInterfaces(1, 3);
    (void)EnumerateInterfaces(5, 7);
    EXPECT_EQ(VeskolSimEnumerateCalls(&mode, &selector), 2);
    EXPECT_EQ(mode, 5);
    EXPECT_EQ(selector, 7);

    // Refused transfers count too: the program must not even try them.
    const Bytes frame = request({0x01, 0x10});
    uint8_t raw[16];
    EXPECT_EQ(send(0, frame), 0);  // the skipped interface still answers
    EXPECT_EQ(I2C_READ(0, 0x6F, raw, 11, 77), 0);
    EXPECT_LT(send(1, frame), 0);
    EXPECT_EQ(VeskolSimTransferCount(0), 2);
    EXPECT_EQ(VeskolSimTransferParameterCount(0, 10000), 1);
    EXPECT_EQ(VeskolSimTransferParameterCount(0, 77), 1);
    EXPECT_EQ(VeskolSimTransferCount(1), 1);
    EXPECT_EQ(VeskolSimTransferCount(2), 0);
    EXPECT_EQ(VeskolSimTransferCount(3), -1);

    VeskolSimConfigure("qrv-crt", nullptr, nullptr);  // a new record
    EXPECT_EQ(VeskolSimEnumerateCalls(nullptr, nullptr), 0);
    EXPECT_EQ(VeskolSimTransferCount(0), 0);
}

TEST_F(SimulatorTest, EveryBuiltInProfileHasAValidEdidAndAnswersBrightness) {
    for (const veskol::MonitorProfile& p : veskol::builtInProfiles()) {
        VeskolSimConfigure(p.name, nullptr, nullptr);
        const uint8_t offset = 0;
        ASSERT_EQ(I2C_WRITE(0, 0xA0, &offset, 1, 10000), 0);
        uint8_t edid[128];
        ASSERT_EQ(I2C_READ(0, 0xA1, edid, 128, 10000), 0);
        EXPECT_EQ(std::accumulate(edid, edid + 128, 0) % 256, 0) << p.name;  // checksum
        EXPECT_EQ(edid[0], 0x00) << p.name;
        EXPECT_EQ(edid[1], 0xFF) << p.name;
        EXPECT_EQ(edid[10] | edid[11] << 8, p.edid.productCode) << p.name;
        const Bytes reply = ask(0, {0x01, 0x10});
        ASSERT_EQ(reply.size(), 8u) << p.name;
        EXPECT_EQ(reply[0], 0x02) << p.name;
    }
}

TEST_F(SimulatorTest, RepliesAreNullMessagesUntilTheyAreReadyAndAreReadOnce) {
    VeskolSimConfigure("qrv-crt,paged-busy", nullptr, nullptr);
    ASSERT_EQ(send(0, request({0x01, 0x10})), 0);
    EXPECT_TRUE(receive(0).empty());  // at once: not ready yet
    clock.sleep(39);
    EXPECT_TRUE(receive(0).empty());
    clock.sleep(1);
    // The reply waited for the host, and is read once.
    EXPECT_EQ(receive(0), (Bytes{0x02, 0x00, 0x10, 0x00, 0x00, 100, 0x00, 50}));
    EXPECT_TRUE(receive(0).empty());

    // A busy paged set: three polls read nothing, the fourth its reply.
    ASSERT_EQ(send(1, request({0xC8, 0x02, 0x03, 0x00, 0x2A})), 0);
    clock.sleep(50);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(receive(1).empty()) << "poll " << i;
    }
    EXPECT_EQ(receive(1), (Bytes{0xC7, 0x00, 0x02, 0x03, 0x00, 0x00, 0xFF, 0x00, 0x2A}));
    EXPECT_EQ(value(1, 0x0203), 0x2A);
    EXPECT_EQ(ask(1, {0xC6, 0x02, 0x09}),  // a code the monitor does not have
              (Bytes{0xC7, 0x01, 0x02, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(SimulatorTest, FramesThatFailTheirChecksAreIgnored) {
    VeskolSimConfigure("qrv-crt", nullptr, nullptr);
    Bytes bad = request({0x03, 0x10, 0x00, 0x07});
    bad.back() ^= 1;
    ASSERT_EQ(send(0, bad), 0);
    Bytes wrongSource = request({0x03, 0x10, 0x00, 0x07});
    wrongSource[0] = 0x50;
    ASSERT_EQ(send(0, wrongSource), 0);
    EXPECT_EQ(value(0, 0x10), 50);

    ASSERT_EQ(send(0, request({0x03, 0x10, 0x00, 0x07})), 0);
    EXPECT_EQ(value(0, 0x10), 7);
    ASSERT_EQ(send(0, request({0x03, 0x10, 0x01, 0x00})), 0);  // above the maximum
    EXPECT_EQ(value(0, 0x10), 100);
}

TEST_F(SimulatorTest, CapabilitiesComeInFragmentsOf32TextBytes) {
    VeskolSimConfigure("qrv-crt", nullptr, nullptr);
    const std::string caps = veskol::findProfile("qrv-crt")->capabilities;
    std::string text;
    for (int offset = 0;; offset += 32) {
        const Bytes reply =
            ask(0, {0xF3, static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset)}, 35);
        ASSERT_GE(reply.size(), 3u);
        EXPECT_EQ(reply[0], 0xE3);
        EXPECT_EQ(reply[1] << 8 | reply[2], offset);
        if (reply.size() == 3) {
            break;
        }
        EXPECT_TRUE(reply.size() == 35 || offset + 32 >= static_cast<int>(caps.size()));
        text.append(reply.begin() + 3, reply.end());
    }
    EXPECT_EQ(text, caps);
}

TEST_F(SimulatorTest, ActionsKeepTheMonitorBusyAndChangeWhatTheyReset) {
    VeskolSimConfigure("qrv-crt", nullptr, nullptr);
    ASSERT_EQ(send(0, request({0x03, 0x20, 0x00, 0x10})), 0);  // horizontal position
    ASSERT_EQ(send(0, request({0x03, 0x12, 0x00, 0x10})), 0);  // contrast
    ASSERT_EQ(send(0, request({0x03, 0x06, 0x00, 0x01})), 0);  // restore geometry
    EXPECT_EQ(value(0, 0x20), 50);
    EXPECT_EQ(value(0, 0x12), 0x10);

    EXPECT_LT(send(0, request({0x01, 0x10})), 0);  // busy: not acknowledged
    clock.sleep(1499);
    EXPECT_LT(send(0, request({0x01, 0x10})), 0);
    clock.sleep(1);
    EXPECT_EQ(ask(0, {0x01, 0x10}).size(), 8u);

    ASSERT_EQ(send(0, request({0x03, 0x24, 0x00, 0x0A})), 0);  // pincushion
    ASSERT_EQ(send(0, request({0x03, 0xB1, 0x00, 0x01})), 0);  // automatic geometry
    EXPECT_EQ(value(0, 0x24), 50);
    ASSERT_EQ(send(0, request({0x03, 0x1E, 0x00, 0x01})), -2);  // busy again
}

TEST_F(SimulatorTest, FramesAreLoggedToTheFileAsTheyCrossTheBus) {
    const std::string path = ::testing::TempDir() + "veskol-frames.log";
    std::remove(path.c_str());
    VeskolSimConfigure("qrv-crt", nullptr, path.c_str());
    clock.sleep(12);
    ASSERT_EQ(send(0, request({0x01, 0x10})), 0);
    clock.sleep(50);
    (void)receive(0, 8);
    VeskolSimConfigure("qrv-crt", nullptr, nullptr);  // closes the file

    std::FILE* file = std::fopen(path.c_str(), "r");
    ASSERT_NE(file, nullptr);
    char line1[200] = {}, line2[200] = {};
    ASSERT_NE(std::fgets(line1, sizeof line1, file), nullptr);
    ASSERT_NE(std::fgets(line2, sizeof line2, file), nullptr);
    std::fclose(file);
    // The log's clock starts when the library is loaded; compare the rest.
    EXPECT_STREQ(std::strchr(line1, ' '), " W 0 6E 51 82 01 10 AC\n");
    EXPECT_STREQ(std::strchr(line2, ' '), " R 0 6F 6E 88 02 00 10 00 00 64 00 32 F2\n");
    EXPECT_EQ(std::atoi(line2) - std::atoi(line1), 50);
    char frame[200];
    EXPECT_EQ(VeskolSimFrameCount(), 0);  // reconfiguring starts a new record
    EXPECT_EQ(VeskolSimFrame(0, frame, sizeof frame), -1);
}
