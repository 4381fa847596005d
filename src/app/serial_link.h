#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

#include "model/status.h"

namespace talvo {

// The serial line to the radio as the main window uses it: port numbers 1..16, fixed line
// settings (9600 baud, 8 data bits, no parity, 1 stop bit), raw bytes, and a data-received
// signal raised when at least the receive threshold of bytes is waiting.
class SerialLink : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Closes the port, then opens port `portNumber`. Ok, PortCannotOpen or PermissionDenied.
    virtual Status open(int portNumber) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writes one frame in one call.
    virtual void write(const QByteArray& frame) = 0;
    // Takes every waiting byte.
    virtual QByteArray takeAll() = 0;
    virtual void setReceiveThreshold(int bytes) = 0;

  signals:
    void dataReceived();
};

// The real serial port of this computer.
std::unique_ptr<SerialLink> CreateSystemSerialLink();

}  // namespace talvo
