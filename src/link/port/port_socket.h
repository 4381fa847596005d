#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/port/port_survey.h"
#include "link/port/serial_system.h"

namespace talvo::link {

// The physical socket a serial device hangs from, as udev names it under /dev/serial/by-path
// ("pci-0000:00:14.0-usb-0:2:1.0-port0"). Unlike the port number, which follows the order in
// which cables were plugged in, it stays the same for the same USB socket from run to run.

// The by-path name of `device` (a /dev path or any link to it); empty when udev lists none
// (a built-in port without one, a pseudo-terminal, a system without udev).
std::optional<std::string> SocketOf(const std::string& device, const SystemRoots& roots);

// The port number (1..16) whose device now sits in `socket`; empty when none does.
std::optional<int> PortInSocket(const std::string& socket, const std::vector<PortEntry>& ports,
                                const SystemRoots& roots);

}  // namespace talvo::link
