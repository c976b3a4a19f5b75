// SimBus: the simulated display interfaces behind the five library
// functions. One interface per name in VESKOL_SIMULATE (or the default
// list); each holds a device (normally a SimMonitor built from its profile),
// a fault injector and its part of the saved state. Every frame that crosses
// a bus is kept in memory for inspection and, with VESKOL_LOG, appended to
// a file as "<ms since load> <W|R> <interface> <address hex> <bytes hex>".
// A name may carry the option ":skip", which sets the interface's skip flag
// (byte 93 of its information record). The bus also records the arguments
// the library received: those of the last enumeration and, per interface,
// the transfer parameter of every transfer call.
// All operations take one lock, so the program's threads may share it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/display_interface.h"
#include "veskol/sim/fault_injector.h"
#include "veskol/sim/sim_device.h"
#include "veskol/sim/sim_monitor.h"
#include "veskol/sim/state_file.h"

namespace veskol {

struct SimInterface {
    std::string profileName;
    std::string error;                  // why the interface is unusable, else empty
    std::unique_ptr<SimDevice> device;  // null for an unknown profile
    SimMonitor* monitor = nullptr;      // the device, when it is a simulated monitor
    FaultInjector faults;
    bool skip = false;  // the information record tells the program to leave it out
    // The information record carries the whole-transactions tag: for tests
    // whose device stands for a library that holds the protocol's waits.
    bool wholeTransactions = false;
    // Transfer calls received for this interface, refused ones included,
    // counted by the transfer parameter they carried.
    std::map<int, int> transferParameters;
};

// What the last EnumerateInterfaces call received, and how many calls there
// were since the interfaces were configured.
struct EnumerationRecord {
    int calls = 0;
    int mode = 0;
    int interfaceSelector = 0;
};

class SimBus {
  public:
    static SimBus& instance();

    // Replaces every interface. `profiles` is a comma-separated list of
    // profile names; empty paths switch persistence or the log file off.
    void configure(const std::string& profiles, const std::string& statePath,
                   const std::string& logPath);
    // VESKOL_SIMULATE, VESKOL_STATE and VESKOL_LOG (defaults when unset).
    void configureFromEnvironment();

    // The five library functions.
    int enumerate(int mode, int interfaceSelector);
    unsigned interfaceCount();
    int interfaceInfo(int index, DisplayInterfaceInfo* info);
    int write(int index, uint8_t address, const uint8_t* data, int length, int transferParameter);
    int read(int index, uint8_t address, uint8_t* buffer, int length, int transferParameter);

    // Inspection and test hooks. Callers hold lock() while using pointers.
    [[nodiscard]] std::unique_lock<std::recursive_mutex> lock();
    [[nodiscard]] SimInterface* at(int index);
    // Puts a test's own device on interface `index` (added as needed).
    void installDevice(int index, std::unique_ptr<SimDevice> device);
    [[nodiscard]] std::vector<std::string> frames();
    [[nodiscard]] size_t frameCount();
    [[nodiscard]] bool frameAt(size_t position, std::string& line);
    // Whether the monitor took the recorded frame (a write it refused with a
    // NAK, because of a fault or while busy, was not); -1: no such frame.
    [[nodiscard]] int frameTaken(size_t position);
    void clearFrames();
    [[nodiscard]] EnumerationRecord enumeration();

  private:
    SimBus();
    void ensureConfigured();
    // Records the frame (and writes it to the log file); true when it was
    // kept in the record.
    bool logFrame(char direction, int index, uint8_t address, const uint8_t* bytes, int length);
    void persist(int index);
    void delayTransfer(int index);
    [[nodiscard]] int beginTransfer(int index, const void* bytes, int length, int transferParameter,
                                    SimInterface*& iface);

    std::recursive_mutex mutex_;
    bool configured_ = false;
    int64_t loadedAtMs_ = 0;
    std::vector<SimInterface> interfaces_;
    std::unique_ptr<StateFile> state_;
    std::FILE* logFile_ = nullptr;
    std::vector<std::string> frames_;
    std::vector<char> taken_;  // beside frames_: 0 for a refused write
    EnumerationRecord enumeration_;
};

// Splits "a, b,c" into names; an empty text gives none.
[[nodiscard]] std::vector<std::string> splitProfileList(const std::string& text);

}  // namespace veskol
