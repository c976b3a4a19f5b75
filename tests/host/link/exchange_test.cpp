#include <algorithm>
#include <functional>

#include "link/display_interface.h"
#include "tests/host/link/link_fixture.h"
#include "veskol/simulator_api.h"

namespace {

const uint8_t kGetBrightness[] = {0x01, 0x10};

class ExchangeTest : public LinkTest {
  protected:
    // Sized to what each call asks for, so the sanitizer sees any byte
    // written past it; 0xEE shows what was not written at all.
    std::vector<uint8_t> reply;
    int length = 0;

    void prepareReply(int capacity) {
        reply = std::vector<uint8_t>(static_cast<size_t>(std::max(capacity, 1)), 0xEE);
        length = capacity;
    }
    // A brightness request and its reply of up to `capacity` bytes.
    int askBrightness(bool nullIsError = true, int capacity = 8) {
        prepareReply(capacity);
        return link.exchangeWriteRead(kGetBrightness, 2, reply.data(), length, nullIsError, 50);
    }
    // A reply read without a request.
    int readReply(int capacity) {
        prepareReply(capacity);
        return link.exchangeRead(reply.data(), length, 50);
    }
};

}  // namespace

TEST_F(ExchangeTest, RejectsBadLengthsBeforeTouchingTheBus) {
    const uint8_t big[121] = {0x01};
    EXPECT_EQ(link.exchangeWrite(big, 121, 50), kErrTooLong);
    prepareReply(8);
    EXPECT_EQ(link.exchangeWriteRead(big, 121, reply.data(), length, true, 50), kErrTooLong);
    EXPECT_EQ(link.exchangeWriteRead(kGetBrightness, 0, reply.data(), length, true, 50),
              kErrLength);
    EXPECT_EQ(askBrightness(true, 121), kErrTooLong);
    EXPECT_EQ(askBrightness(true, 0), kErrLength);
    EXPECT_EQ(readReply(0), kErrLength);
    EXPECT_EQ(readReply(121), kErrTooLong);

    EXPECT_TRUE(bus.writes.empty());
    EXPECT_EQ(bus.readCount, 0);
    EXPECT_EQ(clock.waitCount(), 0);
}

TEST_F(ExchangeTest, NullRepliesFailAfterFiveAttemptsAnd1550msOnlyWhenTheyAreAnError) {
    EXPECT_EQ(askBrightness(), kErrNoData);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(exchanges(), 5);
    EXPECT_EQ(bus.readCount, 5);
    EXPECT_EQ(clock.waits(),
              (std::vector<int>{50, 50, 100, 100, 150, 150, 200, 200, 250, 250, 50}));
    EXPECT_EQ(clock.totalWaited(), 1550);

    forgetTraffic();
    EXPECT_EQ(askBrightness(false), 0);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(exchanges(), 1);
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 50}));
}

TEST_F(ExchangeTest, RetriesBadRepliesAndReportsTheLastAttemptsError) {
    bus.queueRaw({0x6E, 0x83, 1, 2, 3, 0x00});  // checksum wrong
    bus.queueReply({0x02, 0x00, 0x10});
    EXPECT_EQ(askBrightness(), 0);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 3), (Bytes{0x02, 0x00, 0x10}));
    EXPECT_EQ(exchanges(), 2);
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 50, 100, 50}));

    forgetTraffic();
    bus.queueReadError(-7);
    bus.queueRaw({0x6F, 0x80, 0x00});
    bus.queueRaw({0x6E, 0x80, 0x00});
    bus.queueReadError(-7);
    bus.queueRaw(ScriptedDevice::frame({1, 2, 3, 4, 5, 6, 7, 8, 9}));  // longer than 8
    EXPECT_EQ(askBrightness(), kErrLength);
    EXPECT_EQ(exchanges(), 5);
}

TEST_F(ExchangeTest, LibraryWriteErrorOnEveryAttemptIsReturnedAfterTheWaits) {
    bus.failWrites(-2, -1);
    EXPECT_EQ(askBrightness(), -2);
    EXPECT_EQ(bus.writes.size(), 5u);
    EXPECT_EQ(bus.readCount, 0);
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 100, 150, 200, 250, 50}));
    EXPECT_EQ(reply[0], 0xEE);
    EXPECT_EQ(length, 0);

    // A send alone waits once, even when every attempt failed.
    forgetTraffic();
    const uint8_t set[] = {0x03, 0x10, 0x00, 0x20};
    EXPECT_EQ(link.exchangeWrite(set, 4, 50), -2);
    EXPECT_EQ(bus.writes.size(), 5u);
    EXPECT_EQ(clock.waits(), std::vector<int>{50});

    bus.failWrites(-2, 2);
    forgetTraffic();
    EXPECT_EQ(link.exchangeWrite(set, 4, 200), 0);
    EXPECT_EQ(bus.writes.size(), 3u);
    EXPECT_EQ(clock.waits(), std::vector<int>{200});
}

