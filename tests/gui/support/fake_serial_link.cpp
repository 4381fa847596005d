#include "support/fake_serial_link.h"

namespace talvo::testing {

Status FakeSerialLink::open(int portNumber) {
    open_ = false;
    openAttempts.append(portNumber);
    if (openable.count(portNumber)) {
        open_ = true;
        return Status::Ok;
    }
    return permissionDenied.count(portNumber) ? Status::PermissionDenied : Status::PortCannotOpen;
}

QByteArray FakeSerialLink::takeAll() {
    QByteArray all = incoming_;
    incoming_.clear();
    return all;
}

void FakeSerialLink::receive(const QByteArray& bytes) {
    incoming_ += bytes;
    emit bytesArrived();
}

}  // namespace talvo::testing
