// The commands of lumetra.exe's command line: /list, /get, /set, /dump,
// /load and /help. They reach the monitors only through the monitor list and
// ActiveMonitor, so they work on whichever backend VESKOL.dll has. /get and
// /set open the monitor for its identity only and talk to the codes asked
// for; /dump and /load read the whole control table.
#pragma once

#include "cli/arguments.h"
#include "cli/command_output.h"

// Runs `args` and returns the exit code (kExitDone ... kExitFailure).
[[nodiscard]] int runCommand(const Arguments& args, CommandOutput& output);
