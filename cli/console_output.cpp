#include "cli/console_output.h"

#include <string>

#include "app/strings.h"

namespace {

// A handle the process was given that leads somewhere (file, pipe or
// console); a windowed program started from a console gets none.
bool leadsSomewhere(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void writeLine(HANDLE handle, std::string_view line) {
    if (!leadsSomewhere(handle)) {
        return;
    }
    std::string text(line);
    DWORD mode = 0;
    DWORD done = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = fromUtf8(text) + L"\r\n";
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
        return;
    }
    text += "\r\n";
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
}

}  // namespace

ConsoleOutput::ConsoleOutput()
    : records_(GetStdHandle(STD_OUTPUT_HANDLE)), messages_(GetStdHandle(STD_ERROR_HANDLE)) {
    if (leadsSomewhere(records_) && leadsSomewhere(messages_)) {
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;  // started from a shortcut or the scheduler: only redirected output
    }
    console_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (!leadsSomewhere(records_)) {
        records_ = console_;
    }
    if (!leadsSomewhere(messages_)) {
        messages_ = console_;
    }
}

ConsoleOutput::~ConsoleOutput() {
    if (console_ != INVALID_HANDLE_VALUE) {
        CloseHandle(console_);
    }
}

void ConsoleOutput::record(std::string_view line) {
    writeLine(records_, line);
}

void ConsoleOutput::message(std::string_view line) {
    writeLine(messages_, line);
}
