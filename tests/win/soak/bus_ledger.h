// What crossed the simulated bus during a soak session, read from the
// simulator's frame record: every value the program wrote or the monitor
// reported for each control, the controls written since a point, and the
// number of writes. The soak checks the program's own picture of every
// control against it.
#pragma once

#include <map>
#include <set>
#include <string>

class BusLedger {
  public:
    // Starts a new session: forgets everything (the frame record is cleared
    // by the simulator's configuration).
    void reset();
    // Reads the frames recorded since the last call.
    void absorb();
    // Starts an episode on `iface` (a monitor opened): the written set empties.
    void startEpisode(int iface) { written_[iface].clear(); }

    // Whether `value` for `code` (page * 256 + code) on `iface` was written
    // by the program or reported by the monitor this session.
    [[nodiscard]] bool seen(int iface, int code, int value) const;
    // Codes written on `iface` since its episode started.
    [[nodiscard]] const std::set<int>& written(int iface) { return written_[iface]; }
    [[nodiscard]] long writes() const { return writes_; }
    // Whether the monitor took the last write of `code` (false: refused).
    [[nodiscard]] bool lastWriteTaken(int iface, int code) const;
    // The writes and reports of `code` this session, in order ("W5 R5 ...",
    // a refused write as "w5"), for failure reports.
    [[nodiscard]] std::string history(int iface, int code) const;

  private:
    void absorbLine(const std::string& line, bool taken);
    void note(int iface, int code, int value, char kind) {
        values_[{iface, code}].insert(value);
        std::string& history = history_[{iface, code}];
        history += kind;
        history += std::to_string(value);
        history += ' ';
    }

    int position_ = 0;
    long writes_ = 0;
    std::map<std::pair<int, int>, std::set<int>> values_;
    std::map<int, std::set<int>> written_;
    std::map<std::pair<int, int>, std::string> history_;
    std::map<std::pair<int, int>, bool> lastTaken_;
};
