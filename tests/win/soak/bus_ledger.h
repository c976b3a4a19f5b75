// What crossed the simulated bus during a soak session, read from the
// simulator's frame record: the latest value of each control that the
// monitor took from the program or reported in a well-formed reply, the
// controls written since a point, the store commands sent, and the number
// of writes. The soak checks what the program shows, and what the monitor
// stored, against it.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class BusLedger {
  public:
    // Starts a new session: forgets everything (the frame record is cleared
    // by the simulator's configuration).
    void reset();
    // Reads the frames recorded since the last call.
    void absorb();
    // Starts an episode on `iface` (a monitor opened): the written set
    // empties, and what the bus carried last is every control's baseline.
    void startEpisode(int iface);

    // The value of `code` (page * 256 + code) on `iface` that the bus carried
    // last: a write the monitor took or a well-formed reply. None when the
    // bus carried no value for it this session.
    [[nodiscard]] std::optional<int> latest(int iface, int code) const;
    // Codes written on `iface` since its episode started (taken or refused).
    [[nodiscard]] const std::set<int>& written(int iface) { return written_[iface]; }
    // Codes whose writes the monitor took on `iface`, from frame `since` on.
    [[nodiscard]] std::set<int> takenSince(int iface, int since) const;
    [[nodiscard]] long writes() const { return writes_; }
    // Frames read so far: a point to ask `takenSince` or `storesSince` from.
    [[nodiscard]] int position() const { return position_; }
    // Store commands (the MCCS save, the vendor store query) sent to `iface`
    // from frame `since` on, and how many of them the monitor took.
    struct Stores {
        int sent = 0;
        int taken = 0;
    };
    [[nodiscard]] Stores storesSince(int iface, int since) const;
    // What Cancel must put back on `iface`: each control the monitor took a
    // change of since the baselines last moved (a preset, picture or window
    // mode switch or the colour reset makes the program read new baselines),
    // with the value the bus carried before that change; only controls whose
    // baseline was read since the baselines last moved. When a re-read found
    // the monitor had moved a changed control itself, Cancel may put back
    // the value before that move or take the re-read as the new baseline
    // (the program re-reads with a new baseline without telling the bus):
    // `otherwise` is then the re-read value, else -1.
    struct Expected {
        int value;
        int otherwise;
    };
    [[nodiscard]] std::map<int, Expected> changedSinceBaseline(int iface) const;
    // Position of the last change the monitor took on `iface` this episode
    // (a switch of preset or mode is no change to store), or -1 for none.
    [[nodiscard]] int lastTakenWrite(int iface) const;
    // Whether the monitor took the last write of `code` (false: refused).
    [[nodiscard]] bool lastWriteTaken(int iface, int code) const;
    // The writes and reports of `code` this session, in order ("W5 R5 ...",
    // a refused write as "w5"), for failure reports.
    [[nodiscard]] std::string history(int iface, int code) const;

  private:
    void absorbLine(const std::string& line, bool taken);
    void note(int iface, int code, int value, char kind);

    // A control's baseline as the bus shows it: the value, and the count of
    // baseline moves before it was carried.
    struct Baseline {
        int value;
        int era;
        int otherwise = -1;
    };
    struct EpisodeState {
        int era = 0;
        int lastTakenWrite = -1;
        std::map<int, Baseline> baselines;
        std::set<int> changed;
        int pendingVendorStore = -1;  // event index of a store query awaiting its second step
    };
    void noteWrite(int iface, int code, int value, bool taken);
    void noteRead(int iface, int code, int value);
    void noteVendorQuery(int iface, int subcode, bool taken);

    struct Event {
        int position;
        int iface;
        int code;  // -1: a store command
        bool taken;
    };

    int position_ = 0;
    long writes_ = 0;
    std::map<std::pair<int, int>, int> latest_;
    std::map<int, std::set<int>> written_;
    std::map<std::pair<int, int>, std::string> history_;
    std::map<std::pair<int, int>, bool> lastTaken_;
    std::vector<Event> events_;  // writes and store commands, in order
    std::map<int, EpisodeState> episodes_;
    bool storeFirstStepTaken_ = false;
};
