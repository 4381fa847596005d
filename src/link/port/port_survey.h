#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/port/serial_system.h"
#include "model/language.h"

namespace talvo::link {

// Whether a device can be opened now, and if not, why.
enum class PortAccess { Free, NoPermission, InUse, NoHardware, Missing, Fails };

// What one port number (or one device named directly) reaches now.
struct PortEntry {
    int number = 0;                     // 1..16; 0 for a device named directly
    std::optional<std::string> device;  // empty when the number names no device
    std::optional<SerialDeviceInfo> info;
    PortAccess access = PortAccess::Missing;
    std::vector<Holder> holders;  // for InUse, as far as the system tells
};

// Looks an environment variable up (empty optional when unset).
using EnvLookup = std::function<std::optional<std::string>(const std::string&)>;

// The state of one device. The real user's check opens the device for a moment (without
// taking it as the controlling terminal) to learn what the system says.
PortEntry SurveyDevice(const std::string& device, const SystemRoots& roots,
                       const UserIdentity& user, int selfPid);
// The same with the processes' open devices looked up once for many devices.
PortEntry SurveyDevice(const std::string& device, const SystemRoots& roots,
                       const UserIdentity& user, const OpenDevices& open);

// Port numbers 1..16 through the port-number rule (TALVO_PORT_<n> first), each surveyed.
std::vector<PortEntry> SurveyPorts(const SystemRoots& roots, const UserIdentity& user,
                                   const EnvLookup& env, int selfPid);

// The number of the one USB serial cable when exactly one is present, else nullopt.
std::optional<int> SingleUsbCable(const std::vector<PortEntry>& ports);

// "USB serial (CH340)", "built-in serial port", ...
Message DescriptionText(const std::optional<SerialDeviceInfo>& info);
// "yes", "no: in use by minicom (1234)", ...
Message AccessText(const PortEntry& entry);

// The table of `talvo-cli ports`: a heading, then one line per number.
std::string FormatPortTable(const std::vector<PortEntry>& ports, const TextWords& words);

}  // namespace talvo::link
