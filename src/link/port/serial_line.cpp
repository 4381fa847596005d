#include "link/port/serial_line.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
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

}  // namespace

SerialLine::SerialLine(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialLine::bytesArrived);
}

Status SerialLine::open(const QString& device) {
    close();
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadWrite)) return Status::Ok;
    const QSerialPort::SerialPortError error = port_.error();
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
