#include "veskol/sim/sim_bus.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "link/clock.h"

namespace veskol {
namespace {

constexpr size_t kMaxFramesKept = 200000;

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Wine hands Unix paths through unchanged; Windows file functions want them
// on the drive that maps the Unix root.
std::string hostPath(const char* value) {
    std::string path = value ? value : "";
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
    }
#endif
    return path;
}

// Saved values must name the profile's controls and fit their ranges;
// otherwise the whole set is refused and the monitor starts from factory.
bool savedValuesFit(const SimMonitor& monitor, const SavedValues& values) {
    for (const auto& [code, value] : values) {
        int maximum = 0;
        if (!monitor.maximum(code, maximum) || value > maximum) {
            return false;
        }
    }
    return true;
}

// One name of VESKOL_SIMULATE: a profile, optionally followed by ":skip".
struct ProfileChoice {
    std::string profile;
    bool skip = false;
    std::string error;  // an option the simulator does not know
};

ProfileChoice parseProfileChoice(const std::string& name) {
    constexpr const char* kSkipOption = "skip";
    ProfileChoice choice;
    const size_t colon = name.find(':');
    choice.profile = name.substr(0, colon);
    if (colon != std::string::npos) {
        const std::string option = name.substr(colon + 1);
        if (option == kSkipOption) {
            choice.skip = true;
        } else {
            choice.error = "unknown option '" + option + "'";
        }
    }
    return choice;
}

}  // namespace

std::vector<std::string> splitProfileList(const std::string& text) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(',', start);
        const std::string name = trim(
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!name.empty() || comma != std::string::npos) {
            names.push_back(name);
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return names;
}

SimBus& SimBus::instance() {
    static SimBus bus;
    return bus;
}

SimBus::SimBus() : loadedAtMs_(nowMs()) {}

std::unique_lock<std::recursive_mutex> SimBus::lock() {
    return std::unique_lock<std::recursive_mutex>(mutex_);
}

void SimBus::configureFromEnvironment() {
    const char* simulate = std::getenv("VESKOL_SIMULATE");
    configure(simulate ? simulate : kDefaultProfiles, hostPath(std::getenv("VESKOL_STATE")),
              hostPath(std::getenv("VESKOL_LOG")));
}

void SimBus::configure(const std::string& profiles, const std::string& statePath,
                       const std::string& logPath) {
    auto guard = lock();
    configured_ = true;
    interfaces_.clear();
    frames_.clear();
    taken_.clear();
    enumeration_ = {};
    if (logFile_) {
        std::fclose(logFile_);
        logFile_ = nullptr;
    }
    if (!logPath.empty()) {
        logFile_ = std::fopen(logPath.c_str(), "a");
    }
    state_.reset();
    if (!statePath.empty()) {
        state_ = std::make_unique<StateFile>(statePath);
        state_->load();
    }

    const std::vector<std::string> names = splitProfileList(profiles);
    interfaces_.resize(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        SimInterface& iface = interfaces_[i];
        const ProfileChoice choice = parseProfileChoice(names[i]);
        iface.profileName = choice.profile;
        iface.skip = choice.skip;
        iface.error = choice.error;
        const MonitorProfile* profile = findProfile(choice.profile.c_str());
        if (!profile) {
            iface.error = "unknown profile '" + choice.profile + "'";
        }
        if (!iface.error.empty()) {
            continue;
        }
        auto monitor = std::make_unique<SimMonitor>(*profile);
        const MonitorKey key{static_cast<int>(i), choice.profile};
        if (state_) {
            if (const SavedValues* saved = state_->find(key)) {
                if (savedValuesFit(*monitor, *saved)) {
                    monitor->applySaved(*saved);
                } else {
                    state_->drop(key);
                }
            }
        }
        const int index = static_cast<int>(i);
        monitor->setStoreListener([this, index](const std::map<int, int>&) { persist(index); });
        iface.monitor = monitor.get();
        iface.device = std::move(monitor);
    }
}

void SimBus::ensureConfigured() {
    if (!configured_) {
        configureFromEnvironment();
    }
}

void SimBus::persist(int index) {
    if (!state_) {
        return;
    }
    SimInterface& iface = interfaces_[static_cast<size_t>(index)];
    (void)state_->store(MonitorKey{index, iface.profileName}, iface.monitor->store());
}

SimInterface* SimBus::at(int index) {
    auto guard = lock();
    ensureConfigured();
    if (index < 0 || static_cast<size_t>(index) >= interfaces_.size()) {
        return nullptr;
    }
    return &interfaces_[static_cast<size_t>(index)];
}

void SimBus::installDevice(int index, std::unique_ptr<SimDevice> device) {
    auto guard = lock();
    ensureConfigured();
    if (index < 0) {
        return;
    }
    if (static_cast<size_t>(index) >= interfaces_.size()) {
        interfaces_.resize(static_cast<size_t>(index) + 1);
    }
    SimInterface& iface = interfaces_[static_cast<size_t>(index)];
    iface = SimInterface{};
    iface.profileName = "scripted";
    iface.device = std::move(device);
}

