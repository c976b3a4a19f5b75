// Where a command's output goes: records (one a line, the answer a script
// parses) and messages (failures and usage, for people). The program writes
// them to the console or to redirected files; tests keep them.
#pragma once

#include <string_view>

class CommandOutput {
  public:
    virtual ~CommandOutput() = default;
    // One record, UTF-8, without its line end.
    virtual void record(std::string_view line) = 0;
    // One message line, UTF-8, without its line end.
    virtual void message(std::string_view line) = 0;
};
