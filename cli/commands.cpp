// The dispatch, /help, /list, /get and /set.
#include "cli/commands.h"

#include <cstdio>

#include "app/strings.h"
#include "cli/dump_commands.h"
#include "cli/monitor_session.h"
#include "link/display_interface.h"

namespace {

std::string hexId(uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(id));
    return text;
}

int helpCommand(CommandOutput& output) {
    for (const std::string& line : usageLines()) {
        output.record(line);
    }
    return kExitDone;
}

int listCommand(CommandOutput& output) {
    ActiveMonitor monitor(1);
    const std::vector<ListedMonitor> rows = listMonitors(monitor, kInterfaceSelector);
    for (const ListedMonitor& row : rows) {
        const MonitorIdentity& id = row.identity;
        output.record(tabbed({std::to_string(row.number), toUtf8(row.label), hexId(id.monitorId),
                              std::string(id.vendorLetters) + id.productCodeText, row.driverName}));
    }
    if (rows.empty()) {
        output.message("no DDC/CI monitor of QRV or TSW found");
        return kExitNoMonitor;
    }
    return kExitDone;
}

int getCommand(const Arguments& args, CommandOutput& output) {
    ActiveMonitor monitor(1);
    ListedMonitor row;
    if (const int opened = openListedMonitor(monitor, args.monitor, false, row, output);
        opened != 0) {
        return opened;
    }
    for (const int code : args.codes) {
        int value = 0;
        int maximum = 0;
        if (readForCommand(monitor, code, value, maximum, output) != 0) {
            return kExitFailure;
        }
        output.record(
            tabbed({formatVcpCode(code), std::to_string(value), std::to_string(maximum)}));
    }
    return kExitDone;
}

// Writes one setting and reads it back: only a value read back is reported.
int setOne(ActiveMonitor& monitor, const CodeSetting& setting, CommandOutput& output) {
    int before = 0;
    int maximum = 0;
    if (readForValue(monitor, setting.code, setting.value, before, maximum, output) != 0) {
        return kExitFailure;
    }
    int now = 0;
    if (writeAndReadBack(monitor, setting.code, setting.value, maximum, now, output) != 0) {
        return kExitFailure;
    }
    output.record(
        tabbed({formatVcpCode(setting.code), std::to_string(now), std::to_string(maximum)}));
    return kExitDone;
}

int setCommand(const Arguments& args, CommandOutput& output) {
    ActiveMonitor monitor(1);
    ListedMonitor row;
    if (const int opened = openListedMonitor(monitor, args.monitor, false, row, output);
        opened != 0) {
        return opened;
    }
    for (const CodeSetting& setting : args.settings) {
        if (setOne(monitor, setting, output) != kExitDone) {
            return kExitFailure;  // stop: the monitor may be gone; nothing is stored
        }
    }
    if (const int result = monitor.finishWrites(args.store); result != 0) {
        output.message("storing the settings failed: " + failureReason(result));
        return kExitFailure;
    }
    return kExitDone;
}

}  // namespace

int runCommand(const Arguments& args, CommandOutput& output) {
    switch (args.command) {
        case Command::Help:
            return helpCommand(output);
        case Command::List:
            return listCommand(output);
        case Command::Get:
            return getCommand(args, output);
        case Command::Set:
            return setCommand(args, output);
        case Command::Dump:
            return runDumpCommand(args, output);
        case Command::Load:
            return runLoadCommand(args, output);
    }
    return kExitUsage;
}
