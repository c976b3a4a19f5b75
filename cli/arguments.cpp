#include "cli/arguments.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "monitor/control_table.h"

namespace {

constexpr int kMaxValue = 0xFFFF;

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// "/name" or "-name", lowered; empty when `arg` is no option.
std::string optionName(std::string_view arg) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) {
        return {};
    }
    return lowered(arg.substr(1));
}

// A whole number in `base` that uses every character of `text`.
bool parseWhole(std::string_view text, int base, int& value) {
    if (text.empty()) {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    return error == std::errc() && stop == end;
}

bool parseByte(std::string_view text, int& value) {
    return text.size() <= 2 && parseWhole(text, 16, value) && value >= 0 && value <= 0xFF;
}

bool startsWithHexPrefix(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

struct Parser {
    const std::vector<std::string>& args;
    Arguments& out;
    std::string& error;
    bool commandSeen = false;
    bool monitorSeen = false;

    int fail(std::string reason) {
        error = std::move(reason);
        return -1;
    }

    int setCommand(Command command) {
        if (commandSeen) {
            return fail("only one command at a time");
        }
        commandSeen = true;
        out.command = command;
        return 0;
    }

    int addCode(const std::string& arg) {
        int code = 0;
        if (parseVcpCode(arg, code) != 0) {
            return fail("not a VCP code: " + arg);
        }
        if (isActionVcpCode(code)) {
            return fail("code " + formatVcpCode(code) + " is an action, it has no value");
        }
        out.codes.push_back(code);
        return 0;
    }

    int addSetting(const std::string& arg) {
        const size_t equals = arg.find('=');
        CodeSetting setting;
        if (equals == std::string::npos || parseVcpCode(arg.substr(0, equals), setting.code) != 0 ||
            parseVcpValue(std::string_view(arg).substr(equals + 1), setting.value) != 0) {
            return fail("not CODE=VALUE: " + arg);
        }
        if (isActionVcpCode(setting.code)) {
            return fail("code " + formatVcpCode(setting.code) + " is an action, not a setting");
        }
        out.settings.push_back(setting);
        return 0;
    }

    // The argument after option `name`, or an error.
    int takeValue(size_t& i, const std::string& name, std::string& value) {
        if (i + 1 >= args.size()) {
            return fail("/" + name + " needs a value");
        }
        value = args[++i];
        return 0;
    }

    int option(size_t& i, const std::string& name) {
        std::string value;
        if (name == "help" || name == "?") {
            return setCommand(Command::Help);
        }
        if (name == "list") {
            return setCommand(Command::List);
        }
        if (name == "get") {
            return setCommand(Command::Get);
        }
        if (name == "set") {
            return setCommand(Command::Set);
        }
        if (name == "dump" || name == "load") {
            if (setCommand(name == "dump" ? Command::Dump : Command::Load) != 0 ||
                takeValue(i, name, out.file) != 0) {
                return -1;
            }
            return out.file.empty() ? fail("/" + name + " needs a file name") : 0;
        }
        if (name == "monitor") {
            if (monitorSeen) {
                return fail("/monitor given twice");
            }
            monitorSeen = true;
            if (takeValue(i, name, value) != 0) {
                return -1;
            }
            if (!parseWhole(value, 10, out.monitor) || out.monitor < 1) {
                return fail("/monitor needs a number from 1: " + value);
            }
            return 0;
        }
        if (name == "store") {
            out.store = true;
            return 0;
        }
        if (name == "force") {
            out.force = true;
            return 0;
        }
        return fail("unknown option: " + args[i]);
    }

    int word(const std::string& arg) {
        if (commandSeen && out.command == Command::Get) {
            return addCode(arg);
        }
        if (commandSeen && out.command == Command::Set) {
            return addSetting(arg);
        }
        return fail("unexpected argument: " + arg);
    }

    // What each command needs and allows.
    int check() {
        if (!commandSeen) {
            return fail("no command given");
        }
        const Command c = out.command;
        if (c == Command::Get && out.codes.empty()) {
            return fail("/get needs at least one VCP code");
        }
        if (c == Command::Set && out.settings.empty()) {
            return fail("/set needs at least one CODE=VALUE");
        }
        if (out.store && c != Command::Set && c != Command::Load) {
            return fail("/store goes with /set or /load");
        }
        if (out.force && c != Command::Load) {
            return fail("/force goes with /load");
        }
        if (monitorSeen && (c == Command::List || c == Command::Help)) {
            return fail("/monitor goes with /get, /set, /dump or /load");
        }
        return 0;
    }

    int run() {
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string name = optionName(args[i]);
            // A code or setting never starts with a slash; "-" alone is no option.
            const int result = name.empty() ? word(args[i]) : option(i, name);
            if (result != 0) {
                return -1;
            }
        }
        return check();
    }
};

}  // namespace

int parseArguments(const std::vector<std::string>& args, Arguments& out, std::string& error) {
    Arguments parsed;
    Parser parser{args, parsed, error};
    if (parser.run() != 0) {
        return -1;
    }
    out = std::move(parsed);
    return 0;
}

int parseVcpCode(std::string_view text, int& code) {
    int page = 0;
    int low = 0;
    if (!text.empty() && (text[0] == 'p' || text[0] == 'P')) {
        const size_t colon = text.find(':');
        if (colon == std::string_view::npos || !parseByte(text.substr(1, colon - 1), page) ||
            page == 0 || !parseByte(text.substr(colon + 1), low)) {
            return -1;
        }
    } else if (!parseByte(startsWithHexPrefix(text) ? text.substr(2) : text, low)) {
        return -1;
    }
    code = page * 256 + low;
    return 0;
}

std::string formatVcpCode(int code) {
    char text[8];
    const int page = (code >> 8) & 0xFF;
    if (page == 0) {
        std::snprintf(text, sizeof text, "%02X", code & 0xFF);
    } else {
        std::snprintf(text, sizeof text, "p%02X:%02X", page, code & 0xFF);
    }
    return text;
}

int parseVcpValue(std::string_view text, int& value) {
    int parsed = 0;
    const bool ok = startsWithHexPrefix(text) ? parseWhole(text.substr(2), 16, parsed)
                                              : parseWhole(text, 10, parsed);
    if (!ok || parsed < 0 || parsed > kMaxValue) {
        return -1;
    }
    value = parsed;
    return 0;
}

std::vector<std::string> usageLines() {
    return {
        "usage: lumetra [command] [options]",
        "  (no arguments)                 the window",
        "  /list                          number, label, monitor ID, device ID, driver",
        "  /get CODE...                   code, value, maximum",
        "  /set CODE=VALUE... [/store]    writes, reads back: code, value, maximum",
        "  /dump FILE                     every control with a value into FILE",
        "  /load FILE [/store] [/force]   writes FILE's values back: code, before, after",
        "  /monitor N                     the Nth monitor of /list (default 1)",
        "  /help                          this text",
        "CODE: hexadecimal VCP code (10 or 0x10), p02:3B for code 3B of page 02;",
        "VALUE: decimal (or 0x hexadecimal). Output: UTF-8, one record a line, tab-separated.",
        "Exit codes: 0 done, 1 usage, 2 no such monitor, 3 bus or monitor failure.",
    };
}
