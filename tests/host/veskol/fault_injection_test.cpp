#include <string>
#include <vector>

#include "link/bus_transport.h"
#include "link/link_errors.h"
#include "link/monitor_command_set.h"
#include "tests/host/veskol/sim_fixture.h"

namespace {

class FaultInjectionTest : public SimulatorTest {
  protected:
    FaultInjectionTest() { VeskolSimConfigure("qrv-crt", nullptr, nullptr); }

    // The result of a read of `code` through the link.
    int readThroughLink(int code = 0x10) {
        int current = 0, maximum = 0;
        uint8_t result = 0, type = 0;
        return link.getVcp(code, current, maximum, result, type);
    }
    // Outcomes of 40 brightness reads through the link.
    std::vector<int> readOutcomes() {
        std::vector<int> outcomes;
        for (int i = 0; i < 40; ++i) {
            outcomes.push_back(readThroughLink());
        }
        return outcomes;
    }

    MonitorCommandSet link{0, 10000, 3};
};

}  // namespace

TEST_F(FaultInjectionTest, TheSameSeedGivesTheSameFaults) {
    const char* spec = "seed=7,checksum=300,truncate=200,wrong=100,null=200,nak=100";
    ASSERT_EQ(VeskolSimSetFaults(0, spec), 0);
    const std::vector<int> first = readOutcomes();
    const std::vector<std::string> firstFrames = veskol::SimBus::instance().frames();

    VeskolSimConfigure("qrv-crt", nullptr, nullptr);
    ASSERT_EQ(VeskolSimSetFaults(0, spec), 0);
    EXPECT_EQ(readOutcomes(), first);
    const std::vector<std::string> again = veskol::SimBus::instance().frames();
    ASSERT_EQ(again.size(), firstFrames.size());
    for (size_t i = 0; i < again.size(); ++i) {  // same bytes (times may differ)
        EXPECT_EQ(again[i].substr(again[i].find(' ')),
                  firstFrames[i].substr(firstFrames[i].find(' ')));
    }

    VeskolSimConfigure("qrv-crt", nullptr, nullptr);
    ASSERT_EQ(VeskolSimSetFaults(0, "seed=8,checksum=300,truncate=200,wrong=100,null=200,nak=100"),
              0);
    EXPECT_NE(readOutcomes(), first);
}

TEST_F(FaultInjectionTest, FaultsReachTheLinkAsItsErrorsAndAMonitorThatDisappearsStaysGone) {
    struct Case {
        const char* spec;
        int expected;
    };
    const Case cases[] = {
        {"next=checksum*5", kErrChecksum},
        {"next=null*5", kErrNoData},
        {"next=truncate*25", kErrLength},  // 7-byte replies: five exchanges of five
        {"next=wrong*1", kErrBadReply},
        {"next=nak*5", veskol::kLibNoAcknowledge},
        {"next=checksum*4", 0},  // the fifth attempt gets through
        {"disappear=0", veskol::kLibNoDevice},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(VeskolSimSetFaults(0, c.spec), 0) << c.spec;
        EXPECT_EQ(readThroughLink(), c.expected) << c.spec;
        ASSERT_EQ(VeskolSimSetFaults(0, ""), 0);
    }

    // A monitor that disappears after four transfers stays gone.
    VeskolSimConfigure("qrv-crt", nullptr, nullptr);
    ASSERT_EQ(VeskolSimSetFaults(0, "disappear=4"), 0);
    EXPECT_EQ(readThroughLink(0x10), 0);  // transfers 1-2
    EXPECT_EQ(readThroughLink(0x12), 0);  // 3-4
    EXPECT_EQ(readThroughLink(0x10), veskol::kLibNoDevice);
    uint8_t edid[kEdidSize];
    EXPECT_EQ(link.readEdid(edid), veskol::kLibNoDevice);
}

// A reader may ask for fewer bytes than the reply holds; the cut-short
// reply must stay inside its buffer (the sanitizer sees any byte past it).
TEST_F(FaultInjectionTest, ATruncatedReplyStaysInsideTheReadersBuffer) {
    // The brightness reply: 6E 88, eight payload bytes, checksum.
    for (const int length : {3, 6, 10, 11}) {
        ASSERT_EQ(VeskolSimSetFaults(0, "next=truncate"), 0);
        EXPECT_EQ(send(0, request({0x01, 0x10})), 0);
        clock.sleep(50);
        std::vector<uint8_t> frame(static_cast<size_t>(length));
        ASSERT_EQ(I2C_READ(0, 0x6F, frame.data(), static_cast<uint8_t>(length), 10000), 0);
        EXPECT_EQ(frame[1], 0x87) << length;  // one byte less than it carries
        if (length >= 10) {                   // the shorter frame's checksum fits
            EXPECT_EQ(ddcChecksum(0x50, frame.data(), 10), 0) << length;
        }
    }
}

TEST_F(FaultInjectionTest, MalformedSpecsAreRefusedAndChangeNothing) {
    for (const char* spec : {"checksum", "checksum=1001", "nak=-1", "bogus=3", "next=fire*2",
                             "next=null*x", "seed=abc", "delay=-1", "delay=20000"}) {
        EXPECT_EQ(VeskolSimSetFaults(0, spec), -1) << spec;
    }
    EXPECT_EQ(VeskolSimSetFaults(7, "null=1"), -1);
    EXPECT_EQ(readOutcomes(), std::vector<int>(40, 0));
}
