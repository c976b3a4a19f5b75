// lumetra.exe started with arguments: one command for a script, a shortcut
// or a scheduled task, run without the window (and without the rule that
// brings a running window forward), ending with the command's exit code.
#pragma once

// Whether the program was started with arguments.
[[nodiscard]] bool commandLineGiven();

// Parses the program's arguments and runs the command, writing to the
// console it was started from or to redirected output. Returns the exit
// code; a wrong argument prints the reason and the usage and returns 1.
[[nodiscard]] int runCommandLine();
