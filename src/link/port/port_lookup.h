#pragma once

#include <QString>
#include <optional>

namespace talvo::link {

// The device behind port number 1..16 on this computer: TALVO_PORT_<n> if set, else COMn on
// Windows, else the n-th of the serial devices present (the order is described in
// link/protocol/port_names.h and docs/serial-ports.md). Empty when the number names nothing.
std::optional<QString> DeviceForPort(int number);

}  // namespace talvo::link
