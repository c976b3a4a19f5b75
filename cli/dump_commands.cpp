// /dump and /load: a monitor's settings into a file and back.
#include "cli/dump_commands.h"

#include <cstdio>
#include <ctime>

#include "app/strings.h"
#include "cli/dump_file.h"
#include "cli/monitor_session.h"
#include "cli/text_file.h"

namespace {

std::string currentDate() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_s(&utc, &now);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", &utc);
    return text;
}

std::string recordLine(int code, int first, int second) {
    return tabbed({formatVcpCode(code), std::to_string(first), std::to_string(second)});
}

// Every record must name a control the monitor holds, with a value within
// its maximum, before anything is written.
int checkRecords(ActiveMonitor& monitor, const SettingsFile& file, CommandOutput& output) {
    for (const SettingsRecord& record : file.records) {
        int current = 0;
        int maximum = 0;
        if (readForValue(monitor, record.code, record.value, current, maximum, output) != 0) {
            return kExitFailure;
        }
    }
    return kExitDone;
}

// Writes the records whose value differs from the monitor's; each is read
// just before (a preset switch earlier in the file recalls other values).
int writeRecords(ActiveMonitor& monitor, const SettingsFile& file, CommandOutput& output) {
    for (const SettingsRecord& record : file.records) {
        int before = 0;
        int maximum = 0;
        if (readForCommand(monitor, record.code, before, maximum, output) != 0) {
            return kExitFailure;
        }
        if (before == record.value) {
            continue;
        }
        int now = 0;
        if (writeAndReadBack(monitor, record.code, record.value, maximum, now, output) != 0) {
            return kExitFailure;
        }
        output.record(recordLine(record.code, before, now));
    }
    return kExitDone;
}

}  // namespace

int runDumpCommand(const Arguments& args, CommandOutput& output) {
    ActiveMonitor monitor(1);
    ListedMonitor row;
    if (const int opened = openListedMonitor(monitor, args.monitor, true, row, output);
        opened != 0) {
        return opened;
    }
    (void)monitor.openMonitor(row.interfaceIndex, true);
    if (!monitor.isOpen()) {
        output.message("monitor " + std::to_string(args.monitor) +
                       ": the monitor did not answer for its controls");
        return kExitFailure;
    }
    // A control that did not answer would be missing from the file without
    // a trace; a settings file must hold every control or not be written.
    if (monitor.readFailures() > 0) {
        output.message("monitor " + std::to_string(args.monitor) + ": " +
                       std::to_string(monitor.readFailures()) +
                       " controls did not answer; no file written");
        return kExitFailure;
    }
    std::vector<CodeReading> readings;
    int failedCode = 0;
    if (const int result = monitor.readControls(readings, failedCode); result != 0) {
        reportCodeFailure(output, failedCode, "reading", result);
        return kExitFailure;
    }
    SettingsFile file;
    file.monitorId = monitor.identityFields().monitorId;
    file.serial = monitor.identityFields().serialText;
    for (const CodeReading& reading : readings) {
        file.records.push_back({reading.code, reading.value, reading.maximum});
    }
    if (writeTextFile(args.file, formatSettingsFile(file, toUtf8(row.label), currentDate())) != 0) {
        output.message("cannot write " + args.file);
        return kExitUsage;
    }
    for (const SettingsRecord& record : file.records) {
        output.record(recordLine(record.code, record.value, record.maximum));
    }
    return kExitDone;
}

int runLoadCommand(const Arguments& args, CommandOutput& output) {
    std::string text;
    if (readTextFile(args.file, text) != 0) {
        output.message("cannot read " + args.file);
        return kExitUsage;
    }
    SettingsFile file;
    std::string error;
    if (parseSettingsFile(text, file, error) != 0) {
        output.message(args.file + ": " + error);
        return kExitUsage;
    }
    ActiveMonitor monitor(1);
    ListedMonitor row;
    if (const int opened = openListedMonitor(monitor, args.monitor, false, row, output);
        opened != 0) {
        return opened;
    }
    const uint32_t id = monitor.identityFields().monitorId;
    if (file.monitorId != id && !args.force) {
        char ids[64];
        std::snprintf(ids, sizeof ids, "%08X, monitor %d is %08X",
                      static_cast<unsigned>(file.monitorId), args.monitor,
                      static_cast<unsigned>(id));
        output.message(args.file + " was made for monitor ID " + ids + "; /force loads it anyway");
        return kExitNoMonitor;
    }
    if (checkRecords(monitor, file, output) != kExitDone ||
        writeRecords(monitor, file, output) != kExitDone) {
        return kExitFailure;
    }
    if (const int result = monitor.finishWrites(args.store); result != 0) {
        output.message("storing the settings failed: " + failureReason(result));
        return kExitFailure;
    }
    return kExitDone;
}
