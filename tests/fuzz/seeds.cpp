// Writes the seed corpora of the fuzz targets: realistic capabilities
// strings, EDID images and monitor conversations in the fuzz bus format.
//   lumetra_fuzz_seeds <corpus dir>   (writes <dir>/<target>/<seed>)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/fuzz_bus.h"
#include "tests/support/edid_image.h"

namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

fs::path root;

void write(const char* target, const char* name, const Bytes& bytes) {
    const fs::path dir = root / target;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes textBytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// --- capabilities strings ---

struct NamedText {
    const char* name;
    const char* text;
};

constexpr NamedText kCapabilities[] = {
    {"mccs22_flat_panel",
     "(prot(monitor)type(lcd)model(LX27Q)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 08 10 12 "
     "14(01 05 06 08 0B) 16 18 1A 52 60(01 03 0F 11) 62 AC AE B6 C6 C8 C9 D6(01 04 05) DF)"
     "mswhql(1)asset_eep(40)mccs_ver(2.2))"},
    {"mccs21_vcpname",
     "(prot(monitor)type(LCD)model(QV24W)cmds(01 02 03 07 0C 4E F3)vcp(02 04 05 08 0B 0C 10 12 "
     "14(1 4 5 6 8 B) 16 18 1A 52 60(1 3 4 F 10 11) 62 6C 6E 70 86(1 2 5) 87 8D(1 2) AC AE B2 "
     "B6 C0 C6 C8 C9 CA(1 2) CC(1 2 3 4 6 9 A D) D6(1 4) DC(0 3 5) DF E0 E1(0 1)) "
     "vcpname(10(Brightness) 12(Contrast) DC(Picture Mode)) mccs_ver(2.1) mpu_ver(1.07))"},
    {"crt_vendor_pages",
     "( mccs_ver(1.1) type(CRT) vcp(00 01 04 06 08 10 12 14(04 05 06 07 08) 16 18 1A 1E 20 22 "
     "24 26 28 30 32 3E 40 42 B0 E1 FE) vcp_p02(3B 3C 42 43 44 46) vcp_p10(01 02(0 1 2) 05) "
     "cmds_c2(03(D6) 0C) asset_eep(64) mpu_ver(2.1.4) c_tmp_ofst(0A))"},
    {"page_groups",
     "(type(CRT_AG)vcp(10 12 page2(3B 3C(1 2 3)) page12(01 02) 60(1 3 F) 62)mccs_ver(2.0)"
     "asset_eep(32))"},
    {"mixed_case",
     "(prot(Monitor) type(Lcd) Model(ab-27) vcp(10 12 14(1 2 3) 16 18 1a 60(0f 11 12) 62 6c 6e "
     "70 8d(1 2) b6 c0 c6 c8(1 5) ca df e0 e1(0 1 2)) MCCS_VER(2.1) mccs_ver(2.1) "
     "mpu_ver(M2.10))"},
    {"irregular_spacing",
     "(  type( lcd )vcp(  10 12  14( 05  06 ) 16\t18)  mccs_ver( 3.0 ) cmds_c2( 03( D6 ) 0C ) "
     "c_tmp_ofst( 1F ) )"},
    {"no_vcp_section", "(prot(monitor)type(CRT_AG)vcp_p02(3B 3C)mccs_ver(1.1)asset_eep(20))"},
    {"mccs3_long",
     "(prot(display)type(lcd)model(P32U)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 08 10 12 "
     "14(01 04 05 06 08 0B 0C) 16 18 1A 52 59 5A 5B 5C 5D 5E 60(0F 10 11 12 13 1B) 62 6C 6E 70 "
     "72(50 64 78 8C A0) 86(01 02 05 0B) 87 8D(01 02) 9B 9C 9D 9E 9F A0 AA(01 02 03 04) AC AE B2 "
     "B6 C0 C6 C8 C9 CA(01 02) CC(01 02 03 04 05 06 07 08 09 0A 0D 12 14 1E) D6(01 04 05) "
     "DC(00 02 03 04 05 06 0B 0C 0E) DF E0 E1 E2 EA F0 FF)mswhql(1)asset_eep(40)mccs_ver(3.0)"
     "vcp_p01(10 20 30(0 1))window1(type(PIP) area(25 25 1895 1175))mpu_ver(4.0.12))"},
    {"mccs22_nested_values",
     "(prot(monitor)type(LCD)model(QV27D)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 08 10 12 "
     "14(05 06 08 0B) 16 18 1A 60(0F 11 12) 62 6C 6E 70 AC AE B6 C6 C8 "
     "DC (00 (00 10 13) 01 02 03) DF E1(02 (00 01) 03 (00 01 02 03)) "
     "E2(1(0 1)(2 3) 4) FF)mccs_ver(2.2)asset_eep(40))"},
};

// --- EDID images ---

// Version 1.x, a 60 × 34 cm screen, gamma 2.2, RGB colour.
EdidImage seedEdid(uint8_t revision) {
    EdidImage edid(1, revision);
    edid.set(21, {60, 34, 120, 0x0A});
    return edid;
}

void writeEdids() {
    write("edid", "v13_analog_crt",
          seedEdid(3)
              .identity(0x46, 0x56, 0x0571, 0x0001E240, 23, 9)
              .set(20, {0x0E})
              .descriptor(54, edidTiming(10800, 1280, 1024))
              .descriptor(72, edidRangeDescriptor(50, 160, 30, 96))
              .descriptor(90, edidTextDescriptor(0xFC, "QRV CRT19\n"))
              .descriptor(108, edidTextDescriptor(0xFF, "A1B2C3D4\n"))
              .sealedBytes());
    write("edid", "v13_serial_number_only",
          seedEdid(3)
              .identity(0x52, 0x77, 0x2403, 0x00000201, 1, 12)
              .set(20, {0x68})
              .descriptor(54, edidTiming(6500, 1024, 768))
              .descriptor(72, edidRangeDescriptor(56, 76, 31, 61))
              .descriptor(90, edidTextDescriptor(0xFC, "TSW 1740\n"))
              .descriptor(108, edidTextDescriptor(0xFE, "\n\n"))
              .sealedBytes());
    write("edid", "v14_digital",
          seedEdid(4)
              .identity(0x46, 0x56, 0x1A30, 0x12345678, 40, 31)
              .set(20, {0xA5})
              .descriptor(54, edidTiming(14850, 1920, 1080))
              .descriptor(72, edidTextDescriptor(0xFF, "2140QX0001234"))
              .descriptor(90, edidRangeDescriptor(48, 75, 30, 83))
              .descriptor(108, edidTextDescriptor(0xFC, "QRV LX27Q\n"))
              .sealedBytes());
    write("edid", "v14_cea_extension",
          seedEdid(4)
              .identity(0x52, 0x77, 0x3B01, 0, 10, 33)
              .set(20, {0xB5})
              .descriptor(54, edidTiming(53325, 3840, 2160))
              .descriptor(72, edidRangeDescriptor(24, 60, 30, 135))
              .descriptor(90, edidTextDescriptor(0xFC, "TSW P32U\n"))
              .descriptor(108, edidTextDescriptor(0xFF, "9Z0042\n"))
              .extension(0x02, 0x10, true)
              .descriptor(128 + 0x10, edidTiming(14850, 1920, 1080))
              .descriptor(128 + 0x22, edidTiming(7425, 1280, 720))
              .descriptor(128 + 0x34, edidTextDescriptor(0xFC, " 4K\n"))
              .sealedBytes());
    write("edid", "v13_other_extension",
          seedEdid(3)
              .identity(0x46, 0x56, 0x0A05, 7, 52, 15)
              .set(20, {0x80})
              .descriptor(54, edidTiming(14850, 1920, 1200))
              .descriptor(72, edidTextDescriptor(0xFC, "QRV W24\n"))
              .descriptor(90, edidTextDescriptor(0xFB, "\n"))
              .descriptor(108, edidTextDescriptor(0xFA, "\n"))
              .extension(0x70, 0x10, true)
              .sealedBytes());
}

// --- conversations on the bus ---

Bytes framed(const Bytes& payload) {
    Bytes out;
    appendFramedRead(out, payload);
    return out;
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes withHeader(std::initializer_list<uint8_t> header, const Bytes& records) {
    Bytes out(header);
    out.insert(out.end(), records.begin(), records.end());
    return out;
}

void writeReplies() {
    // capacity + 4, then the reply
    write("ddc_reply", "get_vcp_reply",
          withHeader({8 + 4}, framed({0x02, 0x00, 0x10, 0x00, 0x00, 0x64, 0x00, 0x32})));
    write("ddc_reply", "timing_reply",
          withHeader({6 + 4}, framed({0x4E, 0x03, 0x1F, 0x40, 0x17, 0x70})));
    write("ddc_reply", "null_message", withHeader({8 + 4}, framed({})));
    write("ddc_reply", "capabilities_fragment", withHeader({35 + 4}, framed({0xE3, 0x00, 0x00})));
    write("ddc_reply", "capabilities_text",
          withHeader({35 + 4}, framed(join({{0xE3, 0x00, 0x20},
                                            textBytes("(prot(monitor)type(lcd)vcp(10 12")}))));
    // A reply as it came off the bus, with a wrong checksum.
    write("ddc_reply", "raw_bad_checksum",
          {8 + 4, kBusRaw, 0x6E, 0x88, 0x02, 0x00, 0x10, 0x00, 0x00, 0x64, 0x00, 0x32, 0x00});
    write("ddc_reply", "failed_read", {8 + 4, kBusFail | 0x04});
}

// The string split into fragments of up to 32 bytes with their offsets,
// ended by an empty fragment (or, with `zeroEnd`, a zero byte in the last).
Bytes capabilityFragments(std::string_view text, bool zeroEnd) {
    Bytes out;
    size_t offset = 0;
    std::string rest(text);
    if (zeroEnd) {
        rest.push_back('\0');
    }
    for (;;) {
        const size_t n = std::min<size_t>(32, rest.size() - offset);
        Bytes payload = {0xE3, static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset)};
        payload.insert(payload.end(), rest.begin() + static_cast<long>(offset),
                       rest.begin() + static_cast<long>(offset + n));
        appendFramedRead(out, payload);
        offset += n;
        if (n == 0 || (zeroEnd && offset == rest.size())) {
            return out;
        }
    }
}

void writeCapabilityReads() {
    constexpr uint8_t kFullBuffer = 0xFF;
    write("capabilities_read", "flat_panel_empty_end",
          withHeader({kFullBuffer}, capabilityFragments(kCapabilities[0].text, false)));
    write("capabilities_read", "vcpname_zero_end",
          withHeader({kFullBuffer}, capabilityFragments(kCapabilities[1].text, true)));
    write("capabilities_read", "long_string",
          withHeader({kFullBuffer}, capabilityFragments(kCapabilities[7].text, false)));
    // A busy monitor: a null message, then a fragment for the wrong offset.
    const Bytes good = capabilityFragments("(type(crt)vcp(10 12 14(5 6)))", true);
    write("capabilities_read", "null_and_wrong_offset",
          withHeader({kFullBuffer},
                     join({framed({}), framed({0xE3, 0x00, 0x40, '(', 'x', ')'}), good})));
    write("capabilities_read", "small_buffer",
          withHeader({20}, capabilityFragments(kCapabilities[2].text, false)));
}

void writePagedReplies() {
    // operation, page, high bits, code, value high, value low, then the replies
    write("paged_vcp", "get_page2",
          withHeader({0, 0x02, 0, 0x3B, 0, 0},
                     framed({0xC7, 0x00, 0x02, 0x3B, 0x00, 0x00, 0x64, 0x00, 0x32})));
    write("paged_vcp", "get_wrong_code_then_right",
          withHeader({0, 0x02, 0, 0x42, 0, 0},
                     join({framed({0xC7, 0x00, 0x02, 0x43, 0x00, 0x00, 0x64, 0x00, 0x10}),
                           framed({0xC7, 0x00, 0x02, 0x42, 0x00, 0x00, 0x64, 0x00, 0x11})})));
    write("paged_vcp", "set_immediate",
          withHeader({1, 0x10, 0, 0x01, 0x00, 0x2A},
                     framed({0xC7, 0x00, 0x10, 0x01, 0x00, 0x00, 0xFF, 0x00, 0x2A})));
    write("paged_vcp", "set_busy_then_poll",
          withHeader({1, 0x02, 0, 0x3C, 0x00, 0x05},
                     join({framed({}), framed({}), framed({}),
                           framed({0xC7, 0x00, 0x02, 0x3C, 0x00, 0x00, 0x0A, 0x00, 0x05})})));
    write("paged_vcp", "routed_standard_get",
          withHeader({2, 0x00, 0, 0x10, 0, 0},
                     framed({0x02, 0x00, 0x10, 0x00, 0x00, 0x64, 0x00, 0x32})));
    write("paged_vcp", "routed_paged_set",
          withHeader(
              {3, 0x02, 0, 0x46, 0x00, 0x01},
              join({framed({}), framed({0xC7, 0x00, 0x02, 0x46, 0x00, 0x00, 0x01, 0x00, 0x01})})));
    write("paged_vcp", "page_out_of_range", withHeader({0, 0x00, 1, 0x10, 0, 0}, {}));
}

// Files a user may edit by hand: the simulator's saved settings and its
// fault settings.
void writeUserFiles() {
    write("state_file", "two_monitors",
          textBytes("# simulated monitors' saved settings: interface profile code value\n"
                    "0 qrv-crt 0010 40\n0 qrv-crt 0012 75\n0 qrv-crt 023B 17\n"
                    "1 tsw-lcd 0014 5\n1 tsw-lcd 0016 255\n"));
    write("state_file", "crlf_and_comments",
          textBytes("#\r\n# comment\r\n2 paged-busy 0246 1\r\n"));
    write("state_file", "cut_short", textBytes("0 qrv-crt 0010 40\n0 qrv-crt 00"));
    write("fault_settings", "rates",
          textBytes("seed=7,checksum=100,null=50,nak=20,truncate=5,wrong=5"));
    write("fault_settings", "queued", textBytes("next=nak*2,next=null*3,next=wrong,disappear=500"));
    write("fault_settings", "slow_bus", textBytes("seed=1,delay=15,,truncate=1000"));
}

// What a user writes for the command line: its arguments (separated by zero
// bytes) and the settings files of /dump, edited by hand.
Bytes arguments(std::initializer_list<std::string_view> args) {
    Bytes out;
    for (std::string_view arg : args) {
        if (!out.empty()) {
            out.push_back(0);
        }
        out.insert(out.end(), arg.begin(), arg.end());
    }
    return out;
}

void writeCommandLines() {
    write("arguments", "list", arguments({"/list"}));
    write("arguments", "get_codes", arguments({"/get", "10", "0x12", "p02:3B", "/monitor", "2"}));
    write("arguments", "set_store", arguments({"-SET", "10=40", "12=0x50", "/store"}));
    write("arguments", "dump", arguments({"/dump", "C:\\Users\\me\\monitor1.txt"}));
    write("arguments", "load_force",
          arguments({"/load", "a b.txt", "/force", "/store", "/monitor", "1"}));
    write("arguments", "action_refused", arguments({"/set", "01=1"}));
    write("settings_file", "dump",
          textBytes("# Lumetra: the settings of 1. QRV\xE3\x83\xA2\xE3\x83\x8B (QRV G17)\n"
                    "# written 2026-12-07 21:30 UTC\nmonitor-id 56462017\nserial QV7A012345\n"
                    "# code value maximum\n14 5 11\n10 50 100\n12 80 100\np02:3B 3 10\n"));
    write("settings_file", "edited",
          textBytes("\xEF\xBB\xBF# edited\r\nmonitor-id 7752a01c\r\nserial  TSW 9Z  \r\n\r\n"
                    "0x10\t0x20 100\n  P10:01 65535 65535\n16 255 255"));
    write("settings_file", "refused_twice", textBytes("monitor-id 1\n10 1 2\n10 2 2\n"));
}

// Conversations with a monitor served by the operating system's calls:
// failing-call bits, shape bits, the capabilities string, VCP codes, then
// operations (op, length, bytes): 1 a sealed request, 2 a reply read,
// 3 an EDID offset, 4 an EDID read.
void writeHardwareConversations() {
    const std::string caps = "(prot(monitor)type(lcd)vcp(10 12 14(5 6))mccs_ver(2.1))";
    Bytes conversation = {0x00, 0x01 | 0x08, static_cast<uint8_t>(caps.size())};
    conversation.insert(conversation.end(), caps.begin(), caps.end());
    conversation.insert(conversation.end(), {1, 0x10, 0x00, 0x50, 0x00, 0x64, 0, 0});  // one code
    conversation.push_back(128);  // EDID value: the input's first 128 bytes
    conversation.insert(conversation.end(), {1, 2, 0x01, 0x10, 2, 11});        // get VCP 10
    conversation.insert(conversation.end(), {1, 4, 0x03, 0x10, 0x00, 0x20});   // set VCP 10
    conversation.insert(conversation.end(), {1, 3, 0xF3, 0x00, 0x00, 2, 40});  // capabilities
    conversation.insert(conversation.end(), {1, 1, 0x07, 2, 8, 1, 1, 0x0C});   // timing, save
    conversation.insert(conversation.end(), {3, 0, 0x00, 4, 32});              // EDID
    write("hardware_frames", "get_set_capabilities_timing_edid", conversation);
    write("hardware_frames", "failing_calls_vendor_request",
          {0x3F, 0x00, 0, 1, 3, 0xC0, 0x01, 0x02, 2, 10, 0, 5, 0x51, 0x82, 0x01, 0x10, 0x00});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus dir>\n", argv[0]);
        return 2;
    }
    root = argv[1];
    for (const NamedText& seed : kCapabilities) {
        write("capabilities", seed.name, textBytes(seed.text));
    }
    writeEdids();
    writeReplies();
    writeCapabilityReads();
    writePagedReplies();
    writeUserFiles();
    writeCommandLines();
    writeHardwareConversations();
    return 0;
}
