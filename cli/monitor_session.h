// The steps every monitor command shares: the monitor of /monitor N opened
// for its identity only, records as tab-separated lines, and failures
// reported in words from the link's error codes.
#pragma once

#include <string>

#include "app/monitor_list.h"
#include "cli/command_output.h"
#include "monitor/active_monitor.h"

// Opens the Nth listed monitor for its identity only. kExitDone with `row`
// filled (its label only when `label` is asked for: finding the Windows
// name costs a display-device enumeration), kExitNoMonitor when there is
// no such monitor, or kExitFailure when it stopped answering since it was
// listed, each with a message.
[[nodiscard]] int openListedMonitor(ActiveMonitor& monitor, int number, bool label,
                                    ListedMonitor& row, CommandOutput& output);

// Fields joined by tabs.
[[nodiscard]] std::string tabbed(std::initializer_list<std::string> fields);

// "reply checksum wrong (error -20)": a failure of readCode, writeCode or
// finishWrites in words.
[[nodiscard]] std::string failureReason(int result);

// "code 10: reading failed: reply checksum wrong (error -20)".
void reportCodeFailure(CommandOutput& output, int code, const char* step, int result);

// Reads a control for a command; reports a failure. 0 or the failure.
[[nodiscard]] int readForCommand(ActiveMonitor& monitor, int code, int& value, int& maximum,
                                 CommandOutput& output);

// Reads a control about to get `value`: a value above its maximum is
// refused (reported) before anything is written. 0 or the failure.
[[nodiscard]] int readForValue(ActiveMonitor& monitor, int code, int value, int& current,
                               int& maximum, CommandOutput& output);

// Writes a control and reads it back: 0 with the value now in effect in
// `now` (and the maximum updated), or the failure, reported.
[[nodiscard]] int writeAndReadBack(ActiveMonitor& monitor, int code, int value, int& maximum,
                                   int& now, CommandOutput& output);
