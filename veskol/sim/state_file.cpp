#include "veskol/sim/state_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace veskol {
namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Profile names are written back with the rest of the line, so only visible
// ASCII survives a store unchanged.
bool isNameCharacter(char c) {
    return c > ' ' && c < 0x7F;
}

bool allOf(const std::string& text, bool (*test)(char)) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!test(c)) {
            return false;
        }
    }
    return true;
}

bool parseLine(const std::string& line, MonitorKey& key, int& code, int& value) {
    // Exactly four fields separated by single spaces.
    std::string fields[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t space = line.find(' ', start);
        const bool last = i == 3;
        if (last != (space == std::string::npos)) {
            return false;
        }
        fields[i] = line.substr(start, last ? std::string::npos : space - start);
        start = space + 1;
    }
    if (!allOf(fields[0], isDigit) || fields[0].size() > 4 || !allOf(fields[1], isNameCharacter) ||
        fields[2].size() != 4 || !allOf(fields[2], isHexDigit) || !allOf(fields[3], isDigit) ||
        fields[3].size() > 5) {
        return false;
    }
    key.interfaceIndex = std::atoi(fields[0].c_str());
    key.profile = fields[1];
    code = static_cast<int>(std::strtol(fields[2].c_str(), nullptr, 16));
    value = std::atoi(fields[3].c_str());
    return value <= 0xFFFF;
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace

bool parseState(const std::string& text, SavedState& out) {
    out.clear();
    if (text.empty()) {
        return true;
    }
    if (text.back() != '\n') {
        return false;  // cut short while it was being written
    }
    SavedState state;
    std::stringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        MonitorKey key;
        int code = 0;
        int value = 0;
        if (!parseLine(line, key, code, value)) {
            return false;
        }
        state[key][code] = value;
    }
    out = std::move(state);
    return true;
}

std::string formatState(const SavedState& state) {
    std::string text = "# simulated monitors' saved settings: interface profile code value\n";
    // The name is appended as it stands, never through a fixed-size line,
    // so however long it is the line is written back whole.
    for (const auto& [key, values] : state) {
        for (const auto& [code, value] : values) {
            char hexCode[8];
            std::snprintf(hexCode, sizeof hexCode, "%04X", code & 0xFFFF);
            text += std::to_string(key.interfaceIndex) + ' ' + key.profile + ' ' + hexCode + ' ' +
                    std::to_string(value) + '\n';
        }
    }
    return text;
}

bool writeFileAtomically(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out << text;
        out.flush();
        if (!out) {
            return false;
        }
    }
#ifdef _WIN32
    return MoveFileExA(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(temporary.c_str(), path.c_str()) == 0;
#endif
}

void StateFile::load() {
    state_.clear();
    std::string text;
    if (readFile(path_, text)) {
        (void)parseState(text, state_);  // a bad file leaves factory settings
    }
}

const SavedValues* StateFile::find(const MonitorKey& key) const {
    auto it = state_.find(key);
    return it == state_.end() ? nullptr : &it->second;
}

bool StateFile::store(const MonitorKey& key, const SavedValues& values) {
    state_[key] = values;
    return writeFileAtomically(path_, formatState(state_));
}

}  // namespace veskol