int SimBus::enumerate(int mode, int interfaceSelector) {
    auto guard = lock();
    ensureConfigured();
    enumeration_ = {enumeration_.calls + 1, mode, interfaceSelector};
    return static_cast<int>(interfaces_.size());
}

EnumerationRecord SimBus::enumeration() {
    auto guard = lock();
    return enumeration_;
}

unsigned SimBus::interfaceCount() {
    auto guard = lock();
    ensureConfigured();
    return static_cast<unsigned>(interfaces_.size());
}

int SimBus::interfaceInfo(int index, DisplayInterfaceInfo* info) {
    auto guard = lock();
    SimInterface* iface = at(index);
    if (!info || info->size != kDisplayInterfaceInfoSize || !iface) {
        return kLibBadArgument;
    }
    if (!iface->device) {
        return kLibUnknownProfile;
    }
    std::memset(reinterpret_cast<uint8_t*>(info) + 4, 0, sizeof *info - 4);
    const char* name =
        iface->monitor ? iface->monitor->profile().driverName : "VESKOL scripted bus";
    std::strncpy(info->driverName, name, sizeof info->driverName - 1);
    info->skip = iface->skip ? 1 : 0;
    if (iface->wholeTransactions) {
        std::memcpy(reinterpret_cast<uint8_t*>(info) + kWholeTransactionsTagOffset,
                    kWholeTransactionsTag, sizeof kWholeTransactionsTag);
    }
    return 0;
}

// A slow bus: the transfer takes real time, whatever clock the program uses.
void SimBus::delayTransfer(int index) {
    int delay = 0;
    {
        auto guard = lock();
        if (SimInterface* iface = at(index)) {
            delay = iface->faults.transferDelayMs();
        }
    }
    if (delay > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    }
}

// The interface a transfer goes to, or the library error that refuses it
// (bad index or buffer, unknown profile, a monitor that has gone). Every
// call to a known interface is recorded with its transfer parameter.
// Called with the lock held.
int SimBus::beginTransfer(int index, const void* bytes, int length, int transferParameter,
                          SimInterface*& iface) {
    iface = at(index);
    if (!iface) {
        return kLibBadArgument;
    }
    ++iface->transferParameters[transferParameter];
    if (!bytes && length > 0) {
        return kLibBadArgument;
    }
    if (!iface->device) {
        return kLibUnknownProfile;
    }
    return iface->faults.countTransferAndCheckGone() ? kLibNoDevice : 0;
}

int SimBus::write(int index, uint8_t address, const uint8_t* data, int length,
                  int transferParameter) {
    delayTransfer(index);
    auto guard = lock();
    SimInterface* iface = nullptr;
    if (const int refused = beginTransfer(index, data, length, transferParameter, iface);
        refused != 0) {
        return refused;
    }
    const bool recorded = logFrame('W', index, address, data, length);
    const int result = iface->faults.nextWriteFault() == Fault::Nak
                           ? kLibNoAcknowledge
                           : iface->device->write(address, data, length);
    if (result != 0 && recorded) {
        taken_.back() = 0;
    }
    return result;
}

int SimBus::read(int index, uint8_t address, uint8_t* buffer, int length, int transferParameter) {
    delayTransfer(index);
    auto guard = lock();
    SimInterface* iface = nullptr;
    if (const int refused = beginTransfer(index, buffer, length, transferParameter, iface);
        refused != 0) {
        return refused;
    }
    const int result = iface->device->read(address, buffer, length);
    if (result != 0) {
        return result;
    }
    if (address == (kDdcAddress | 1)) {
        FaultInjector::corruptReply(iface->faults.nextReadFault(), buffer, length);
    }
    logFrame('R', index, address, buffer, length);
    return 0;
}

bool SimBus::logFrame(char direction, int index, uint8_t address, const uint8_t* bytes,
                      int length) {
    std::string line =
        std::to_string(nowMs() - loadedAtMs_) + ' ' + direction + ' ' + std::to_string(index) + ' ';
    static const char kHex[] = "0123456789ABCDEF";
    line += kHex[address >> 4];
    line += kHex[address & 0x0F];
    for (int i = 0; i < length; ++i) {
        line += ' ';
        line += kHex[bytes[i] >> 4];
        line += kHex[bytes[i] & 0x0F];
    }
    const bool recorded = frames_.size() < kMaxFramesKept;
    if (recorded) {
        frames_.push_back(line);
        taken_.push_back(1);
    }
    if (logFile_) {
        std::fputs(line.c_str(), logFile_);
        std::fputc('\n', logFile_);
        std::fflush(logFile_);
    }
    return recorded;
}

std::vector<std::string> SimBus::frames() {
    auto guard = lock();
    return frames_;
}

size_t SimBus::frameCount() {
    auto guard = lock();
    return frames_.size();
}

bool SimBus::frameAt(size_t position, std::string& line) {
    auto guard = lock();
    if (position >= frames_.size()) {
        return false;
    }
    line = frames_[position];
    return true;
}

int SimBus::frameTaken(size_t position) {
    auto guard = lock();
    return position < taken_.size() ? taken_[position] : -1;
}

void SimBus::clearFrames() {
    auto guard = lock();
    frames_.clear();
    taken_.clear();
}

}  // namespace veskol
