// /dump and /load, dispatched by runCommand.
#pragma once

#include "cli/arguments.h"
#include "cli/command_output.h"

[[nodiscard]] int runDumpCommand(const Arguments& args, CommandOutput& output);
[[nodiscard]] int runLoadCommand(const Arguments& args, CommandOutput& output);
