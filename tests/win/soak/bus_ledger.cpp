#include "tests/win/soak/bus_ledger.h"

#include <sstream>
#include <vector>

#include "veskol/simulator_api.h"

namespace {

constexpr int kSetVcp = 0x03;
constexpr int kGetVcpReply = 0x02;
constexpr int kPagedSet = 0xC8;
constexpr int kPagedReply = 0xC7;
constexpr int kSaveSettings = 0x0C;
constexpr int kVendorQuery = 0xC0;
constexpr int kVendorStore = 0x06;
constexpr int kVendorStoreEnd = 0x05;

// Writes after which the program takes the colour controls' values as new
// baselines: preset, picture-mode and window-mode switches and the colour
// reset. The other actions leave the baselines where they were (Cancel
// undoes a geometry reset too).
// One-shot actions: degauss, resets, automatic adjustments. What they make
// the monitor change shows in the program's re-reads, not in the write.
bool isAction(int code) {
    return code == 0x00 || code == 0x04 || code == 0x06 || code == 0x08 || code == 0x1E ||
           code == 0xB1;
}

bool movesBaselines(int code) {
    switch (code) {
        case 0x08:
        case 0x14:
        case 0xD8:
        case 0xF9:
            return true;
        default:
            return false;
    }
}
constexpr int kMonitorSource = 0x6E;
constexpr int kReplyChecksumSeed = 0x50;

int word(const std::vector<int>& bytes, size_t at) {
    return (bytes[at] << 8) | bytes[at + 1];
}

// A reply the program could believe: from the monitor, `payload` bytes as
// its length byte announces, the checksum right.
bool wellFormedReply(const std::vector<int>& bytes, int payload) {
    if (bytes.size() < static_cast<size_t>(payload) + 3 || bytes[0] != kMonitorSource ||
        bytes[1] != (0x80 | payload)) {
        return false;
    }
    int sum = kReplyChecksumSeed;
    for (int i = 0; i < payload + 2; ++i) {
        sum ^= bytes[static_cast<size_t>(i)];
    }
    return sum == bytes[static_cast<size_t>(payload) + 2];
}

}  // namespace

void BusLedger::reset() {
    *this = BusLedger();
}

void BusLedger::absorb() {
    char line[512];
    while (VeskolSimFrame(position_, line, sizeof line) >= 0) {
        absorbLine(line, VeskolSimFrameTaken(position_) != 0);
        ++position_;
    }
}

void BusLedger::startEpisode(int iface) {
    written_[iface].clear();
    EpisodeState& episode = episodes_[iface];
    episode = EpisodeState();
    for (const auto& [key, value] : latest_) {
        if (key.first == iface && !isAction(key.second)) {
            episode.baselines[key.second] = {value, 0};
        }
    }
}

void BusLedger::noteWrite(int iface, int code, int value, bool taken) {
    note(iface, code, value, taken ? 'W' : 'w');
    written_[iface].insert(code);
    lastTaken_[{iface, code}] = taken;
    events_.push_back({position_, iface, code, taken});
    ++writes_;
    if (!taken) {
        return;
    }
    EpisodeState& episode = episodes_[iface];
    if (movesBaselines(code)) {
        ++episode.era;
        episode.changed.clear();
    } else if (!isAction(code)) {
        episode.changed.insert(code);
        episode.lastTakenWrite = position_;
    }
}

// A read of a control nobody changed gives its baseline. A read that finds
// a changed control moved by the monitor itself (a reset, an automatic
// adjustment) makes the value before it the one Cancel puts back: Cancel
// undoes what the monitor's action did.
void BusLedger::noteRead(int iface, int code, int value) {
    const std::optional<int> before = latest(iface, code);
    note(iface, code, value, 'R');
    EpisodeState& episode = episodes_[iface];
    if (!episode.changed.count(code)) {
        episode.baselines[code] = {value, episode.era};
    } else if (before && *before != value) {
        episode.baselines[code] = {*before, episode.era, value};
    }
}

void BusLedger::note(int iface, int code, int value, char kind) {
    if (kind != 'w') {
        latest_[{iface, code}] = value;
    }
    std::string& history = history_[{iface, code}];
    history += kind;
    history += std::to_string(value);
    history += ' ';
}

