// A bus device for tests that plays back exactly the replies a test queues
// and records every transfer, installed on a simulated interface in place of
// a simulated monitor. Replies are framed (source, length, checksum) unless
// queued raw; when the queue is empty the device answers with its default
// (a null message unless changed).
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "link/bus_transport.h"
#include "veskol/sim/sim_bus.h"
#include "veskol/sim/sim_device.h"

struct Transfer {
    uint8_t address;
    std::vector<uint8_t> bytes;
};

class ScriptedDevice : public veskol::SimDevice {
  public:
    // Framed reply: 6E, 80|N, payload, checksum.
    static std::vector<uint8_t> frame(const std::vector<uint8_t>& payload) {
        std::vector<uint8_t> raw = {0x6E, static_cast<uint8_t>(0x80 | payload.size())};
        raw.insert(raw.end(), payload.begin(), payload.end());
        raw.push_back(ddcChecksum(0x50, raw.data(), static_cast<int>(raw.size())));
        return raw;
    }

    void queueReply(const std::vector<uint8_t>& payload) { queueRaw(frame(payload)); }
    void queueRaw(std::vector<uint8_t> raw) { replies_.push_back({0, std::move(raw)}); }
    void queueNull() { queueReply({}); }
    void queueReadError(int code) { replies_.push_back({code, {}}); }
    void setDefaultReply(const std::vector<uint8_t>& payload) { default_ = frame(payload); }
    void failWrites(int code, int count) {
        writeError_ = code;
        failingWrites_ = count;
    }
    void setEdid(const std::vector<uint8_t>& edid) { edid_ = edid; }

    int write(uint8_t address, const uint8_t* data, int length) override {
        writes.push_back({address, std::vector<uint8_t>(data, data + length)});
        if (failingWrites_ != 0) {
            if (failingWrites_ > 0) {
                --failingWrites_;
            }
            return writeError_;
        }
        if (address == 0xA0 && length >= 1) {
            edidOffset_ = data[0];
        }
        return 0;
    }

    int read(uint8_t address, uint8_t* buffer, int length) override {
        ++readCount;
        if (address == 0xA1) {
            copyOut(edid_, static_cast<size_t>(edidOffset_), buffer, length);
            return 0;
        }
        std::vector<uint8_t> raw = default_;
        if (!replies_.empty()) {
            Reply next = std::move(replies_.front());
            replies_.pop_front();
            if (next.error != 0) {
                return next.error;
            }
            raw = std::move(next.raw);
        }
        copyOut(raw, 0, buffer, length);
        return 0;
    }

    // Frames sent to 0x6E, as payloads (opcode first), for easy comparison.
    std::vector<std::vector<uint8_t>> sentPayloads() const {
        std::vector<std::vector<uint8_t>> out;
        for (const Transfer& t : writes) {
            if (t.address == 0x6E && t.bytes.size() >= 3) {
                out.emplace_back(t.bytes.begin() + 2, t.bytes.end() - 1);
            }
        }
        return out;
    }

    std::vector<Transfer> writes;
    int readCount = 0;

  private:
    // `length` bytes of `bytes` from `offset`, zeros past its end.
    static void copyOut(const std::vector<uint8_t>& bytes, size_t offset, uint8_t* buffer,
                        int length) {
        for (int i = 0; i < length; ++i) {
            const size_t at = offset + static_cast<size_t>(i);
            buffer[i] = at < bytes.size() ? bytes[at] : 0;
        }
    }

    struct Reply {
        int error;
        std::vector<uint8_t> raw;
    };
    std::deque<Reply> replies_;
    std::vector<uint8_t> default_ = frame({});
    std::vector<uint8_t> edid_;
    int edidOffset_ = 0;
    int writeError_ = 0;
    int failingWrites_ = 0;
};

// Makes interface `index`'s information record say that its library
// carries whole transactions with their waits.
inline void markWholeTransactions(int index) {
    auto guard = veskol::SimBus::instance().lock();
    veskol::SimBus::instance().at(index)->wholeTransactions = true;
}

// Installs a fresh ScriptedDevice on interface 0 (no simulated monitors).
inline ScriptedDevice& installScriptedDevice() {
    auto device = std::make_unique<ScriptedDevice>();
    ScriptedDevice& ref = *device;
    veskol::SimBus::instance().configure("", "", "");
    veskol::SimBus::instance().installDevice(0, std::move(device));
    return ref;
}
