// The command line of lumetra.exe: what a script asks for, parsed before
// anything touches a monitor, and the VCP code notation it uses ("10",
// "0x10", "p02:3B" for code 3B of vendor page 2).
// Depends on: the standard library only. Portable: no Windows headers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Exit codes of a command.
constexpr int kExitDone = 0;
constexpr int kExitUsage = 1;      // wrong arguments or an unusable file
constexpr int kExitNoMonitor = 2;  // no such monitor, or a file made for another
constexpr int kExitFailure = 3;    // the bus or the monitor failed

enum class Command { Help, List, Get, Set, Dump, Load };

struct CodeSetting {
    int code = 0;
    int value = 0;
};

struct Arguments {
    Command command = Command::Help;
    std::vector<int> codes;             // /get
    std::vector<CodeSetting> settings;  // /set
    std::string file;                   // /dump, /load (UTF-8)
    int monitor = 1;                    // /monitor N: the list's number
    bool store = false;                 // /store (/set, /load)
    bool force = false;                 // /force (/load)
};

// Parses the arguments after the program's name. 0 and `out` filled, or -1
// with a one-line reason in `error`.
[[nodiscard]] int parseArguments(const std::vector<std::string>& args, Arguments& out,
                                 std::string& error);

// A VCP code as page * 256 + code: "10", "0x10", "p02:3B" (page and code in
// hexadecimal, pages 1 to FF). 0, or -1 for anything else.
[[nodiscard]] int parseVcpCode(std::string_view text, int& code);
// "10" for a standard code, "p02:3B" for a paged one.
[[nodiscard]] std::string formatVcpCode(int code);
// A value 0 to 65535, decimal or with 0x in hexadecimal. 0 or -1.
[[nodiscard]] int parseVcpValue(std::string_view text, int& value);

// The usage text, one line per element.
[[nodiscard]] std::vector<std::string> usageLines();
