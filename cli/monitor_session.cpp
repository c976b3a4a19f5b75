#include "cli/monitor_session.h"

#include "cli/arguments.h"
#include "link/display_interface.h"
#include "link/link_errors.h"

int openListedMonitor(ActiveMonitor& monitor, int number, bool label, ListedMonitor& row,
                      CommandOutput& output) {
    const std::vector<ListedMonitor> rows =
        listMonitors(monitor, kInterfaceSelector, {.limit = number, .labels = label});
    if (static_cast<int>(rows.size()) < number) {
        output.message("no monitor " + std::to_string(number) + ": " + std::to_string(rows.size()) +
                       " listed");
        return kExitNoMonitor;
    }
    row = rows.back();
    (void)monitor.openMonitor(row.interfaceIndex, false);
    if (monitor.identityFields().monitorId != row.identity.monitorId) {
        output.message("monitor " + std::to_string(number) + " no longer answers");
        return kExitFailure;
    }
    return kExitDone;
}

std::string tabbed(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty()) {
            line += '\t';
        }
        line += field;
    }
    return line;
}

std::string failureReason(int result) {
    if (result == kCodeWithoutValue) {
        return "the monitor holds no value for this code";
    }
    if (result == kCodeLocked) {
        return "the monitor keeps it fixed in its current preset";
    }
    return std::string(linkErrorMeaning(result)) + " (error " + std::to_string(result) + ")";
}

void reportCodeFailure(CommandOutput& output, int code, const char* step, int result) {
    output.message("code " + formatVcpCode(code) + ": " + step +
                   " failed: " + failureReason(result));
}

int readForCommand(ActiveMonitor& monitor, int code, int& value, int& maximum,
                   CommandOutput& output) {
    const int result = monitor.readCode(code, value, maximum);
    if (result != 0) {
        reportCodeFailure(output, code, "reading", result);
    }
    return result;
}

int readForValue(ActiveMonitor& monitor, int code, int value, int& current, int& maximum,
                 CommandOutput& output) {
    if (const int result = readForCommand(monitor, code, current, maximum, output); result != 0) {
        return result;
    }
    if (value > maximum) {
        output.message("code " + formatVcpCode(code) + ": value " + std::to_string(value) +
                       " is above the maximum " + std::to_string(maximum) + "; nothing written");
        return kCodeWithoutValue;
    }
    return 0;
}

int writeAndReadBack(ActiveMonitor& monitor, int code, int value, int& maximum, int& now,
                     CommandOutput& output) {
    if (const int result = monitor.writeCode(code, value, maximum); result != 0) {
        reportCodeFailure(output, code, "writing", result);
        return result;
    }
    // Written, but only a value read back is reported as in effect.
    const int result = monitor.readCode(code, now, maximum);
    if (result != 0) {
        reportCodeFailure(output, code, "reading back after writing", result);
    } else if (now != value) {
        output.message("code " + formatVcpCode(code) + ": asked for " + std::to_string(value) +
                       ", the monitor holds " + std::to_string(now));
    }
    return result;
}
