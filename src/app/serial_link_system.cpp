#include <QFileInfo>
#include <QSerialPort>

#include "app/serial_link.h"

namespace talvo {
namespace {

// Port number n names TALVO_PORT_<n> when set, else the n-th USB serial adapter when it
// exists, else the n-th built-in serial port.
QString DeviceOf(int portNumber) {
    const QString over =
        qEnvironmentVariable(qPrintable(QStringLiteral("TALVO_PORT_%1").arg(portNumber)));
    if (!over.isEmpty()) return over;
    const QString usb = QStringLiteral("/dev/ttyUSB%1").arg(portNumber - 1);
    if (QFileInfo::exists(usb)) return usb;
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

class SystemSerialLink : public SerialLink {
  public:
    SystemSerialLink() {
        connect(&port_, &QSerialPort::readyRead, this, [this] {
            if (port_.bytesAvailable() >= threshold_) emit dataReceived();
        });
    }

    Status open(int portNumber) override {
        close();
        if (portNumber < 1 || portNumber > 255) return Status::PortCannotOpen;
        port_.setPortName(DeviceOf(portNumber));
        port_.setBaudRate(QSerialPort::Baud9600);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        if (port_.open(QIODevice::ReadWrite)) {
            // The programming cable takes its power from these lines.
            port_.setDataTerminalReady(true);
            port_.setRequestToSend(true);
            return Status::Ok;
        }
        return port_.error() == QSerialPort::PermissionError ? Status::PermissionDenied
                                                             : Status::PortCannotOpen;
    }
    void close() override {
        if (port_.isOpen()) port_.close();
    }
    bool isOpen() const override { return port_.isOpen(); }
    void write(const QByteArray& frame) override {
        if (port_.isOpen()) port_.write(frame);
    }
    QByteArray takeAll() override { return port_.isOpen() ? port_.readAll() : QByteArray(); }
    void setReceiveThreshold(int bytes) override { threshold_ = bytes < 1 ? 1 : bytes; }

  private:
    QSerialPort port_;
    int threshold_ = 1;
};

}  // namespace

std::unique_ptr<SerialLink> CreateSystemSerialLink() {
    return std::make_unique<SystemSerialLink>();
}

}  // namespace talvo
