#pragma once

#include <QByteArray>
#include <QList>
#include <set>

#include "app/serial_link.h"

namespace talvo::testing {

// A serial line without hardware: chosen port numbers open, the others fail; what the
// program writes is kept, and a test hands it the radio's bytes with receive().
class FakeSerialLink : public SerialLink {
    Q_OBJECT
  public:
    std::set<int> openable;          // port numbers that open
    std::set<int> permissionDenied;  // port numbers that exist but may not be opened
    QList<int> openAttempts;
    QByteArray written;

    Status open(int portNumber) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void write(std::span<const std::uint8_t> frame) override {
        written.append(reinterpret_cast<const char*>(frame.data()),
                       static_cast<qsizetype>(frame.size()));
    }
    QByteArray takeAll() override;

    // Bytes from the radio; the data signal follows.
    void receive(const QByteArray& bytes);

  private:
    bool open_ = false;
    QByteArray incoming_;
};

}  // namespace talvo::testing
