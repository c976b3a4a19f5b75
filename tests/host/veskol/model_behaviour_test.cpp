// The per-model behaviours of the simulated monitors: presets that recall
// their settings, writes that keep a monitor busy, the vendor save, the
// "unsupported" answer and a monitor without capabilities.
#include "tests/host/veskol/sim_fixture.h"

namespace {

Bytes setVcp(int code, int value) {
    return request({0x03, static_cast<uint8_t>(code), static_cast<uint8_t>(value >> 8),
                    static_cast<uint8_t>(value)});
}

}  // namespace

TEST_F(SimulatorTest, SelectingAPresetRecallsItsSettings) {
    VeskolSimConfigure("tsw-four-preset,qrv-picture-mode", nullptr, nullptr);
    ASSERT_EQ(send(0, setVcp(0x16, 100)), 0);  // the user's red gain in preset 2
    ASSERT_EQ(send(0, setVcp(0x14, 4)), 0);    // sRGB
    EXPECT_EQ(value(0, 0x14), 4);
    EXPECT_EQ(value(0, 0x10), 60);
    EXPECT_EQ(value(0, 0x16), 240);
    EXPECT_EQ(value(0, 0x1A), 232);
    ASSERT_EQ(send(0, setVcp(0x14, 1)), 0);
    EXPECT_EQ(value(0, 0x16), 255);
    EXPECT_EQ(value(0, 0x10), 60);  // a preset recalls only what it holds

    // A picture mode selects the preset one below it, with its own settings.
    ASSERT_EQ(send(1, setVcp(0xD8, 4)), 0);
    EXPECT_EQ(value(1, 0xD8), 4);
    EXPECT_EQ(value(1, 0x14), 3);
    EXPECT_EQ(value(1, 0x10), 45);
    EXPECT_EQ(value(1, 0x18), 235);
    ASSERT_EQ(send(1, setVcp(0x14, 0)), 0);  // the preset code itself recalls nothing here
    EXPECT_EQ(value(1, 0xD8), 4);
    EXPECT_EQ(value(1, 0x10), 45);
}

TEST_F(SimulatorTest, SlowWritesKeepTheMonitorBusy) {
    VeskolSimConfigure("qrv-300ms,tsw-lcd-p5", nullptr, nullptr);
    ASSERT_EQ(send(0, setVcp(0x10, 40)), 0);  // brightness: no wait needed
    ASSERT_EQ(send(0, setVcp(0x18, 200)), 0);
    EXPECT_EQ(value(0, 0x18), 200);
    EXPECT_LT(send(0, setVcp(0x1A, 200)), 0);  // recomputing its colour tables
    clock.sleep(249);
    EXPECT_LT(send(0, request({0x01, 0x10})), 0);
    clock.sleep(1);
    EXPECT_EQ(ask(0, {0x01, 0x10}).size(), 8u);
    EXPECT_EQ(value(0, 0x1A), 230);  // the refused write changed nothing

    ASSERT_EQ(send(1, setVcp(0x14, 4)), 0);
    clock.sleep(800);
    EXPECT_LT(send(1, request({0x01, 0x16})), 0);  // still switching
    clock.sleep(700);
    EXPECT_EQ(ask(1, {0x01, 0x16}).size(), 8u);
}

TEST_F(SimulatorTest, VendorSaveIsQuery06Then05AndOtherVendorQueriesAreAnswered) {
    VeskolSimConfigure("qrv-vendor-save,qrv-crt", nullptr, nullptr);
    ASSERT_EQ(send(0, setVcp(0x12, 33)), 0);
    ASSERT_EQ(send(0, request({0x0C})), 0);  // ignored by this monitor
    EXPECT_EQ(VeskolSimSaveCount(0), 0);
    EXPECT_EQ(ask(0, {0xC0, 0x05}), (Bytes{0xC1, 0x05, 0x00}));  // 05 alone: a nudge
    EXPECT_EQ(VeskolSimSaveCount(0), 0);
    EXPECT_EQ(ask(0, {0xC0, 0x06}), (Bytes{0xC1, 0x06, 0x00}));
    EXPECT_EQ(ask(0, {0xC0, 0x05}), (Bytes{0xC1, 0x05, 0x00}));
    EXPECT_EQ(VeskolSimSaveCount(0), 1);
    EXPECT_EQ(saved(0, 0x12), 33);

    // Without the vendor save the same queries store nothing.
    ASSERT_EQ(send(1, setVcp(0x12, 33)), 0);
    (void)ask(1, {0xC0, 0x06});
    (void)ask(1, {0xC0, 0x05});
    EXPECT_EQ(VeskolSimSaveCount(1), 0);
    EXPECT_EQ(ask(1, {0xC0, 0x14}), (Bytes{0xC1, 0x14, 0x21}));
    EXPECT_TRUE(ask(1, {0xC0, 0x77}).empty());  // unknown sub-code: no answer
    EXPECT_EQ(ask(1, {0x07}).size(), 6u);       // the timing report
}

TEST_F(SimulatorTest, UnsupportedCodesAndMissingCapabilities) {
    VeskolSimConfigure("qrv-unsupported,qrv-no-caps", nullptr, nullptr);
    EXPECT_EQ(ask(0, {0x01, 0x10}), (Bytes{0x02, 0x01, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(ask(0, {0x01, 0x12}), (Bytes{0x02, 0x00, 0x12, 0x00, 0x00, 100, 0x00, 50}));
    ASSERT_EQ(send(0, setVcp(0x10, 10)), 0);
    EXPECT_EQ(value(0, 0x10), 60);  // not taken either

    EXPECT_TRUE(ask(1, {0xF3, 0x00, 0x00}, 35).empty());
    EXPECT_EQ(ask(1, {0x01, 0x10}).size(), 8u);
}
