#pragma once

#include <QByteArray>
#include <memory>

#include "link/port/byte_line.h"
#include "model/status.h"

namespace talvo {

// The serial line to the radio as the main window uses it: port numbers 1..16, fixed line
// settings (9600 baud, 8 data bits, no parity, 1 stop bit), raw bytes. The transfer driver
// applies the receive threshold.
class SerialLink : public link::ByteLine {
    Q_OBJECT
  public:
    using link::ByteLine::ByteLine;

    // Closes the port, then opens port `portNumber`. Ok, PortCannotOpen or PermissionDenied.
    virtual Status open(int portNumber) = 0;
    virtual void close() = 0;
};

// The real serial port of this computer.
std::unique_ptr<SerialLink> CreateSystemSerialLink();

}  // namespace talvo
