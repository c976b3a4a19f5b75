// The command line over arbitrary arguments (scripts and shortcuts are
// written by hand). The input is split at zero bytes into arguments. A
// command line is accepted whole or refused with a reason; an accepted one
// asks only for what its command allows, and written back in the
// program's own notation it is accepted again as the same request.
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "monitor/control_table.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

std::vector<std::string> splitAtZeros(std::string_view text) {
    std::vector<std::string> args;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\0', start), text.size());
        args.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

void checkCode(int code) {
    FUZZ_CHECK(code >= 0 && code <= 0xFFFF && !isActionVcpCode(code));
    int again = -1;
    FUZZ_CHECK(parseVcpCode(formatVcpCode(code), again) == 0 && again == code);
}

// The request in canonical form: command, its codes or settings, options.
std::vector<std::string> written(const Arguments& a) {
    constexpr const char* kNames[] = {"/help", "/list", "/get", "/set", "/dump", "/load"};
    std::vector<std::string> args = {kNames[static_cast<int>(a.command)]};
    if (a.command == Command::Dump || a.command == Command::Load) {
        args.push_back(a.file);
    }
    for (int code : a.codes) {
        args.push_back(formatVcpCode(code));
    }
    for (const CodeSetting& s : a.settings) {
        args.push_back(formatVcpCode(s.code) + "=" + std::to_string(s.value));
    }
    if (a.command != Command::Help && a.command != Command::List) {
        args.insert(args.end(), {"/monitor", std::to_string(a.monitor)});
    }
    if (a.store) {
        args.push_back("/store");
    }
    if (a.force) {
        args.push_back("/force");
    }
    return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> args =
        splitAtZeros(std::string_view(reinterpret_cast<const char*>(data), size));
    Arguments parsed;
    parsed.file = "untouched";
    std::string error;
    if (parseArguments(args, parsed, error) != 0) {
        FUZZ_CHECK(!error.empty());
        FUZZ_CHECK(parsed.file == "untouched");
        return 0;
    }
    const Command c = parsed.command;
    FUZZ_CHECK(parsed.monitor >= 1);
    FUZZ_CHECK((c == Command::Get) == !parsed.codes.empty());
    FUZZ_CHECK((c == Command::Set) == !parsed.settings.empty());
    FUZZ_CHECK((c == Command::Dump || c == Command::Load) == !parsed.file.empty());
    FUZZ_CHECK(!parsed.store || c == Command::Set || c == Command::Load);
    FUZZ_CHECK(!parsed.force || c == Command::Load);
    for (int code : parsed.codes) {
        checkCode(code);
    }
    for (const CodeSetting& setting : parsed.settings) {
        checkCode(setting.code);
        FUZZ_CHECK(setting.value >= 0 && setting.value <= 0xFFFF);
    }

    Arguments again;
    FUZZ_CHECK(parseArguments(written(parsed), again, error) == 0);
    // The canonical form holds every field but the monitor of /help and /list.
    FUZZ_CHECK(written(again) == written(parsed) && again.monitor == parsed.monitor);
    return 0;
}
