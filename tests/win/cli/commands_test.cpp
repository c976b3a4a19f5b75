// The command line's commands in-process, on simulated monitors (a listed
// tube, qrv-crt, and a panel with a page of vendor codes, tsw-lcd) with the
// virtual clock: the records and messages, the exit codes, what reached the
// bus, storing, the settings file's round trip and failures mid-way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/app_state.h"
#include "cli/commands.h"
#include "link/clock.h"
#include "platform/win32.h"
#include "veskol/simulator_api.h"

namespace {

using Lines = std::vector<std::string>;

struct CapturedOutput final : CommandOutput {
    Lines records;
    Lines messages;
    void record(std::string_view line) override { records.emplace_back(line); }
    void message(std::string_view line) override { messages.emplace_back(line); }
};

std::string temporaryPath(const char* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    char path[MAX_PATH * 3];
    WideCharToMultiByte(CP_UTF8, 0, folder, -1, path, sizeof path, nullptr, nullptr);
    return std::string(path) + name;
}

std::string fileText(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class CommandLineTest : public ::testing::Test {
  protected:
    CommandLineTest() { app().instance = GetModuleHandleW(nullptr); }

    void simulate(const char* profiles, const std::string& state = "") {
        ASSERT_EQ(VeskolSimConfigure(profiles, state.c_str(), ""), 0);
    }
    // A fresh tube that leaves the bus after `transfers` transfers.
    void simulateGoneAfter(int transfers) {
        simulate("qrv-crt");
        ASSERT_EQ(VeskolSimSetFaults(0, ("disappear=" + std::to_string(transfers)).c_str()), 0);
    }

    // Parses and runs; the records and messages land in `out`.
    int run(const Lines& args) {
        out = {};
        VeskolSimClearFrames();
        Arguments parsed;
        std::string error;
        EXPECT_EQ(parseArguments(args, parsed, error), 0) << error;
        return runCommand(parsed, out);
    }
    // Runs, expecting `exitCode`; gives the records.
    Lines records(const Lines& args, int exitCode = kExitDone) {
        EXPECT_EQ(run(args), exitCode);
        return out.records;
    }

    // DDC/CI messages the host sent, as hex text without the source,
    // length and checksum bytes ("01 10" for Get VCP of brightness).
    static Lines requests() {
        Lines sent;
        for (int i = 0; i < VeskolSimFrameCount(); ++i) {
            char line[512];
            VeskolSimFrame(i, line, sizeof line);
            std::istringstream fields(line);
            std::string ms, direction, bus, address, source, length, text;
            fields >> ms >> direction >> bus >> address >> source >> length;
            Lines bytes{std::istream_iterator<std::string>(fields), {}};
            for (size_t b = 0; b + 1 < bytes.size(); ++b) {  // the last is the checksum
                text += (b ? " " : "") + bytes[b];
            }
            if (direction == "W" && address == "6E") {
                sent.push_back(text);
            }
        }
        return sent;
    }

    static int simValue(int code, int index = 0) {
        int v = -1;
        EXPECT_EQ(VeskolSimGetValue(index, code, &v), 0) << code;
        return v;
    }
    static int simSaved(int code, int index = 0) {
        int v = -2;
        EXPECT_EQ(VeskolSimGetSavedValue(index, code, &v), 0) << code;
        return v;
    }

    bool anyMessageHas(const std::string& part) const {
        return std::any_of(out.messages.begin(), out.messages.end(),
                           [&](const std::string& m) { return m.find(part) != m.npos; });
    }

    ScopedVirtualClock clock;
    CapturedOutput out;
};

}  // namespace

TEST_F(CommandLineTest, ListNamesEveryListedMonitorWithoutTalkingDdcCi) {
    simulate("qrv-crt,other-vendor,tsw-lcd");
    const Lines listed = records({"/list"});
    ASSERT_EQ(listed.size(), 2u);
    DisplayInterfaceInfo info{};
    info.size = kDisplayInterfaceInfoSize;
    ASSERT_EQ(GetDisplayInterfaceInfo(0, &info), 0);
    EXPECT_EQ(listed[0],
              std::string("1\t1. QRVモニター (QRV G17)\t56462017\tQRV2017\t") + info.driverName);
    EXPECT_EQ(listed[1].substr(0, listed[1].rfind('\t')),
              "2\t2. Tasowaモニター (TSW L19A)\t77524C20\tTSW4C20");
    EXPECT_TRUE(requests().empty()) << "identity only: EDID, no DDC/CI message";

    // No monitor of the two brands: nothing listed, exit code 2.
    simulate("other-vendor");
    EXPECT_TRUE(records({"/list"}, kExitNoMonitor).empty());
    EXPECT_EQ(out.messages.size(), 1u);
}

TEST_F(CommandLineTest, GetAndSetTalkOnlyToTheCodesAskedFor) {
    simulate("qrv-crt,tsw-lcd");
    EXPECT_EQ(records({"/get", "10", "0x12"}), (Lines{"10\t50\t100", "12\t80\t100"}));
    EXPECT_EQ(requests(), (Lines{"01 10", "01 12"}));

    // Set: read (for the maximum), write, read back; nothing stored.
    EXPECT_EQ(records({"/set", "10=30"}), (Lines{"10\t30\t100"}));
    EXPECT_EQ(requests(), (Lines{"01 10", "03 10 00 1E", "01 10"}));
    EXPECT_EQ(simValue(0x10), 30);
    EXPECT_EQ(simSaved(0x10), -1);

    // The panel's paged vendor codes, on the second monitor.
    EXPECT_EQ(records({"/get", "p02:20", "10", "/monitor", "2"}),
              (Lines{"p02:20\t128\t255", "10\t75\t100"}));
    EXPECT_EQ(requests(), (Lines{"C6 02 20", "01 10"}));
    EXPECT_EQ(records({"/set", "p02:21=99", "/monitor", "2"}), (Lines{"p02:21\t99\t255"}));
    EXPECT_EQ(simValue(0x0221, 1), 99);

    // No third monitor; a value above the maximum and a code the tube lacks
    // are failures that write nothing.
    EXPECT_EQ(run({"/get", "10", "/monitor", "3"}), kExitNoMonitor);
    EXPECT_TRUE(requests().empty());
    EXPECT_EQ(run({"/set", "10=101"}), kExitFailure);
    EXPECT_EQ(requests(), (Lines{"01 10"}));
    EXPECT_TRUE(anyMessageHas("above the maximum 100"));
    EXPECT_EQ(records({"/get", "10", "DC"}, kExitFailure), (Lines{"10\t30\t100"}));
    EXPECT_TRUE(anyMessageHas("code DC: reading failed: the monitor holds no value"));

    // The model's rules hold: brightness is fixed in a four-preset panel's
    // sRGB preset.
    simulate("tsw-four-preset");
    ASSERT_EQ(VeskolSimSetValue(0, 0x14, 4), 0);
    EXPECT_TRUE(records({"/set", "10=20"}, kExitFailure).empty());
    EXPECT_TRUE(anyMessageHas("code 10: writing failed: the monitor keeps it fixed"));
}

TEST_F(CommandLineTest, SetWithStoreSurvivesARestart) {
    const std::string state = temporaryPath("lumetra-cli-state.txt");
    std::remove(state.c_str());
    simulate("qrv-crt,tsw-lcd", state);
    const Lines stored{"12\t25\t100", "16\t100\t255"};
    EXPECT_EQ(records({"/set", "12=25", "16=100", "/store"}), stored);
    EXPECT_EQ(requests().back(), "0C");  // the tube stores with the MCCS save
    EXPECT_NE(fileText(state).find("0 qrv-crt 0012 25"), std::string::npos);

    simulate("qrv-crt,tsw-lcd", state);  // the monitors start from their memory
    EXPECT_EQ(records({"/get", "12", "16"}), stored);
    std::remove(state.c_str());
}

TEST_F(CommandLineTest, DumpAndLoadRestoreEveryChangedValueOnBothMonitors) {
    struct Case {
        const char* monitorNumber;
        std::vector<std::pair<int, int>> changes;  // code, value set on the monitor itself
        const char* identity;
    };
    const Case cases[] = {
        {"1", {{0x12, 10}, {0x44, 3}, {0x3A, 7}, {0xE8, 99}}, "56462017\nserial QV7A012345\n"},
        {"2", {{0x10, 1}, {0x1A, 2}, {0x0210, 9}, {0x0221, 200}}, "77524C20\nserial 77001\n"},
    };
    const std::string path = temporaryPath("lumetra-cli-dump.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.monitorNumber);
        const int index = c.monitorNumber[0] - '1';
        simulate("qrv-crt,tsw-lcd");
        const Lines dumped = records({"/dump", path, "/monitor", c.monitorNumber});
        const std::string text = fileText(path);
        EXPECT_NE(text.find("# written 20"), std::string::npos);
        EXPECT_NE(text.find("monitor-id " + std::string(c.identity)), std::string::npos) << text;
        EXPECT_EQ(text.find("\n04 "), std::string::npos) << "actions are no settings";
        std::vector<int> before;
        for (const auto& [code, value] : c.changes) {
            before.push_back(simValue(code, index));
            ASSERT_EQ(VeskolSimSetValue(index, code, value), 0);
        }

        EXPECT_EQ(records({"/load", path, "/monitor", c.monitorNumber, "/store"}).size(),
                  c.changes.size())
            << "only what changed is written";
        int writes = 0;
        for (const std::string& r : requests()) {
            writes += r.starts_with("03 ") || r.starts_with("C8 ") ? 1 : 0;
        }
        EXPECT_EQ(writes, static_cast<int>(c.changes.size()));
        for (size_t i = 0; i < c.changes.size(); ++i) {
            EXPECT_EQ(simValue(c.changes[i].first, index), before[i]) << c.changes[i].first;
            EXPECT_EQ(simSaved(c.changes[i].first, index), before[i]) << c.changes[i].first;
        }
        // Dumped again, the monitor holds exactly what it held.
        EXPECT_EQ(records({"/dump", path, "/monitor", c.monitorNumber}), dumped);
    }
    std::remove(path.c_str());
}

TEST_F(CommandLineTest, LoadRefusesAnotherMonitorsFileUnlessForced) {
    const std::string path = temporaryPath("lumetra-cli-other.txt");
    simulate("qrv-crt,tsw-lcd");
    ASSERT_EQ(run({"/dump", path}), kExitDone);
    ASSERT_EQ(run({"/load", path, "/monitor", "2"}), kExitNoMonitor);
    EXPECT_TRUE(anyMessageHas("56462017"));
    EXPECT_TRUE(requests().empty());

    // Forced onto the panel, the tube's geometry codes do not exist there:
    // found before anything is written.
    EXPECT_TRUE(records({"/load", path, "/monitor", "2", "/force"}, kExitFailure).empty());
    for (const std::string& r : requests()) {
        EXPECT_FALSE(r.starts_with("03 ")) << r;
    }

    // A file that is no settings file, or none at all, never reaches the bus.
    std::ofstream(path) << "brightness 50\n";
    EXPECT_EQ(run({"/load", path}), kExitUsage);
    EXPECT_TRUE(anyMessageHas("line 1"));
    EXPECT_EQ(VeskolSimFrameCount(), 0);
    std::remove(path.c_str());
    EXPECT_EQ(run({"/load", path}), kExitUsage);
}

TEST_F(CommandLineTest, AMonitorFailingMidwayClaimsOnlyWhatWasWritten) {
    // Transfers before the first control exchange: the listing and the
    // identity (probe and EDID), less the one Get VCP's two.
    simulate("qrv-crt");
    const int before = VeskolSimTransferCount(0);
    EXPECT_EQ(run({"/get", "10"}), kExitDone);
    const int identify = VeskolSimTransferCount(0) - before - 2;

    // Gone after the first setting (read, write, read back: five transfers).
    simulateGoneAfter(identify + 5);
    EXPECT_EQ(records({"/set", "10=30", "12=40", "/store"}, kExitFailure), (Lines{"10\t30\t100"}));
    EXPECT_TRUE(anyMessageHas("code 12: reading failed: "));
    EXPECT_TRUE(anyMessageHas("(error -"));
    EXPECT_EQ(simValue(0x12), 80);
    EXPECT_EQ(VeskolSimSaveCount(0), 0);

    // Gone just before the store: the setting is claimed, the store is not.
    simulateGoneAfter(identify + 5);
    EXPECT_EQ(records({"/set", "10=30", "/store"}, kExitFailure), (Lines{"10\t30\t100"}));
    EXPECT_TRUE(anyMessageHas("storing the settings failed: "));

    // Gone between the write and its read-back: written, never claimed.
    simulateGoneAfter(identify + 3);
    EXPECT_TRUE(records({"/set", "10=31"}, kExitFailure).empty());
    EXPECT_TRUE(anyMessageHas("code 10: reading back after writing failed"));

    // A load that loses the monitor after its checks (two transfers a
    // control), brightness's read, write and read-back, at contrast's read:
    // the lines printed are the values written and read back, no more.
    const std::string path = temporaryPath("lumetra-cli-midway.txt");
    simulate("qrv-crt");
    const int controls = static_cast<int>(records({"/dump", path}).size());
    simulateGoneAfter(identify + 2 * controls + 2 + 5);
    ASSERT_EQ(VeskolSimSetValue(0, 0x10, 1), 0);
    ASSERT_EQ(VeskolSimSetValue(0, 0x12, 2), 0);
    EXPECT_EQ(records({"/load", path}, kExitFailure), (Lines{"10\t1\t50"}));
    EXPECT_EQ(simValue(0x10), 50);
    EXPECT_EQ(simValue(0x12), 2);

    // A dump whose full read loses the monitor after a few controls writes
    // no file: it would miss the rest without a trace.
    for (const int readsBeforeGone : {0, 5}) {
        std::remove(path.c_str());
        simulateGoneAfter(identify * 3 / 2 + 2 * readsBeforeGone);
        EXPECT_TRUE(records({"/dump", path}, kExitFailure).empty());
        EXPECT_FALSE(std::ifstream(path).good());
    }
}
