#include "app/serial_link.h"
#include "link/port/port_lookup.h"
#include "link/port/serial_line.h"

namespace talvo {
namespace {

// The computer's serial port behind a port number (see link/port/port_lookup.h).
class SystemSerialLink : public SerialLink {
  public:
    SystemSerialLink() {
        connect(&line_, &link::SerialLine::bytesArrived, this, &SerialLink::bytesArrived);
        connect(&line_, &link::SerialLine::lineFailed, this, &SerialLink::lineFailed);
    }

    Status open(int portNumber) override {
        close();
        const std::optional<QString> device = link::DeviceForPort(portNumber);
        if (!device) return Status::PortCannotOpen;
        return line_.open(*device);
    }
    void close() override { line_.close(); }
    bool isOpen() const override { return line_.isOpen(); }
    void write(std::span<const std::uint8_t> frame) override { line_.write(frame); }
    QByteArray takeAll() override { return line_.takeAll(); }
    void discardInput() override { line_.discardInput(); }

  private:
    link::SerialLine line_;
};

}  // namespace

std::unique_ptr<SerialLink> CreateSystemSerialLink() {
    return std::make_unique<SystemSerialLink>();
}

}  // namespace talvo
