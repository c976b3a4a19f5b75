// The settings file of /dump and /load: a commented text that names the
// monitor and lists its controls, one a line, in the order in which writing
// them back restores the monitor. For example:
//
//   # Lumetra: the settings of 1. QRVモニター (QRV G17)
//   # written 2026-12-07 21:30 UTC
//   monitor-id 56462017
//   serial QV7A012345
//   # code value maximum
//   14 5 11
//   10 50 100
//   p02:10 3 10
//
// "#" starts a comment line; blank lines are ignored.
// Depends on: the standard library only. Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SettingsRecord {
    int code = 0;  // page * 256 + code
    int value = 0;
    int maximum = 0;
};

struct SettingsFile {
    uint32_t monitorId = 0;
    std::string serial;  // informative; /load does not compare it
    std::vector<SettingsRecord> records;
};

// The file's text (UTF-8, "\n" line ends). `label` names the monitor and
// `date` the moment in the comment at the top.
[[nodiscard]] std::string formatSettingsFile(const SettingsFile& file, std::string_view label,
                                             std::string_view date);

// Reads a file's text (line ends "\n" or "\r\n", a UTF-8 byte-order mark
// allowed). 0 and `out`, or -1 with "line N: reason" in `error`. A file
// without "monitor-id", with a code twice or with a value above its
// maximum is refused.
[[nodiscard]] int parseSettingsFile(std::string_view text, SettingsFile& out, std::string& error);
