#include "cli/dump_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

#include "cli/arguments.h"
#include "monitor/control_table.h"

namespace {

constexpr std::string_view kMonitorIdKey = "monitor-id";
constexpr std::string_view kSerialKey = "serial";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Splits at runs of blanks and tabs.
std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        const size_t start = line.find_first_not_of(" \t", i);
        if (start == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        out.push_back(line.substr(start, end - start));
        i = end;
    }
    return out;
}

bool parseMonitorId(std::string_view text, uint32_t& id) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, id, 16);
    return !text.empty() && text.size() <= 8 && error == std::errc() && stop == end;
}

}  // namespace

std::string formatSettingsFile(const SettingsFile& file, std::string_view label,
                               std::string_view date) {
    char id[16];
    std::snprintf(id, sizeof id, "%08X", static_cast<unsigned>(file.monitorId));
    std::string out = "# Lumetra: the settings of " + std::string(label) + "\n";
    out += "# written " + std::string(date) + "\n";
    out += "# lumetra /load FILE writes them back to the monitor with this monitor ID.\n";
    out += std::string(kMonitorIdKey) + " " + id + "\n";
    out += std::string(kSerialKey) + " " + file.serial + "\n";
    out += "# code value maximum\n";
    for (const SettingsRecord& record : file.records) {
        out += formatVcpCode(record.code) + " " + std::to_string(record.value) + " " +
               std::to_string(record.maximum) + "\n";
    }
    return out;
}

int parseSettingsFile(std::string_view text, SettingsFile& out, std::string& error) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    SettingsFile file;
    bool idSeen = false;
    std::set<int> codes;
    int lineNumber = 0;
    auto fail = [&](const std::string& reason) {
        error = "line " + std::to_string(lineNumber) + ": " + reason;
        return -1;
    };
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string_view> parts = fields(line);
        if (parts[0] == kMonitorIdKey) {
            if (parts.size() != 2 || !parseMonitorId(parts[1], file.monitorId)) {
                return fail("monitor-id needs eight hexadecimal digits");
            }
            idSeen = true;
            continue;
        }
        if (parts[0] == kSerialKey) {
            file.serial = trimmed(line.substr(kSerialKey.size()));
            continue;
        }
        SettingsRecord record;
        if (parts.size() != 3 || parseVcpCode(parts[0], record.code) != 0 ||
            parseVcpValue(parts[1], record.value) != 0 ||
            parseVcpValue(parts[2], record.maximum) != 0) {
            return fail("expected CODE VALUE MAXIMUM");
        }
        if (isActionVcpCode(record.code)) {
            return fail("code " + formatVcpCode(record.code) + " is an action, not a setting");
        }
        if (record.value > record.maximum) {
            return fail("value above its maximum");
        }
        if (!codes.insert(record.code).second) {
            return fail("code " + formatVcpCode(record.code) + " given twice");
        }
        file.records.push_back(record);
    }
    if (!idSeen) {
        error = "no monitor-id line";
        return -1;
    }
    out = std::move(file);
    return 0;
}
