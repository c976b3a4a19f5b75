// The command line's arguments and its VCP code notation.
#include <gtest/gtest.h>

#include "cli/arguments.h"

namespace {

Arguments parsed(const std::vector<std::string>& args) {
    Arguments out;
    std::string error;
    EXPECT_EQ(parseArguments(args, out, error), 0) << error;
    return out;
}

std::string refusal(const std::vector<std::string>& args) {
    Arguments out;
    out.monitor = 77;
    std::string error;
    EXPECT_EQ(parseArguments(args, out, error), -1);
    EXPECT_EQ(out.monitor, 77) << "a refused command line leaves the output alone";
    return error;
}

}  // namespace

TEST(CommandLineArguments, CodesInEveryNotationAndBackToText) {
    struct Case {
        const char* text;
        int code;
        const char* formatted;
    };
    const Case good[] = {{"10", 0x10, "10"},           {"0x10", 0x10, "10"},
                         {"0X1a", 0x1A, "1A"},         {"f", 0x0F, "0F"},
                         {"p02:3B", 0x023B, "p02:3B"}, {"P2:3b", 0x023B, "p02:3B"},
                         {"pFF:00", 0xFF00, "pFF:00"}};
    for (const Case& c : good) {
        int code = -1;
        EXPECT_EQ(parseVcpCode(c.text, code), 0) << c.text;
        EXPECT_EQ(code, c.code) << c.text;
        EXPECT_EQ(formatVcpCode(code), c.formatted);
    }
    for (const char* bad : {"", "100", "0x", "0x100", "g1", "p00:10", "p02", "p02:", "p:10",
                            "p100:10", "p02:3B4", "-1", " 10", "10 "}) {
        int code = -1;
        EXPECT_EQ(parseVcpCode(bad, code), -1) << bad;
        EXPECT_EQ(code, -1) << bad;
    }
    int value = -1;
    EXPECT_EQ(parseVcpValue("65535", value), 0);
    EXPECT_EQ(value, 65535);
    EXPECT_EQ(parseVcpValue("0x1F", value), 0);
    EXPECT_EQ(value, 31);
    for (const char* bad : {"65536", "-1", "", "1e3", "0x", "12a"}) {
        EXPECT_EQ(parseVcpValue(bad, value), -1) << bad;
    }
}

TEST(CommandLineArguments, EachCommandWithItsOptions) {
    EXPECT_EQ(parsed({"/list"}).command, Command::List);
    EXPECT_EQ(parsed({"-LIST"}).command, Command::List);
    EXPECT_EQ(parsed({"/help"}).command, Command::Help);
    EXPECT_EQ(parsed({"/?"}).command, Command::Help);

    const Arguments get = parsed({"/get", "10", "0x12", "p02:3B", "/monitor", "2"});
    EXPECT_EQ(get.command, Command::Get);
    EXPECT_EQ(get.codes, (std::vector<int>{0x10, 0x12, 0x023B}));
    EXPECT_EQ(get.monitor, 2);

    const Arguments set = parsed({"/monitor", "3", "/set", "10=70", "p02:10=0x5", "/store"});
    ASSERT_EQ(set.settings.size(), 2u);
    EXPECT_EQ(set.settings[0].code, 0x10);
    EXPECT_EQ(set.settings[0].value, 70);
    EXPECT_EQ(set.settings[1].code, 0x0210);
    EXPECT_EQ(set.settings[1].value, 5);
    EXPECT_TRUE(set.store);
    EXPECT_EQ(set.monitor, 3);
    EXPECT_EQ(parsed({"/get", "10"}).monitor, 1);

    // The file comes right after its command, whatever it looks like.
    const Arguments dump = parsed({"/dump", "/tmp/a b.txt"});
    EXPECT_EQ(dump.command, Command::Dump);
    EXPECT_EQ(dump.file, "/tmp/a b.txt");
    const Arguments load = parsed({"/load", "C:\\s.txt", "/force", "/store"});
    EXPECT_EQ(load.command, Command::Load);
    EXPECT_EQ(load.file, "C:\\s.txt");
    EXPECT_TRUE(load.force);
    EXPECT_TRUE(load.store);
}

TEST(CommandLineArguments, WrongArgumentsAreRefusedWithTheirReason) {
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    const Case cases[] = {{{}, "no command"},
                          {{"/frobnicate"}, "unknown option: /frobnicate"},
                          {{"/list", "/get", "10"}, "only one command"},
                          {{"/get"}, "at least one VCP code"},
                          {{"/get", "zz"}, "not a VCP code: zz"},
                          {{"/get", "04"}, "action"},
                          {{"/set"}, "at least one CODE=VALUE"},
                          {{"/set", "10"}, "not CODE=VALUE: 10"},
                          {{"/set", "10=70000"}, "not CODE=VALUE"},
                          {{"/set", "10=-1"}, "not CODE=VALUE"},
                          {{"/set", "B1=1"}, "action"},
                          {{"/dump"}, "/dump needs a value"},
                          {{"/load", ""}, "needs a file name"},
                          {{"/get", "10", "/monitor"}, "/monitor needs a value"},
                          {{"/get", "10", "/monitor", "0"}, "from 1"},
                          {{"/get", "10", "/monitor", "x"}, "from 1"},
                          {{"/get", "10", "/monitor", "1", "/monitor", "2"}, "twice"},
                          {{"/get", "10", "/store"}, "/store goes with"},
                          {{"/set", "10=1", "/force"}, "/force goes with /load"},
                          {{"/list", "/monitor", "2"}, "/monitor goes with"},
                          {{"/list", "10"}, "unexpected argument: 10"},
                          {{"10"}, "unexpected argument"}};
    for (const Case& c : cases) {
        const std::string error = refusal(c.args);
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    EXPECT_FALSE(usageLines().empty());
}