// "ms W|R interface address bytes..." (hex). Frames: source or destination
// byte, length byte, payload from index 2, checksum.
void BusLedger::absorbLine(const std::string& line, bool taken) {
    std::istringstream fields(line);
    long ms = 0;
    char direction = 0;
    int iface = 0;
    std::string address;
    fields >> ms >> direction >> iface >> address;
    std::vector<int> bytes;
    std::string hex;
    while (fields >> hex) {
        bytes.push_back(std::stoi(hex, nullptr, 16));
    }
    if (bytes.size() < 4) {
        return;
    }
    const int opcode = bytes[2];
    if (direction == 'W' && address == "6E") {
        int code = -1;
        int value = 0;
        if (opcode == kSetVcp && bytes.size() >= 7) {
            code = bytes[3];
            value = word(bytes, 4);
        } else if (opcode == kPagedSet && bytes.size() >= 8) {
            code = bytes[3] * 256 + bytes[4];
            value = word(bytes, 5);
        } else if (opcode == kSaveSettings) {
            events_.push_back({position_, iface, -1, taken});
        } else if (opcode == kVendorQuery) {
            noteVendorQuery(iface, bytes[3], taken);
        }
        if (code >= 0) {
            noteWrite(iface, code, value, taken);
        }
    } else if (direction == 'R' && address == "6F") {
        // Result byte 0: the monitor has the control and says its value.
        if (opcode == kGetVcpReply && wellFormedReply(bytes, 8) && bytes[3] == 0) {
            noteRead(iface, bytes[4], word(bytes, 8));
        } else if (opcode == kPagedReply && wellFormedReply(bytes, 9) && bytes[3] == 0) {
            noteRead(iface, bytes[4] * 256 + bytes[5], word(bytes, 9));
        }
    }
}

// The vendor store is two queries; the monitor stores when it takes both.
void BusLedger::noteVendorQuery(int iface, int subcode, bool taken) {
    int& pending = episodes_[iface].pendingVendorStore;
    if (subcode == kVendorStore) {
        pending = static_cast<int>(events_.size());
        events_.push_back({position_, iface, -1, false});
        storeFirstStepTaken_ = taken;
    } else if (subcode == kVendorStoreEnd && pending >= 0) {
        events_[static_cast<size_t>(pending)].taken = storeFirstStepTaken_ && taken;
        pending = -1;
    }
}

std::map<int, BusLedger::Expected> BusLedger::changedSinceBaseline(int iface) const {
    std::map<int, Expected> out;
    auto it = episodes_.find(iface);
    if (it == episodes_.end()) {
        return out;
    }
    const EpisodeState& episode = it->second;
    for (int code : episode.changed) {
        auto baseline = episode.baselines.find(code);
        if (baseline != episode.baselines.end() && baseline->second.era == episode.era) {
            out[code] = {baseline->second.value, baseline->second.otherwise};
        }
    }
    return out;
}

int BusLedger::lastTakenWrite(int iface) const {
    auto it = episodes_.find(iface);
    return it == episodes_.end() ? -1 : it->second.lastTakenWrite;
}

std::optional<int> BusLedger::latest(int iface, int code) const {
    auto it = latest_.find({iface, code});
    return it == latest_.end() ? std::nullopt : std::optional<int>(it->second);
}

std::set<int> BusLedger::takenSince(int iface, int since) const {
    std::set<int> codes;
    for (const Event& event : events_) {
        if (event.position >= since && event.iface == iface && event.code >= 0 && event.taken) {
            codes.insert(event.code);
        }
    }
    return codes;
}

BusLedger::Stores BusLedger::storesSince(int iface, int since) const {
    Stores stores;
    for (const Event& event : events_) {
        if (event.position >= since && event.iface == iface && event.code < 0) {
            ++stores.sent;
            stores.taken += event.taken ? 1 : 0;
        }
    }
    return stores;
}

std::string BusLedger::history(int iface, int code) const {
    auto it = history_.find({iface, code});
    return it == history_.end() ? std::string() : it->second;
}

bool BusLedger::lastWriteTaken(int iface, int code) const {
    auto it = lastTaken_.find({iface, code});
    return it != lastTaken_.end() && it->second;
}
