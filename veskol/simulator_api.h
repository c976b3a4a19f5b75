// The simulator's inspection API: extra exports of VESKOL.dll (and functions
// of the host simulator library) for tests and end-to-end checks. The
// program itself never calls them. All return 0 on success and -1 when the
// interface, code or argument is not known, unless stated otherwise.
#pragma once

#include "link/display_interface.h"

extern "C" {

// Replaces every simulated interface: `profiles` as in VESKOL_SIMULATE
// (comma-separated names, each optionally followed by ":skip", which sets the
// interface's skip flag in its information record), `statePath` and `logPath` as VESKOL_STATE and
// VESKOL_LOG (null or empty: none). A null `profiles` re-reads the
// environment instead.
VESKOL_API int VESKOL_CALL VeskolSimConfigure(const char* profiles, const char* statePath,
                                              const char* logPath);

// Comma-separated names of all built-in profiles.
VESKOL_API int VESKOL_CALL VeskolSimListProfiles(char* text, int size);

// The interface's profile name, and why it is unusable ("" when usable).
// Returns 0 for a usable interface, 1 for an unusable one, -1 for no such index.
VESKOL_API int VESKOL_CALL VeskolSimInterfaceStatus(int index, char* profile, int profileSize,
                                                    char* error, int errorSize);

// Current value, maximum and saved (non-volatile) value of a VCP code
// (page * 256 + code). The saved value is -1 when nothing was saved.
VESKOL_API int VESKOL_CALL VeskolSimGetValue(int index, int code, int* value);
VESKOL_API int VESKOL_CALL VeskolSimGetMaximum(int index, int code, int* maximum);
VESKOL_API int VESKOL_CALL VeskolSimGetSavedValue(int index, int code, int* value);
// Changes a value as if the monitor's own buttons had been used.
VESKOL_API int VESKOL_CALL VeskolSimSetValue(int index, int code, int value);
// Changes a control's maximum (a monitor whose range differs from its
// profile's); the value is clamped to the new range.
VESKOL_API int VESKOL_CALL VeskolSimSetMaximum(int index, int code, int maximum);

// Number of saves (MCCS 0C or the vendor sequence) and of requests with a
// given opcode the monitor has received.
VESKOL_API int VESKOL_CALL VeskolSimSaveCount(int index);
VESKOL_API int VESKOL_CALL VeskolSimRequestCount(int index, int opcode);

// What the program passed to the library. The arguments of the last
// EnumerateInterfaces call (either pointer may be null); returns the number
// of calls since the interfaces were configured.
VESKOL_API int VESKOL_CALL VeskolSimEnumerateCalls(int* mode, int* interfaceSelector);
// I2C_WRITE and I2C_READ calls received for the interface, refused ones
// included: all of them, or those that carried `transferParameter`.
VESKOL_API int VESKOL_CALL VeskolSimTransferCount(int index);
VESKOL_API int VESKOL_CALL VeskolSimTransferParameterCount(int index, int transferParameter);

// Fault injection, e.g. "seed=7,checksum=100,null=50,next=nak*2,disappear=500"
// (rates per mille). An empty spec removes all faults.
VESKOL_API int VESKOL_CALL VeskolSimSetFaults(int index, const char* spec);
// Faults injected on the interface since its faults were last set.
VESKOL_API int VESKOL_CALL VeskolSimFaultsInjected(int index);

// Frames that crossed the buses, one line each as in the log file.
VESKOL_API int VESKOL_CALL VeskolSimFrameCount(void);
VESKOL_API int VESKOL_CALL VeskolSimFrame(int position, char* line, int size);
// 1 when the monitor took the frame, 0 for a write it refused (NAK), -1
// when there is no such frame.
VESKOL_API int VESKOL_CALL VeskolSimFrameTaken(int position);
VESKOL_API int VESKOL_CALL VeskolSimClearFrames(void);
}
