#include "link/bus_transport.h"

#include "tests/host/link/link_fixture.h"

using TransportTest = LinkTest;

TEST_F(TransportTest, FramesMessagesWithSourceLengthAndChecksumAndRefusesTooLongOnes) {
    BusTransport& transport = link.transport();
    ASSERT_GE(transport.writeFrame(nullptr, 0), 0);
    const uint8_t getBrightness[] = {0x01, 0x10};
    ASSERT_GE(transport.writeFrame(getBrightness, 2), 0);
    uint8_t big[121] = {};
    EXPECT_EQ(transport.writeFrame(big, 121), kErrTooLong);  // sends nothing
    EXPECT_EQ(transport.readFrame(big, 121), kErrTooLong);
    EXPECT_EQ(bus.readCount, 0);

    ASSERT_EQ(bus.writes.size(), 2u);
    EXPECT_EQ(bus.writes[0].address, 0x6E);
    EXPECT_EQ(bus.writes[0].bytes, (Bytes{0x51, 0x80, 0xBF}));
    EXPECT_EQ(bus.writes[1].bytes, (Bytes{0x51, 0x82, 0x01, 0x10, 0xAC}));
}

// A good reply's payload is what lies between its length byte and checksum.
TEST_F(TransportTest, ChecksReplies) {
    struct Case {
        const char* what;
        Bytes raw;
        int capacity;
        int result;
    };
    const Case cases[] = {
        {"null message", {0x6E, 0x80, 0xBE}, 8, 0},
        {"normal reply", ScriptedDevice::frame({0x02, 0x00, 0x10}), 8, 3},
        {"source 0x51 still summed with 0x50", {0x51, 0x81, 0x07, 0x50 ^ 0x51 ^ 0x81 ^ 0x07}, 8, 1},
        {"length bit 7 is not checked", {0x6E, 0x01, 0x07, 0x50 ^ 0x6E ^ 0x01 ^ 0x07}, 8, 1},
        {"bad source", {0x6F, 0x80, 0x50 ^ 0x6F ^ 0x80}, 8, kErrBadSource},
        {"checksum wrong", {0x6E, 0x81, 0x07, 0x00}, 8, kErrChecksum},
        {"longer than the capacity, checksum right", ScriptedDevice::frame({1, 2, 3, 4}), 3,
         kErrLength},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus.queueRaw(c.raw);
        uint8_t payload[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        EXPECT_EQ(link.transport().readFrame(payload, c.capacity), c.result);
        if (c.result >= 0) {
            EXPECT_EQ(Bytes(payload, payload + c.result),
                      Bytes(c.raw.begin() + 2, c.raw.begin() + 2 + c.result));
        } else {
            EXPECT_EQ(payload[0], 0xEE) << "payload written on failure";
        }
    }
}

TEST_F(TransportTest, PassesLibraryErrorsUpAndMakesGoodReadsPositive) {
    bus.queueReadError(-7);
    uint8_t payload[8];
    EXPECT_EQ(link.transport().readFrame(payload, 8), -7);

    bus.failWrites(-9, 1);
    EXPECT_EQ(link.transport().writeFrame(payload, 1), -9);

    bus.setEdid(Bytes(128, 0x11));
    uint8_t block[128];
    EXPECT_EQ(link.transport().readRegister(block, 0xA0, 0, 128), 1);
    ASSERT_EQ(bus.writes.back().address, 0xA0);
    EXPECT_EQ(bus.writes.back().bytes, Bytes{0x00});
    EXPECT_EQ(block[5], 0x11);

    bus.failWrites(-8, 1);
    EXPECT_EQ(link.transport().readRegister(block, 0xA0, 0, 128), -8);
}
