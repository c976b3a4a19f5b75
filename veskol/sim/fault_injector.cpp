#include "veskol/sim/fault_injector.h"

#include <cstdlib>
#include <sstream>

namespace veskol {
namespace {

bool parseLong(const std::string& text, long& out) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0') {
        return false;
    }
    out = value;
    return true;
}

bool parseKind(const std::string& text, Fault& out) {
    static const struct {
        const char* name;
        Fault fault;
    } kKinds[] = {{"nak", Fault::Nak},
                  {"checksum", Fault::Checksum},
                  {"truncate", Fault::Truncate},
                  {"wrong", Fault::Wrong},
                  {"null", Fault::Null},
                  {"none", Fault::None}};  // a reply left alone between queued faults
    for (const auto& kind : kKinds) {
        if (text == kind.name) {
            out = kind.fault;
            return true;
        }
    }
    return false;
}

}  // namespace

void FaultInjector::reset() {
    *this = FaultInjector();
}

bool FaultInjector::configure(const std::string& spec) {
    FaultInjector next;
    std::stringstream items(spec);
    std::string item;
    while (std::getline(items, item, ',')) {
        if (item.empty()) {
            continue;
        }
        const size_t equals = item.find('=');
        if (equals == std::string::npos) {
            return false;
        }
        const std::string key = item.substr(0, equals);
        const std::string value = item.substr(equals + 1);
        long number = 0;
        if (key == "next") {
            const size_t star = value.find('*');
            Fault kind = Fault::None;
            long count = 1;
            if (!parseKind(value.substr(0, star), kind) ||
                (star != std::string::npos && !parseLong(value.substr(star + 1), count)) ||
                count < 0 || count > 100000) {
                return false;
            }
            next.queued_.insert(next.queued_.end(), static_cast<size_t>(count), kind);
            continue;
        }
        if (!parseLong(value, number)) {
            return false;
        }
        const bool isRate = key != "seed" && key != "disappear" && key != "delay";
        if (isRate && (number < 0 || number > 1000)) {
            return false;
        }
        if (key == "seed") {
            next.state_ = static_cast<uint64_t>(number);
        } else if (key == "nak") {
            next.nak_ = static_cast<int>(number);
        } else if (key == "checksum") {
            next.checksum_ = static_cast<int>(number);
        } else if (key == "truncate") {
            next.truncate_ = static_cast<int>(number);
        } else if (key == "wrong") {
            next.wrong_ = static_cast<int>(number);
        } else if (key == "null") {
            next.null_ = static_cast<int>(number);
        } else if (key == "disappear") {
            next.disappearAfter_ = number;
        } else if (key == "delay") {
            if (number < 0 || number > 10000) {
                return false;
            }
            next.delayMs_ = static_cast<int>(number);
        } else {
            return false;
        }
    }
    *this = std::move(next);
    return true;
}

// splitmix64: small, fast, and the same sequence on every platform.
uint32_t FaultInjector::nextRandom() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

bool FaultInjector::roll(int perMille) {
    return perMille > 0 && static_cast<int>(nextRandom() % 1000) < perMille;
}

bool FaultInjector::countTransferAndCheckGone() {
    ++transfers_;
    return disappearAfter_ >= 0 && transfers_ > disappearAfter_;
}

Fault FaultInjector::counted(Fault fault) {
    injected_ += fault != Fault::None ? 1 : 0;
    return fault;
}

Fault FaultInjector::nextWriteFault() {
    if (!queued_.empty() && queued_.front() == Fault::Nak) {
        queued_.pop_front();
        return counted(Fault::Nak);
    }
    return counted(roll(nak_) ? Fault::Nak : Fault::None);
}

Fault FaultInjector::nextReadFault() {
    if (!queued_.empty() && queued_.front() != Fault::Nak) {
        const Fault fault = queued_.front();
        queued_.pop_front();
        return counted(fault);
    }
    if (roll(checksum_)) {
        return counted(Fault::Checksum);
    }
    if (roll(truncate_)) {
        return counted(Fault::Truncate);
    }
    if (roll(wrong_)) {
        return counted(Fault::Wrong);
    }
    return counted(roll(null_) ? Fault::Null : Fault::None);
}

void FaultInjector::corruptReply(Fault fault, uint8_t* frame, int length) {
    if (length < 3) {
        return;
    }
    const int payload = frame[1] & 0x7F;
    // Puts the checksum of a frame announcing `announced` payload bytes in
    // its place, when the reader's buffer reaches that far.
    auto reseal = [&](int announced) {
        uint8_t sum = 0x50;
        for (int i = 0; i < announced + 2 && i < length; ++i) {
            sum ^= frame[i];
        }
        if (announced + 2 < length) {
            frame[announced + 2] = sum;
        }
    };
    switch (fault) {
        case Fault::Checksum:
            if (payload + 2 < length) {
                frame[payload + 2] ^= 0x5A;
            }
            break;
        case Fault::Truncate:
            // The monitor stops early: the length byte announces one byte less
            // than it carries, with a checksum that fits the shorter frame.
            if (payload > 0) {
                frame[1] = static_cast<uint8_t>(0x80 | (payload - 1));
                reseal(payload - 1);
            }
            break;
        case Fault::Wrong:
            // A well-formed reply to some other request: opcode changed.
            if (payload > 0) {
                frame[2] ^= 0x80;
                reseal(payload);
            }
            break;
        case Fault::Null:
            frame[1] = 0x80;
            frame[2] = 0x50 ^ frame[0] ^ 0x80;
            break;
        default:
            break;
    }
}

}  // namespace veskol
