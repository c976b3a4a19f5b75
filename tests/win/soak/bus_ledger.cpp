#include "tests/win/soak/bus_ledger.h"

#include <sstream>
#include <vector>

#include "veskol/simulator_api.h"

namespace {

constexpr int kSetVcp = 0x03;
constexpr int kGetVcpReply = 0x02;
constexpr int kPagedSet = 0xC8;
constexpr int kPagedReply = 0xC7;

int word(const std::vector<int>& bytes, size_t at) {
    return (bytes[at] << 8) | bytes[at + 1];
}

}  // namespace

void BusLedger::reset() {
    position_ = 0;
    writes_ = 0;
    values_.clear();
    written_.clear();
    history_.clear();
    lastTaken_.clear();
}

void BusLedger::absorb() {
    char line[512];
    while (VeskolSimFrame(position_, line, sizeof line) >= 0) {
        absorbLine(line, VeskolSimFrameTaken(position_) != 0);
        ++position_;
    }
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
        }
        if (code >= 0) {
            note(iface, code, value, taken ? 'W' : 'w');
            written_[iface].insert(code);
            lastTaken_[{iface, code}] = taken;
            ++writes_;
        }
    } else if (direction == 'R' && address == "6F") {
        if (opcode == kGetVcpReply && bytes.size() >= 11) {
            note(iface, bytes[4], word(bytes, 8), 'R');
        } else if (opcode == kPagedReply && bytes.size() >= 12) {
            note(iface, bytes[4] * 256 + bytes[5], word(bytes, 9), 'R');
        }
    }
}

bool BusLedger::seen(int iface, int code, int value) const {
    auto it = values_.find({iface, code});
    return it != values_.end() && it->second.count(value) != 0;
}

std::string BusLedger::history(int iface, int code) const {
    auto it = history_.find({iface, code});
    return it == history_.end() ? std::string() : it->second;
}

bool BusLedger::lastWriteTaken(int iface, int code) const {
    auto it = lastTaken_.find({iface, code});
    return it != lastTaken_.end() && it->second;
}
