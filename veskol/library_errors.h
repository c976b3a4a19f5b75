// The display-interface library's own error values, shared by both of its
// backends. They lie outside the link's -20..-30 range, so the link passes
// them up unchanged and a caller can still tell them apart.
#pragma once

namespace veskol {

constexpr int kLibNoAcknowledge = -2;   // the device did not acknowledge
constexpr int kLibNoDevice = -3;        // nothing answers on the bus
constexpr int kLibBadArgument = -4;     // bad index, pointer or length
constexpr int kLibUnknownProfile = -5;  // the interface's simulated profile does not exist
constexpr int kLibApiFailed = -6;       // the operating system's monitor call failed
constexpr int kLibNotAvailable = -7;    // a request or address the backend cannot carry
constexpr int kLibBadFrame = -8;        // a DDC/CI request with a wrong source, length or checksum
constexpr int kLibNoEdid = -9;          // the monitor has no EDID (or not that many bytes)

}  // namespace veskol
