// The output of a command started from a console, a script or a shortcut:
// records to the standard output and messages to the standard error, each
// either redirected (a file or a pipe gets UTF-8 bytes) or, for a program
// without a console of its own, the console of the process that started it
// (written as Unicode, so Japanese labels show whatever its code page).
#pragma once

#include <string_view>

#include "cli/command_output.h"
#include "platform/win32.h"

class ConsoleOutput final : public CommandOutput {
  public:
    ConsoleOutput();
    ~ConsoleOutput() override;
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    void record(std::string_view line) override;
    void message(std::string_view line) override;

  private:
    HANDLE records_ = nullptr;
    HANDLE messages_ = nullptr;
    HANDLE console_ = INVALID_HANDLE_VALUE;  // CONOUT$ of the parent's console, when opened
};
