#include "app/serial_link.h"
#include "link/port/port_lookup.h"
#include "link/port/serial_line.h"

namespace talvo {
namespace {

// The computer's serial port behind a port number (see link/port/port_lookup.h). Bytes below
// the receive threshold wait until enough have arrived; then they are all handed over at once.
class SystemSerialLink : public SerialLink {
  public:
    SystemSerialLink() {
        connect(&line_, &link::SerialLine::bytesArrived, this, [this] {
            pending_ += line_.takeAll();
            if (pending_.size() >= threshold_) emit dataReceived();
        });
    }

    Status open(int portNumber) override {
        close();
        const std::optional<QString> device = link::DeviceForPort(portNumber);
        if (!device) return Status::PortCannotOpen;
        return line_.open(*device);
    }
    void close() override {
        line_.close();
        pending_.clear();
    }
    bool isOpen() const override { return line_.isOpen(); }
    void write(const QByteArray& frame) override {
        line_.write(
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(frame.constData()),
                                          static_cast<std::size_t>(frame.size())));
    }
    QByteArray takeAll() override {
        pending_ += line_.takeAll();
        return std::exchange(pending_, {});
    }
    void setReceiveThreshold(int bytes) override { threshold_ = bytes < 1 ? 1 : bytes; }

  private:
    link::SerialLine line_;
    QByteArray pending_;
    qsizetype threshold_ = 1;
};

}  // namespace

std::unique_ptr<SerialLink> CreateSystemSerialLink() {
    return std::make_unique<SystemSerialLink>();
}

}  // namespace talvo
