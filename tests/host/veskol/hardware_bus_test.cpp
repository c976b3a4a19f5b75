// The real-monitor backend's frame translation over a scripted table of
// monitor calls: request frames in, the replies a monitor would have sent
// out, checked byte for byte and through the link's own reply parser.
#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "link/bus_transport.h"
#include "link/display_interface.h"
#include "link/link_errors.h"
#include "tests/support/fake_monitor_api.h"
#include "veskol/hardware/monitor_bus.h"
#include "veskol/library_errors.h"

using veskol::hardware::MonitorBus;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr char kPath[] = "\\\\?\\DISPLAY#QRV1234#5&1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
const Bytes kNullMessage = {0x6E, 0x80, 0xBE};

// One display, one monitor, its handle out; buses over it.
struct HardwareFrames : ::testing::Test {
    fake::MonitorCalls calls;
    veskol::hardware::MonitorApi api;
    veskol::hardware::PhysicalMonitor physical;

    void SetUp() override {
        calls.displays.push_back({"\\\\.\\DISPLAY1", {fake::Monitor{}}, {}});
        api = calls.table();
        veskol::hardware::DisplayEntry display;
        ASSERT_EQ(api.listDisplays(api.context, &display, 1), 1);
        ASSERT_TRUE(api.physicalMonitors(api.context, display.handle, 1, &physical));
    }
    void TearDown() override {
        (void)api.destroyPhysicalMonitors(api.context, 1, &physical.handle);
    }

    fake::Monitor& monitor() { return calls.displays[0].monitors[0]; }
    MonitorBus bus(std::string path = kPath) {
        veskol::hardware::MonitorSlot slot;
        slot.handle = physical.handle;
        slot.displayName = "\\\\.\\DISPLAY1";
        slot.devicePath = std::move(path);
        return MonitorBus(api, std::move(slot));
    }

    // Frames the payload as the program does and writes it to 0x6E.
    static int request(MonitorBus& b, const Bytes& payload) {
        uint8_t message[kMaxPayload + 3];
        const int size = buildDdcMessage(payload.data(), static_cast<int>(payload.size()), message);
        return b.write(kDdcAddress, message, size);
    }
    // The raw reply read from 0x6F, `capacity` payload bytes asked for.
    static Bytes rawReply(MonitorBus& b, int capacity) {
        Bytes raw(static_cast<size_t>(capacity) + 3, 0xCC);
        EXPECT_EQ(b.read(kDdcAddress | 1, raw.data(), static_cast<int>(raw.size())), 0);
        return raw;
    }
    // The reply's payload to a request, as the link unpacks it.
    static Bytes ask(MonitorBus& b, const Bytes& payload, int capacity) {
        EXPECT_EQ(request(b, payload), 0);
        const Bytes raw = rawReply(b, capacity);
        Bytes reply(static_cast<size_t>(capacity));
        const int length = parseDdcReply(raw.data(), capacity, reply.data());
        EXPECT_GE(length, 0) << linkErrorName(length);
        reply.resize(length > 0 ? static_cast<size_t>(length) : 0);
        return reply;
    }
};

}  // namespace

