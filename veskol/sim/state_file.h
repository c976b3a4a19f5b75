// The simulated monitors' non-volatile memory between runs (VESKOL_STATE).
// Plain text, one saved value a line:
//     <interface> <profile> <code as 4 hex digits> <value in decimal>
// separated by single spaces; '#' starts a comment line. The file is always
// written whole to a temporary file and renamed over the old one, so a crash
// while saving leaves the old file or the new one, never half of either.
// Reading is all-or-nothing: a file whose last line is cut short or that
// holds a line which cannot be read gives no saved values at all (factory
// settings), never a partly applied file.
#pragma once

#include <map>
#include <string>

namespace veskol {

struct MonitorKey {
    int interfaceIndex;
    std::string profile;
    auto operator<=>(const MonitorKey&) const = default;
};

using SavedValues = std::map<int, int>;  // VCP code (page * 256 + code) -> value
using SavedState = std::map<MonitorKey, SavedValues>;

// Parses the file's text; false (and `out` empty) when any line is malformed
// or the text does not end with a line break.
[[nodiscard]] bool parseState(const std::string& text, SavedState& out);
[[nodiscard]] std::string formatState(const SavedState& state);

class StateFile {
  public:
    explicit StateFile(std::string path) : path_(std::move(path)) {}

    // Reads the file; a missing or bad file leaves no saved values.
    void load();
    [[nodiscard]] const SavedValues* find(const MonitorKey& key) const;
    // Forgets a monitor whose saved values do not fit its profile.
    void drop(const MonitorKey& key) { state_.erase(key); }
    // Records the monitor's whole store and rewrites the file atomically.
    [[nodiscard]] bool store(const MonitorKey& key, const SavedValues& values);
    [[nodiscard]] const std::string& path() const { return path_; }

  private:
    std::string path_;
    SavedState state_;
};

// Writes `text` to `path` through a temporary file and a rename.
[[nodiscard]] bool writeFileAtomically(const std::string& path, const std::string& text);

}  // namespace veskol
