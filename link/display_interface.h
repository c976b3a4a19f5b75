// The display-interface library: the five functions through which the program
// lists display interfaces and moves bytes on a monitor's I2C bus. On Windows
// they come from VESKOL.dll (its import library); in host tests the monitor
// simulator's static library provides them. Nothing but the bus transport
// calls the two transfer functions.
// Portable: no Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#define VESKOL_CALL __cdecl
#else
#define VESKOL_CALL
#endif

#if defined(_WIN32) && defined(VESKOL_BUILDING_DLL)
#define VESKOL_API __declspec(dllexport)
#else
#define VESKOL_API
#endif

// The 96-byte information record of one interface. The caller sets `size` to
// 96 before the call. The program reads only `driverName` (NUL-terminated)
// and `skip` (the interface is left out of the monitor list unless it is 0).
struct DisplayInterfaceInfo {
    uint32_t size;          // bytes 0-3: 96
    uint8_t reserved1[37];  // bytes 4-40: library's own
    char driverName[52];    // bytes 41-92
    uint8_t skip;           // byte 93
    uint8_t reserved2[2];   // bytes 94-95
};
static_assert(sizeof(DisplayInterfaceInfo) == 96, "the record is 96 bytes");
static_assert(offsetof(DisplayInterfaceInfo, driverName) == 41, "driver name at byte 41");
static_assert(offsetof(DisplayInterfaceInfo, skip) == 93, "skip flag at byte 93");

constexpr int kDisplayInterfaceInfoSize = 96;

// Bytes 4-7 of the record: a library that carries each DDC/CI request as a
// whole transaction, the protocol's waits included (an operating system's
// monitor calls do), writes this tag there. The link then adds no waits of
// its own on that interface. The caller zeroes the record before the call;
// any other content of those bytes means "raw bus: the link waits".
inline constexpr uint8_t kWholeTransactionsTag[4] = {'W', 'T', 'X', '1'};
constexpr int kWholeTransactionsTagOffset = 4;
// A write's result when the library cannot carry that request at all (an
// operating system's monitor calls have no way for vendor requests): asking
// again cannot help, and no monitor is busy with it, so the link neither
// retries nor waits.
constexpr int kLibraryCannotCarry = -7;
constexpr int kInterfaceSelector = 3;      // EnumerateInterfaces' second argument
constexpr int kTransferParameter = 10000;  // last argument of every transfer
constexpr uint8_t kDdcAddress = 0x6E;      // DDC/CI messages; replies at 0x6F
constexpr uint8_t kEdidAddress = 0xA0;     // EDID register reads; 0xA1 to read

extern "C" {

// Rebuilds the library's list of interfaces. Result unused by the program.
VESKOL_API int VESKOL_CALL EnumerateInterfaces(int mode, int interfaceSelector);

// Number of interfaces; indices 0 to n-1 are valid.
VESKOL_API unsigned VESKOL_CALL GetNumDisplayInterfaces(void);

// Fills `info` (whose size word is 96). 0 on success, anything else a failure.
VESKOL_API int VESKOL_CALL GetDisplayInterfaceInfo(int interfaceIndex, DisplayInterfaceInfo* info);

// Writes `length` bytes to the 8-bit write `address`. Negative = failure.
VESKOL_API int VESKOL_CALL I2C_WRITE(int interfaceIndex, uint8_t address, const uint8_t* data,
                                     uint8_t length, int transferParameter);

// Reads `length` bytes from `address` (bit 0 set). 0 = the buffer holds them;
// anything else is the library's failure value.
VESKOL_API int VESKOL_CALL I2C_READ(int interfaceIndex, uint8_t address, uint8_t* buffer,
                                    uint8_t length, int transferParameter);
}
