// The real-monitor backend's frame translation over a scripted table of
// monitor calls: request frames in, the replies a monitor would have sent
// out, checked byte for byte and through the link's own reply parser.
#include <gtest/gtest.h>

#include <string>
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
    veskol::hardware::MonitorHandle handle = nullptr;

    void SetUp() override {
        calls.displays.push_back({"\\\\.\\DISPLAY1", {fake::Monitor{}}, {}});
        api = calls.table();
        veskol::hardware::DisplayEntry display;
        ASSERT_EQ(api.listDisplays(api.context, &display, 1), 1);
        ASSERT_TRUE(api.physicalMonitors(api.context, display.handle, 1, &handle));
    }
    void TearDown() override { (void)api.destroyPhysicalMonitors(api.context, 1, &handle); }

    fake::Monitor& monitor() { return calls.displays[0].monitors[0]; }
    MonitorBus bus(std::string path = kPath) { return MonitorBus(api, handle, std::move(path)); }

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
    // The reply's payload as the link unpacks it.
    static Bytes reply(MonitorBus& b, int capacity) {
        const Bytes raw = rawReply(b, capacity);
        Bytes payload(static_cast<size_t>(capacity));
        const int length = parseDdcReply(raw.data(), capacity, payload.data());
        EXPECT_GE(length, 0) << linkErrorName(length);
        payload.resize(length > 0 ? static_cast<size_t>(length) : 0);
        return payload;
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
    ASSERT_EQ(request(b, {0x01, 0x01}), 0);
    EXPECT_EQ(reply(b, 8), (Bytes{0x02, 0x00, 0x01, 0x01, 0x00, 0x01, 0x00, 0x01}));
    ASSERT_EQ(request(b, {0x01, 0x12}), 0);
    EXPECT_EQ(reply(b, 8), (Bytes{0x02, 0x00, 0x12, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));
    for (uint8_t code : {0x14, 0x99}) {  // said unsupported, or not known at all
        ASSERT_EQ(request(b, {0x01, code}), 0);
        EXPECT_EQ(reply(b, 8), (Bytes{0x02, 0x01, code, 0, 0, 0, 0, 0}));
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
    const struct {
        uint32_t horizontalHz, verticalHz;
        Bytes reply;
    } timings[] = {
        {31500, 60, {0x4E, 0x03, 0x0C, 0x4E, 0x17, 0x70}},     // 3150 and 6000
        {31469, 75, {0x4E, 0x03, 0x0C, 0x4B, 0x1D, 0x4C}},     // 3147 (nearest) and 7500
        {1000000, 700, {0x4E, 0x03, 0xFF, 0xFF, 0xFF, 0xFF}},  // beyond a word: the largest
    };
    for (const auto& t : timings) {
        monitor().timing = {t.horizontalHz, t.verticalHz, 0x03};
        ASSERT_EQ(request(b, {0x07}), 0);
        EXPECT_EQ(reply(b, 6), t.reply) << t.horizontalHz;
    }
}

TEST_F(HardwareFrames, CapabilitiesComeInFragmentsOfOneReadEndingWithAnEmptyOne) {
    std::string text;
    for (int i = 0; i < 70; ++i) {
        text += static_cast<char>('a' + i % 26);
    }
    monitor().capabilities = text;
    MonitorBus b = bus();
    const struct {
        int offset, textBytes;
    } fragments[] = {{0, 32}, {32, 32}, {64, 6}, {70, 0}, {200, 0}, {0, 32}};
    for (const auto& f : fragments) {
        const Bytes header = {0xE3, static_cast<uint8_t>(f.offset >> 8),
                              static_cast<uint8_t>(f.offset)};
        ASSERT_EQ(request(b, {0xF3, header[1], header[2]}), 0);
        Bytes expected = header;
        for (int i = 0; i < f.textBytes; ++i) {
            expected.push_back(static_cast<uint8_t>(text[static_cast<size_t>(f.offset + i)]));
        }
        EXPECT_EQ(reply(b, 35), expected) << f.offset;
    }
    EXPECT_EQ(monitor().capabilityReads, 1);

    // A string shorter than announced ends at its zero.
    monitor().capabilities = "(vcp(10))";
    monitor().announcedLength = 40;
    MonitorBus fresh = bus();
    ASSERT_EQ(request(fresh, {0xF3, 0x00, 0x09}), 0);
    EXPECT_EQ(reply(fresh, 35), (Bytes{0xE3, 0x00, 0x09}));
}

TEST_F(HardwareFrames, FailedCallsVendorRequestsAndBadFramesAreLibraryErrorsWithNoReply) {
    using fake::Call;
    monitor().capabilities = "(vcp(10))";
    const struct {
        Call call;
        Bytes payload;
    } failures[] = {{Call::kGetVcp, {0x01, 0x10}},
                    {Call::kSetVcp, {0x03, 0x10, 0x00, 0x05}},
                    {Call::kSave, {0x0C}},
                    {Call::kTiming, {0x07}},
                    {Call::kCapabilitiesLength, {0xF3, 0x00, 0x00}},
                    {Call::kCapabilities, {0xF3, 0x00, 0x00}}};
    for (const auto& f : failures) {
        monitor().failing = {f.call};
        MonitorBus b = bus();
        EXPECT_EQ(request(b, f.payload), veskol::kLibApiFailed) << static_cast<int>(f.call);
        EXPECT_EQ(rawReply(b, 0), kNullMessage);
    }
    // A failed string is not asked for again while the monitor stays open.
    MonitorBus b = bus();
    const int calls = monitor().requests;
    EXPECT_EQ(request(b, {0xF3, 0x00, 0x00}), veskol::kLibApiFailed);
    monitor().failing.clear();
    EXPECT_EQ(request(b, {0xF3, 0x00, 0x00}), veskol::kLibApiFailed);
    EXPECT_EQ(monitor().requests, calls + 2);  // length and string, once

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
    EXPECT_EQ(monitor().requests, calls + 3);  // only the good Get VCP

    uint8_t byte = 0;
    EXPECT_EQ(b.write(0x6C, &byte, 1), veskol::kLibNotAvailable);
    EXPECT_EQ(b.read(0x6D, &byte, 1), veskol::kLibNotAvailable);
    EXPECT_EQ(b.write(kDdcAddress, nullptr, 3), veskol::kLibBadArgument);
    EXPECT_EQ(b.read(kDdcAddress | 1, nullptr, 3), veskol::kLibBadArgument);
}

TEST_F(HardwareFrames, EdidIsTheRegistryValueReadFromTheWrittenOffset) {
    Bytes edid(256);
    for (size_t i = 0; i < edid.size(); ++i) {
        edid[i] = static_cast<uint8_t>(i * 7);
    }
    // The registry writes the path in small letters, the display list in capitals.
    std::string registered = kPath;
    for (char& c : registered) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    calls.registry[registered] = edid;
    MonitorBus b = bus();
    Bytes block(128);
    const uint8_t offsets[] = {0x00, 0x80};
    for (uint8_t offset : offsets) {
        ASSERT_EQ(b.write(kEdidAddress, &offset, 1), 0);
        ASSERT_EQ(b.read(kEdidAddress | 1, block.data(), 128), 0);
        EXPECT_EQ(block, Bytes(edid.begin() + offset, edid.begin() + offset + 128));
    }

    // A base block only: its extension cannot be read; nor can a device
    // without an EDID value, an unknown device or a monitor without one.
    calls.registry[registered].resize(128);
    MonitorBus baseOnly = bus();
    ASSERT_EQ(baseOnly.write(kEdidAddress, &offsets[1], 1), 0);
    EXPECT_EQ(baseOnly.read(kEdidAddress | 1, block.data(), 128), veskol::kLibNoEdid);
    calls.registry[registered] = {};
    for (const char* path : {kPath, "\\\\?\\other", ""}) {
        MonitorBus none = bus(path);
        ASSERT_EQ(none.write(kEdidAddress, &offsets[0], 1), 0);
        EXPECT_EQ(none.read(kEdidAddress | 1, block.data(), 128), veskol::kLibNoEdid) << path;
    }
}
