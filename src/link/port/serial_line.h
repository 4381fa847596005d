#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <cstdint>
#include <span>

#include "link/port/byte_line.h"
#include "model/status.h"

namespace talvo::link {

// The programming cable's serial line: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
// control, bytes passed through unchanged.
class SerialLine : public ByteLine {
    Q_OBJECT
  public:
    explicit SerialLine(QObject* parent = nullptr);

    // Ok, PermissionDenied (the device exists but this user may not open it) or PortCannotOpen
    // (no such device, or another program holds it). Closes any device open before.
    Status open(const QString& device);
    void close();
    bool isOpen() const override { return port_.isOpen(); }
    QString device() const { return port_.portName(); }
    // The port's own words for the last failure to open.
    QString openError() const { return openError_; }

    // One frame in one write call, pushed to the driver at once.
    void write(std::span<const std::uint8_t> frame) override;
    QByteArray takeAll() override;
    void discardInput() override;

  private:
    QString openError_;
    QSerialPort port_;
};

}  // namespace talvo::link
