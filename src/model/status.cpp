#include "model/status.h"

namespace talvo {

Message StatusMessage(Status status, const std::string& subject) {
    const Message s = subject.empty()
                          ? Message::Literal({})
                          : Message(TALVO_TEXT("Status", "\"%1\""), {Message::Literal(subject)});
    const auto w = [&](const Text& t) { return Message(t, {s}); };
    switch (status) {
        case Status::Ok:
            return w(TALVO_TEXT("Status", "Success"));
        case Status::FileNotFound:
            return w(TALVO_TEXT("Status", "The file %1 does not exist."));
        case Status::CannotRead:
            return w(TALVO_TEXT("Status", "The file %1 cannot be read."));
        case Status::CannotWrite:
            return w(TALVO_TEXT("Status", "The file %1 cannot be written; nothing was saved."));
        case Status::WrongFileType:
            return w(TALVO_TEXT("Status", "File type is incorrect!"));
        case Status::Truncated:
            return w(
                TALVO_TEXT("Status", "The file %1 is too short (a data file has 3120 bytes)."));
        case Status::PortCannotOpen:
            return w(TALVO_TEXT("Status", "The serial port %1 cannot be opened."));
        case Status::PermissionDenied:
            return w(
                TALVO_TEXT("Status",
                           "No permission to open the serial port %1. On Linux add your user to "
                           "the dialout group (sudo usermod -aG dialout $USER) and log in again."));
        case Status::TimedOut:
            return w(TALVO_TEXT(
                "Status",
                "Communication error, check the line and the serial connection selection!"));
        case Status::RefusedByRadio:
            return w(TALVO_TEXT("Status", "The radio refused the written data."));
    }
    return Message::Literal({});
}

}  // namespace talvo
