#include <cstring>
#include <memory>
#include <numeric>
#include <string>

#include "tests/host/link/link_fixture.h"

namespace {

// A valid 128-byte EDID block with the given extension count.
Bytes edidBlock0(uint8_t extensions) {
    Bytes block(128, 0);
    const uint8_t header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::memcpy(block.data(), header, 8);
    block[8] = 0x56;
    block[9] = 0x46;
    block[126] = extensions;
    block[127] = static_cast<uint8_t>(-std::accumulate(block.begin(), block.begin() + 127, 0));
    return block;
}

Bytes extensionBlock(bool goodChecksum) {
    Bytes block(128, 0);
    block[0] = 0x02;
    block[1] = 0x03;
    block[127] = goodChecksum ? static_cast<uint8_t>(0x100 - 0x05) : 0x00;
    return block;
}

Bytes join(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A capabilities fragment reply: E3, offset, text.
Bytes fragment(int offset, const std::string& text) {
    Bytes payload = {0xE3, static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset)};
    payload.insert(payload.end(), text.begin(), text.end());
    return payload;
}

}  // namespace

class MccsTest : public LinkTest {
  protected:
    std::unique_ptr<char[]> text;
    uint8_t edid[kEdidSize];

    // Into a buffer of exactly `size` bytes: the sanitizer sees any byte
    // written past it.
    int readCapabilities(int size = kCapabilitiesBufferSize) {
        text = std::make_unique<char[]>(static_cast<size_t>(size));
        return link.readCapabilities(text.get(), size);
    }
};

TEST_F(MccsTest, GetVcpUnpacksTheReplyAndChecksIt) {
    bus.queueReply({0x02, 0x00, 0x10, 0x00, 0x00, 0x64, 0x00, 0x32});
    VcpReading r;
    ASSERT_EQ(link.DdcLink::getVcp(0x10, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.type, 0);
    EXPECT_EQ(r.maximum, 100);
    EXPECT_EQ(r.current, 50);
    EXPECT_EQ(bus.sentPayloads(), std::vector<Bytes>{Bytes({0x01, 0x10})});

    const RefusedReply cases[] = {
        {"another code", {0x02, 0x00, 0x12, 0, 0, 100, 0, 50}, kErrCodeMismatch, 1},
        {"another opcode", {0x04, 0x00, 0x10, 0, 0, 100, 0, 50}, kErrBadReply, 1},
        {"seven bytes", {0x02, 0x00, 0x10, 0, 0, 100, 0}, kErrLength, 5},
    };
    for (const RefusedReply& c : cases) {
        SCOPED_TRACE(c.what);
        forgetTraffic();
        bus.setDefaultReply(c.reply);
        r = VcpReading{};
        EXPECT_EQ(link.DdcLink::getVcp(0x10, r.current, r.maximum, r.result, r.type), c.result);
        EXPECT_EQ(exchanges(), c.exchanges);
        EXPECT_EQ(r.current, -1) << "output written on failure";
        EXPECT_EQ(r.result, 0xEE);
    }
    forgetTraffic();
    EXPECT_EQ(link.DdcLink::getVcp(256, r.current, r.maximum, r.result, r.type), kErrCodeRange);
    EXPECT_EQ(link.DdcLink::setVcp(256, 1), kErrCodeRange);
    EXPECT_TRUE(bus.writes.empty());
}

TEST_F(MccsTest, SetAndSaveAreSendOnlyWithTheirWaitsAndProbeOnlyTakesTheBus) {
    EXPECT_EQ(link.probe(), 0);
    EXPECT_TRUE(bus.writes.empty());
    EXPECT_EQ(bus.readCount, 0);

    EXPECT_EQ(link.DdcLink::setVcp(0x12, 0x0150), 0);
    EXPECT_EQ(link.saveSettings(), 0);
    EXPECT_EQ(bus.sentPayloads(), (std::vector<Bytes>{Bytes{0x03, 0x12, 0x01, 0x50}, Bytes{0x0C}}));
    EXPECT_EQ(bus.readCount, 0);
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 200}));
}

TEST_F(MccsTest, TimingReportGivesKilohertzAndHertz) {
    bus.queueReply({0x4E, 0x03, 0x0C, 0x4E, 0x17, 0x70});
    uint8_t status = 0;
    float horizontal = 0, vertical = 0;
    ASSERT_EQ(link.getTimingReport(status, horizontal, vertical), 0);
    EXPECT_EQ(status, 0x03);
    EXPECT_FLOAT_EQ(horizontal, 31.5f);
    EXPECT_FLOAT_EQ(vertical, 60.0f);
    EXPECT_EQ(bus.sentPayloads(), std::vector<Bytes>{Bytes{0x07}});

    bus.setDefaultReply({0x4E, 0x03, 0x0C, 0x4E, 0x17});
    EXPECT_EQ(link.getTimingReport(status, horizontal, vertical), kErrLength);
    EXPECT_EQ(exchanges(), 1 + 5);
    bus.setDefaultReply({0x4F, 0x03, 0x0C, 0x4E, 0x17, 0x70});
    EXPECT_EQ(link.getTimingReport(status, horizontal, vertical), kErrBadReply);
    EXPECT_FLOAT_EQ(horizontal, 31.5f);
}

