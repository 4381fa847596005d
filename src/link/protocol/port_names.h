#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace talvo::link {

// Port numbers 1..16 name serial devices:
// - An environment variable TALVO_PORT_<n> (for example TALVO_PORT_3=/dev/pts/7) names the
//   device of number n directly, on every system.
// - Windows: number n is COMn.
// - Linux: the devices present are listed as /dev/ttyUSB*, then /dev/ttyACM*, then /dev/ttyS*,
//   each group in the numeric order of its suffix (ttyUSB2 before ttyUSB10); number n is the
//   n-th entry. A USB programming cable therefore becomes port 1 and the built-in ports follow.
// - macOS: the /dev/cu.* devices in name order; number n is the n-th entry.
// - A listed device whose number an override took (and that no override names) gets the first
//   number left free after the list, so every device keeps a number while numbers remain.
// A number outside 1..16, or one that none of this gives a device, names no device.
enum class PortPlatform { Linux, MacOS, Windows };

inline constexpr int kLowestPortNumber = 1;
inline constexpr int kHighestPortNumber = 16;

std::string PortOverrideVariable(int number);

// Keeps the names (bare names from /dev, such as "ttyUSB0") that can be programming ports on
// `platform`, in the order above, as full paths.
std::vector<std::string> OrderPortCandidates(std::span<const std::string> devNames,
                                             PortPlatform platform);

// `env` looks up an environment variable (empty optional when unset).
std::optional<std::string> DeviceForPortNumber(
    int number, PortPlatform platform, std::span<const std::string> devNames,
    const std::function<std::optional<std::string>(const std::string&)>& env);

}  // namespace talvo::link