TEST_F(ExchangeTest, ReadOnlyTakesNullAsSuccessAndRetriesErrors) {
    EXPECT_EQ(readReply(9), 0);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(bus.readCount, 1);
    EXPECT_TRUE(bus.writes.empty());

    for (int i = 0; i < 5; ++i) {
        bus.queueRaw({0x6E, 0x80, 0x00});
    }
    forgetTraffic();
    EXPECT_EQ(readReply(9), kErrChecksum);
    EXPECT_EQ(bus.readCount, 5);
    EXPECT_EQ(clock.waits(), std::vector<int>{50});  // attempts are back to back

    bus.queueReadError(-7);
    bus.queueReply({0xC7, 1, 2});
    EXPECT_EQ(readReply(9), 0);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(reply[0], 0xC7);
}

// Every path that takes the bus: when it is refused, nothing reaches the
// library, the bus is not given back and nobody waits.
TEST_F(ExchangeTest, ARefusedBusSkipsTheTransferTheReleaseAndTheWaits) {
    constexpr int kRefused = -40;
    bool refuse = true;
    int releases = 0;
    link.transport().setAccessSteps({[&] { return refuse ? kRefused : 0; },
                                     [&] {
                                         ++releases;
                                         return 0;
                                     }});
    uint8_t edid[kEdidSize];
    struct Case {
        const char* name;
        std::function<int()> run;
    };
    const Case cases[] = {
        {"send", [&] { return link.exchangeWrite(kGetBrightness, 2, 50); }},
        {"send and read", [&] { return askBrightness(); }},
        {"read", [&] { return readReply(8); }},
        {"probe", [&] { return link.probe(); }},
        {"EDID", [&] { return link.readEdid(edid); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        refuse = true;
        releases = 0;
        clock.clearRecord();
        const int transfers = VeskolSimTransferCount(0);
        EXPECT_EQ(c.run(), kRefused);
        EXPECT_EQ(VeskolSimTransferCount(0), transfers);
        EXPECT_EQ(releases, 0);
        EXPECT_EQ(clock.waitCount(), 0);

        refuse = false;  // the same call on a bus that is given back once
        (void)c.run();
        EXPECT_EQ(releases, 1);
    }
}

// A library that cannot carry a request at all refuses its write: nothing
// is asked again, by the exchange or by the command around it, and nobody
// waits; the bus is still given back.
TEST_F(ExchangeTest, AWriteTheLibraryCannotCarryIsNeitherRetriedNorWaitedFor) {
    int releases = 0;
    link.transport().setAccessSteps({[] { return 0; },
                                     [&] {
                                         ++releases;
                                         return 0;
                                     }});
    bus.failWrites(kLibraryCannotCarry, -1);
    int value = 0;
    struct Case {
        const char* name;
        std::function<int()> run;
        int writes;
    };
    const Case cases[] = {
        {"send", [&] { return link.exchangeWrite(kGetBrightness, 2, 50); }, 1},
        {"send and read", [&] { return askBrightness(); }, 1},
        {"status query, retried on a wrong length", [&] { return link.vendorQuery(0x14, value); },
         1},
        {"vendor save: the second query is not sent", [&] { return link.vendorSaveSequence(); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        forgetTraffic();
        releases = 0;
        EXPECT_EQ(c.run(), kLibraryCannotCarry);
        EXPECT_EQ(static_cast<int>(bus.writes.size()), c.writes);
        EXPECT_EQ(bus.readCount, 0);
        EXPECT_EQ(clock.waitCount(), 0);
        EXPECT_EQ(releases, c.writes);
    }
    // Any other library error is still asked again, with the waits.
    forgetTraffic();
    bus.failWrites(kLibraryCannotCarry - 1, -1);
    EXPECT_EQ(link.vendorQuery(0x06, value), kLibraryCannotCarry - 1);
    EXPECT_EQ(bus.writes.size(), 5u);
    EXPECT_EQ(clock.totalWaited(), 800);
}

// On an interface whose library holds the protocol's waits the link sends
// and reads exactly as on a raw bus, attempts and polls included, but never
// waits; an interface without the tag keeps every wait.
TEST_F(ExchangeTest, AWholeTransactionLibraryGetsTheSameTrafficWithoutTheLinksWaits) {
    const auto traffic = [&] {
        forgetTraffic();
        bus.queueNull();  // a paged set answered "busy", then a poll's reply
        bus.queueReply({0xC7, 0x00, 0x01, 0x02, 0x00, 0x03, 0xFF, 0x01, 0x80});
        EXPECT_EQ(link.setVcp(0x0102, 0x0180), 0);
        EXPECT_EQ(askBrightness(), kErrNoData);  // null replies: five attempts
        EXPECT_EQ(link.saveSettings(), 0);
        return std::vector<int>{exchanges(), bus.readCount};
    };
    link.adoptLibraryTiming();
    const std::vector<int> raw = traffic();
    EXPECT_EQ(clock.totalWaited(), 50 + 50 + 100 + 50 + 1550 + 200);

    markWholeTransactions(0);
    link.adoptLibraryTiming();
    EXPECT_EQ(traffic(), raw);
    EXPECT_EQ(clock.waitCount(), 0);
}