TEST_F(MccsTest, CapabilitiesAreReassembledUpToAnEmptyFragmentOrAZeroWithinTheBuffer) {
    const std::string whole(70, 'x');
    bus.queueReply(fragment(0, whole.substr(0, 32)));
    bus.queueReply(fragment(32, whole.substr(32, 32)));
    bus.queueReply(fragment(64, whole.substr(64)));
    bus.queueReply(fragment(70, ""));
    EXPECT_EQ(readCapabilities(), 70);
    EXPECT_EQ(std::string(text.get()), whole);
    EXPECT_EQ(bus.sentPayloads(),
              (std::vector<Bytes>{
                  {0xF3, 0x00, 0x00}, {0xF3, 0x00, 0x20}, {0xF3, 0x00, 0x40}, {0xF3, 0x00, 0x46}}));

    forgetTraffic();
    bus.queueReply(fragment(0, std::string("(vcp(10))\0", 10)));
    EXPECT_EQ(readCapabilities(64), 10);  // the zero is counted
    EXPECT_STREQ(text.get(), "(vcp(10))");
    EXPECT_EQ(exchanges(), 1);

    forgetTraffic();
    const std::string chunk(32, 'a');
    for (int offset = 0; offset < 4000; offset += 32) {
        bus.queueReply(fragment(offset, chunk));
    }
    EXPECT_EQ(readCapabilities(), kErrBufferFull);
    EXPECT_EQ(exchanges(), 125);  // the 125th fragment fills the 4000th byte
}

TEST_F(MccsTest, CapabilitiesFragmentsAreAskedForAgainUntilSixTriesOfTheFirstOrFiveOfALaterOne) {
    bus.queueReply(fragment(0, "(vcp(10 12)"));
    bus.queueReply(fragment(5, ")"));  // wrong echo: offset 11 was asked for
    bus.queueReply(fragment(11, ")"));
    bus.queueReply(fragment(12, ""));
    EXPECT_EQ(readCapabilities(64), 12);
    EXPECT_STREQ(text.get(), "(vcp(10 12))");
    EXPECT_EQ(bus.sentPayloads(),
              (std::vector<Bytes>{
                  {0xF3, 0x00, 0x00}, {0xF3, 0x00, 0x0B}, {0xF3, 0x00, 0x0B}, {0xF3, 0x00, 0x0C}}));

    forgetTraffic();
    bus.setDefaultReply({0xE2, 0x00, 0x00});  // wrong opcode, forever
    EXPECT_EQ(readCapabilities(64), kErrBadReply);
    EXPECT_EQ(exchanges(), 6);

    forgetTraffic();
    bus.queueReply(fragment(0, "(vcp(10)"));
    EXPECT_EQ(readCapabilities(64), kErrBadReply);
    EXPECT_EQ(exchanges(), 1 + 5);
}

TEST_F(MccsTest, EdidReadsTheSecondBlockOnlyWhenAnExtensionIsAnnouncedAndChecksBoth) {
    bus.setEdid(join(edidBlock0(0), Bytes(128, 0x77)));
    std::memset(edid, 0x55, sizeof edid);
    EXPECT_EQ(link.readEdid(edid), 0);
    EXPECT_EQ(edid[8], 0x56);
    EXPECT_EQ(Bytes(edid + 128, edid + 256), Bytes(128, 0));  // cleared
    EXPECT_EQ(bus.readCount, 1);

    forgetTraffic();
    bus.setEdid(join(edidBlock0(2), extensionBlock(true)));  // one block, whatever the count
    EXPECT_EQ(link.readEdid(edid), 0);
    EXPECT_EQ(edid[128], 0x02);
    EXPECT_EQ(bus.readCount, 2);
    ASSERT_EQ(bus.writes.size(), 2u);
    EXPECT_EQ(bus.writes[1].bytes, Bytes{0x80});  // second block at offset 128

    struct Case {
        const char* what;
        Bytes edid;
        int result;
    };
    Bytes badSum = edidBlock0(1);
    badSum[20] ^= 1;
    Bytes badHeader = edidBlock0(0);
    badHeader[0] = 0x01;
    badHeader[127] = static_cast<uint8_t>(badHeader[127] - 1);
    Bytes bothBad = badHeader;
    bothBad[30] = 0x42;
    const Case cases[] = {
        {"block 0 checksum, good extension", join(badSum, extensionBlock(true)), kErrEdidChecksum},
        {"header", join(badHeader, Bytes(128, 0)), kErrEdidHeader},
        {"header and checksum", join(bothBad, Bytes(128, 0)), kErrEdidChecksum},
        {"extension checksum", join(edidBlock0(1), extensionBlock(false)), kErrEdidChecksum},
    };
    for (const Case& c : cases) {
        bus.setEdid(c.edid);
        EXPECT_EQ(link.readEdid(edid), c.result) << c.what;
    }
    bus.failWrites(-3, 1);
    EXPECT_EQ(link.readEdid(edid), -3);
}
