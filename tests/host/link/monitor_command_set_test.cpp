#include "tests/host/link/link_fixture.h"

using CommandSetTest = LinkTest;

TEST_F(CommandSetTest, RoutesCodesByPageAndAPagedSetReportsTheMonitorsValue) {
    bus.queueReply({0xC7, 0x00, 0x02, 0x3B, 0x00, 0x00, 0x0A, 0x00, 0x03});
    bus.queueReply({0x02, 0x00, 0x3B, 0x00, 0x00, 0x64, 0x00, 0x21});
    VcpReading r;
    ASSERT_EQ(link.getVcp(0x023B, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.maximum, 10);
    EXPECT_EQ(r.current, 3);
    // Bits above 15 are ignored.
    ASSERT_EQ(link.getVcp(0x1003B, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.current, 0x21);
    EXPECT_EQ(bus.sentPayloads(), (std::vector<Bytes>{{0xC6, 0x02, 0x3B}, {0x01, 0x3B}}));

    forgetTraffic();
    bus.queueReply({0xC7, 0x00, 0x01, 0x02, 0x00, 0x03, 0xFF, 0x01, 0x80});
    EXPECT_EQ(link.setVcp(0x0102, 0x0180), 0);
    EXPECT_EQ(bus.sentPayloads(), std::vector<Bytes>{Bytes({0xC8, 0x01, 0x02, 0x01, 0x80})});

    bus.queueReply({0xC7, 0x00, 0x01, 0x02, 0x00, 0x03, 0xFF, 0x00, 0x64});
    r.current = 0x0180;
    ASSERT_EQ(link.setPagedVcp(1, 2, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.current, 0x64);
    EXPECT_EQ(r.maximum, 0x3FF);

    EXPECT_EQ(link.setVcp(0x12, 7), 0);  // a standard code stays a Set VCP
    EXPECT_EQ(bus.sentPayloads().back(), (Bytes{0x03, 0x12, 0x00, 0x07}));
}

TEST_F(CommandSetTest, BusyPagedSetIsPolledAndResentOnlyWhenItNeverCompletes) {
    bus.queueNull();  // the set is answered "still working"
    bus.queueReply({0xC7, 0x00, 0x01, 0x02, 0x00, 0x03, 0xFF, 0x01, 0x80});
    EXPECT_EQ(link.setVcp(0x0102, 0x0180), 0);
    EXPECT_EQ(exchanges(), 1);
    EXPECT_EQ(bus.readCount, 2);
    // write, 50 ms, null read, final 50 ms; then one poll: 100 ms, read, 50 ms.
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 50, 100, 50}));

    // Every read a null message: each send is answered "busy", then 17
    // polls read nothing.
    forgetTraffic();
    VcpReading r;
    r.current = 5;
    EXPECT_EQ(link.setPagedVcp(2, 0x10, r.current, r.maximum, r.result, r.type), kErrLength);
    EXPECT_EQ(exchanges(), 5);
    EXPECT_EQ(bus.readCount, 5 * (1 + 17));
    EXPECT_EQ(r.current, 5);
}

TEST_F(CommandSetTest, PagedRepliesAreChecked) {
    const RefusedReply cases[] = {
        {"another page", {0xC7, 0x00, 0x03, 0x10, 0, 0, 10, 0, 3}, kErrCodeMismatch, 5},
        {"another code", {0xC7, 0x00, 0x02, 0x11, 0, 0, 10, 0, 3}, kErrCodeMismatch, 5},
        {"another opcode", {0xC5, 0x00, 0x02, 0x10, 0, 0, 10, 0, 3}, kErrBadReply, 1},
        {"eight bytes", {0xC7, 0x00, 0x02, 0x10, 0, 0, 10, 0}, kErrLength, 5},
    };
    for (const RefusedReply& c : cases) {
        for (bool set : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.what << (set ? " (set)" : " (get)"));
            forgetTraffic();
            bus.setDefaultReply(c.reply);
            VcpReading r;
            r.current = 1;
            EXPECT_EQ(set ? link.setPagedVcp(2, 0x10, r.current, r.maximum, r.result, r.type)
                          : link.getPagedVcp(2, 0x10, r.current, r.maximum, r.result, r.type),
                      c.result);
            EXPECT_EQ(exchanges(), c.exchanges);
            EXPECT_EQ(r.maximum, -1);
        }
    }
    forgetTraffic();
    VcpReading r;
    EXPECT_EQ(link.getPagedVcp(2, 256, r.current, r.maximum, r.result, r.type), kErrCodeRange);
    EXPECT_EQ(link.setPagedVcp(256, 2, r.current, r.maximum, r.result, r.type), kErrCodeRange);
    EXPECT_TRUE(bus.writes.empty());
}

TEST_F(CommandSetTest, VendorQueriesAndTheVendorSaveSequenceOfSixThenFive) {
    bus.queueReply({0xC1, 0x14, 0x5A});
    int value = 0;
    ASSERT_EQ(link.vendorQuery(0x14, value), 0);
    EXPECT_EQ(value, 0x5A);
    EXPECT_EQ(bus.sentPayloads().back(), (Bytes{0xC0, 0x14}));

    forgetTraffic();
    bus.setDefaultReply({0xC1, 0x14});
    EXPECT_EQ(link.vendorQuery(0x14, value), kErrLength);
    EXPECT_EQ(exchanges(), 5);

    forgetTraffic();
    bus.setDefaultReply({0xC1, 0x05});
    EXPECT_EQ(link.vendorQuery(0x05, value), kErrLength);
    EXPECT_EQ(exchanges(), 1);

    bus.setDefaultReply({0xC1, 0x06, 0x00});
    EXPECT_EQ(link.vendorQuery(0x05, value), kErrBadReply);
    EXPECT_EQ(value, 0x5A);

    forgetTraffic();
    bus.queueReply({0xC1, 0x06, 0x00});
    bus.queueReply({0xC1, 0x05, 0x00});
    EXPECT_EQ(link.vendorSaveSequence(), 0);  // answered or not, the queries went out
    EXPECT_EQ(bus.sentPayloads(), (std::vector<Bytes>{{0xC0, 0x06}, {0xC0, 0x05}}));
}
