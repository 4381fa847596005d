#include "link/port/serial_line.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#endif

namespace talvo::link {

namespace {

// The port library reports both "in use" and "not allowed" as a permission error; only the
// second is fixed by group membership, so tell them apart by the device's access rights.
bool UserMayNotOpen(const QString& device) {
#ifdef Q_OS_UNIX
    const QByteArray path =
        QFileInfo(device).isAbsolute() ? device.toLocal8Bit() : ("/dev/" + device).toLocal8Bit();
    return ::access(path.constData(), F_OK) == 0 && ::access(path.constData(), R_OK | W_OK) != 0;
#else
    Q_UNUSED(device);
    return false;
#endif
}

// A read that found nothing although the port said bytes were there (they were discarded in
// between) comes as a read error with whatever the last failed call left behind. The device is
// only gone when the descriptor says so.
bool StillThere(const QSerialPort& port) {
#ifdef Q_OS_UNIX
    pollfd p{static_cast<int>(port.handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) >= 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
#else
    Q_UNUSED(port);
    return false;
#endif
}

}  // namespace

SerialLine::SerialLine(QObject* parent) : ByteLine(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialLine::bytesArrived);
    // A device that disappears while open (the adapter pulled out) ends the transfer at once
    // instead of waiting for the time-out.
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::ResourceError && error != QSerialPort::WriteError &&
            error != QSerialPort::ReadError)
            return;
        if (!port_.isOpen()) return;
        const QString reason = port_.errorString();
        port_.clearError();
        if (error == QSerialPort::ReadError && StillThere(port_)) return;
        emit lineFailed(reason);
    });
}

Status SerialLine::open(const QString& device) {
    close();
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    openError_.clear();
    if (port_.open(QIODevice::ReadWrite)) return Status::Ok;
    const QSerialPort::SerialPortError error = port_.error();
    openError_ = port_.errorString();
    port_.clearError();
    if (error == QSerialPort::PermissionError && UserMayNotOpen(device))
        return Status::PermissionDenied;
    return Status::PortCannotOpen;
}

void SerialLine::close() {
    if (port_.isOpen()) port_.close();
}

void SerialLine::write(std::span<const std::uint8_t> frame) {
    if (!port_.isOpen()) return;
    port_.write(reinterpret_cast<const char*>(frame.data()), static_cast<qint64>(frame.size()));
    port_.flush();
}

QByteArray SerialLine::takeAll() {
    return port_.readAll();
}

void SerialLine::discardInput() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

}  // namespace talvo::link