TEST_F(HardwareFrames, CarriedRequestsGetTheRepliesTheMonitorWouldHaveSent) {
    monitor().vcps[0x01] = {1, 1, fake::VcpKind::kMomentary};
    monitor().vcps[0x12] = {0x12345, 0x20000};  // beyond a 16-bit word
    monitor().vcps[0x14] = {0, 0, fake::VcpKind::kSetParameter, true};
    MonitorBus b = bus();

    ASSERT_EQ(request(b, {0x01, 0x10}), 0);
    EXPECT_EQ(rawReply(b, 8),
              (Bytes{0x6E, 0x88, 0x02, 0x00, 0x10, 0x00, 0x00, 0x64, 0x00, 0x32, 0xF2}));
    // Nothing more to say until the next request; a longer read is padded.
    EXPECT_EQ(rawReply(b, 3), (Bytes{0x6E, 0x80, 0xBE, 0, 0, 0}));
    const std::pair<uint8_t, Bytes> answers[] = {
        {0x01, {0x02, 0x00, 0x01, 0x01, 0x00, 0x01, 0x00, 0x01}},
        {0x12, {0x02, 0x00, 0x12, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
        {0x14, {0x02, 0x01, 0x14, 0, 0, 0, 0, 0}},   // said unsupported
        {0x99, {0x02, 0x01, 0x99, 0, 0, 0, 0, 0}}};  // not known at all
    for (const auto& [code, answer] : answers) {
        EXPECT_EQ(ask(b, {0x01, code}, 8), answer) << int{code};
    }

    // Set and save answer nothing; a new request drops an unread reply.
    ASSERT_EQ(request(b, {0x01, 0x10}), 0);
    ASSERT_EQ(request(b, {0x03, 0x12, 0x01, 0x2C}), 0);
    EXPECT_EQ(rawReply(b, 0), kNullMessage);
    ASSERT_EQ(request(b, {0x0C}), 0);
    EXPECT_EQ(rawReply(b, 0), kNullMessage);
    EXPECT_EQ(monitor().sets, (std::vector<std::pair<uint8_t, uint32_t>>{{0x12, 300}}));
    EXPECT_EQ(monitor().saves, 1);

    // Timing words the link divides by 100 into kHz and Hz.
    const std::tuple<uint32_t, uint32_t, Bytes> timings[] = {
        {31500, 60, {0x4E, 0x03, 0x0C, 0x4E, 0x17, 0x70}},     // 3150 and 6000
        {31469, 75, {0x4E, 0x03, 0x0C, 0x4B, 0x1D, 0x4C}},     // 3147 (nearest) and 7500
        {1000000, 700, {0x4E, 0x03, 0xFF, 0xFF, 0xFF, 0xFF}},  // beyond a word: the largest
    };
    for (const auto& [horizontalHz, verticalHz, answer] : timings) {
        monitor().timing = {horizontalHz, verticalHz, 0x03};
        EXPECT_EQ(ask(b, {0x07}, 6), answer) << horizontalHz;
    }
    // The vertical word keeps the fraction of the display configuration's
    // refresh rate where it agrees with the monitor's whole hertz.
    const std::tuple<uint32_t, uint32_t, uint32_t, int> fractions[] = {{60000, 1001, 59, 5994},
                                                                       {60000, 1001, 60, 5994},
                                                                       {60000, 1001, 75, 7500},
                                                                       {0, 0, 60, 6000}};
    veskol::hardware::DisplayTarget target;
    std::strcpy(target.devicePath, kPath);
    for (const auto& [numerator, denominator, verticalHz, word] : fractions) {
        target.refreshNumerator = numerator;
        target.refreshDenominator = denominator;
        calls.targets = {target};
        monitor().timing = {31500, verticalHz, 0x03};
        const Bytes reply = ask(b, {0x07}, 6);
        ASSERT_EQ(reply.size(), 6u);
        EXPECT_EQ(reply[4] << 8 | reply[5], word) << verticalHz;
    }
}

TEST_F(HardwareFrames, CapabilitiesComeInFragmentsOfOneReadEndingWithAnEmptyOne) {
    std::string text(70, 0);
    std::iota(text.begin(), text.end(), '0');
    monitor().capabilities = text;
    MonitorBus b = bus();
    // Offset and text bytes of each fragment; past the end, none.
    const std::pair<uint8_t, size_t> fragments[] = {{0, 32}, {32, 32}, {64, 6},
                                                    {70, 0}, {200, 0}, {0, 32}};
    for (const auto& [offset, textBytes] : fragments) {
        const std::string part = text.substr(std::min<size_t>(offset, 70), textBytes);
        Bytes expected = {0xE3, 0x00, offset};
        expected.insert(expected.end(), part.begin(), part.end());
        EXPECT_EQ(ask(b, {0xF3, 0x00, offset}, 35), expected) << int{offset};
    }
    EXPECT_EQ(monitor().capabilityReads, 1);

    // A string shorter than announced ends at its zero.
    monitor().capabilities = "(vcp(10))";
    monitor().announcedLength = 40;
    MonitorBus fresh = bus();
    EXPECT_EQ(ask(fresh, {0xF3, 0x00, 0x09}, 35), (Bytes{0xE3, 0x00, 0x09}));
}

TEST_F(HardwareFrames, FailedCallsVendorRequestsAndBadFramesAreLibraryErrorsWithNoReply) {
    using fake::Call;
    monitor().capabilities = "(vcp(10))";
    const std::pair<Call, Bytes> failures[] = {{Call::kGetVcp, {0x01, 0x10}},
                                               {Call::kSetVcp, {0x03, 0x10, 0x00, 0x05}},
                                               {Call::kSave, {0x0C}},
                                               {Call::kTiming, {0x07}},
                                               {Call::kCapabilitiesLength, {0xF3, 0x00, 0x00}},
                                               {Call::kCapabilities, {0xF3, 0x00, 0x00}}};
    for (const auto& [call, payload] : failures) {
        monitor().failing = {call};
        MonitorBus b = bus();
        EXPECT_EQ(request(b, payload), veskol::kLibApiFailed) << static_cast<int>(call);
        EXPECT_EQ(rawReply(b, 0), kNullMessage);
    }
    // A failed string is tried once more, then not asked for again until
    // the monitor is opened again (which starts with its EDID).
    MonitorBus b = bus();
    int calls = monitor().requests;
    EXPECT_EQ(request(b, {0xF3, 0x00, 0x00}), veskol::kLibApiFailed);
    monitor().failing.clear();
    EXPECT_EQ(request(b, {0xF3, 0x00, 0x00}), veskol::kLibApiFailed);
    EXPECT_EQ(monitor().requests, calls + 4);  // length and string, twice
    const uint8_t start = 0;
    ASSERT_EQ(b.write(kEdidAddress, &start, 1), 0);
    EXPECT_EQ(ask(b, {0xF3, 0x00, 0x00}, 35).size(), 12u);  // "(vcp(10))" after the header
    ASSERT_EQ(b.write(kEdidAddress, &start, 1), 0);
    EXPECT_EQ(ask(b, {0xF3, 0x00, 0x00}, 35).size(), 12u);
    EXPECT_EQ(monitor().capabilityReads, 1);  // success stays read across opens
    // One failure inside the backend costs the program nothing.
    monitor().failuresLeft = 1;
    MonitorBus once = bus();
    EXPECT_EQ(ask(once, {0xF3, 0x00, 0x00}, 35).size(), 12u);
    calls = monitor().requests;

    for (const Bytes& payload : {Bytes{0xC0, 0x14}, Bytes{0xC6, 0x02, 0x3B},
                                 Bytes{0xC8, 0x01, 0x02, 0x01, 0x80}, Bytes{0xE5}}) {
        EXPECT_EQ(request(b, payload), veskol::kLibNotAvailable) << int{payload[0]};
    }
    ASSERT_EQ(request(b, {0x01, 0x10}), 0);
    // Wrong source, no length flag, length byte disagreeing, checksum, short request.
    const Bytes bad[] = {{0x50, 0x82, 0x01, 0x10, 0xAD}, {0x51, 0x02, 0x01, 0x10, 0x2C},
                         {0x51, 0x83, 0x01, 0x10, 0xAF}, {0x51, 0x82, 0x01, 0x10, 0xAD},
                         {0x51, 0x81, 0x01, 0xBF},       {0x51, 0x80}};
    for (const Bytes& frame : bad) {
        EXPECT_EQ(b.write(kDdcAddress, frame.data(), static_cast<int>(frame.size())),
                  veskol::kLibBadFrame);
    }
    EXPECT_EQ(rawReply(b, 0), kNullMessage);
    const Bytes empty = {0x51, 0x80, 0xBF};  // a null message asks nothing
    EXPECT_EQ(b.write(kDdcAddress, empty.data(), 3), 0);
    EXPECT_EQ(monitor().requests, calls + 1);  // only the good Get VCP

    uint8_t byte = 0;
    EXPECT_EQ(b.write(0x6C, &byte, 1), veskol::kLibNotAvailable);
    EXPECT_EQ(b.read(0x6D, &byte, 1), veskol::kLibNotAvailable);
    EXPECT_EQ(b.write(kDdcAddress, nullptr, 3), veskol::kLibBadArgument);
    EXPECT_EQ(b.read(kDdcAddress | 1, nullptr, 3), veskol::kLibBadArgument);
}

TEST_F(HardwareFrames, EdidIsTheRegistryValueReadFromTheWrittenOffset) {
    Bytes edid(256);
    std::iota(edid.begin(), edid.end(), uint8_t{0});
    // The registry writes the path in small letters, the display list in capitals.
    const std::string registered =
        "\\\\?\\display#qrv1234#5&1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
    calls.registry[registered] = edid;
    // Reads a block from `offset` on a bus over `path`: the library's result.
    Bytes block(128);
    const auto read = [&](const std::string& path, uint8_t offset) {
        MonitorBus b = bus(path);
        EXPECT_EQ(b.write(kEdidAddress, &offset, 1), 0);
        return b.read(kEdidAddress | 1, block.data(), 128);
    };
    for (uint8_t offset : {0x00, 0x80}) {
        ASSERT_EQ(read(kPath, offset), 0);
        EXPECT_EQ(block, Bytes(edid.begin() + offset, edid.begin() + offset + 128));
    }

    // A base block only: its extension cannot be read; nor can a device
    // without an EDID value, an unknown device or a monitor without one.
    calls.registry[registered].resize(128);
    EXPECT_EQ(read(kPath, 0x80), veskol::kLibNoEdid);
    calls.registry[registered] = {};
    for (const char* path : {kPath, "\\\\?\\other", ""}) {
        EXPECT_EQ(read(path, 0x00), veskol::kLibNoEdid) << path;
    }
}
