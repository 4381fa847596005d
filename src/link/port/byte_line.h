#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <span>

namespace talvo::link {

// A line to the radio that moves raw bytes both ways: the serial port of this computer, or a
// stand-in in tests. The transfer driver talks to the radio through it.
class ByteLine : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    virtual bool isOpen() const = 0;
    // One frame in one write call.
    virtual void write(std::span<const std::uint8_t> frame) = 0;
    // Every byte waiting.
    virtual QByteArray takeAll() = 0;
    // Drops whatever the radio sent before now.
    virtual void discardInput() { takeAll(); }

  signals:
    void bytesArrived();
    // The open line stopped working (the cable was pulled, the device went away); `reason` is
    // the port's own description.
    void lineFailed(const QString& reason);
};

}  // namespace talvo::link
