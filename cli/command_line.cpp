#include "cli/command_line.h"

#include <string>
#include <vector>

#include "app/strings.h"
#include "cli/commands.h"
#include "cli/console_output.h"
#include "platform/win32.h"

// After windows.h, which it needs.
#include <shellapi.h>

namespace {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> programArguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) {
        return args;
    }
    for (int i = 1; i < count; ++i) {
        args.push_back(toUtf8(words[i]));
    }
    LocalFree(words);
    return args;
}

}  // namespace

bool commandLineGiven() {
    return !programArguments().empty();
}

int runCommandLine() {
    ConsoleOutput output;
    Arguments args;
    std::string error;
    if (parseArguments(programArguments(), args, error) != 0) {
        output.message("lumetra: " + error);
        for (const std::string& line : usageLines()) {
            output.message(line);
        }
        return kExitUsage;
    }
    return runCommand(args, output);
}
