#include "cli/interrupt_watch.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace talvo::cli {

namespace {

volatile sig_atomic_t gWriteEnd = -1;
struct sigaction gPrevious {};

void OnInterrupt(int) {
    const int saved = errno;
    const char byte = 1;
    if (gWriteEnd >= 0) [[maybe_unused]]
        const auto n = ::write(gWriteEnd, &byte, 1);
    errno = saved;
}

}  // namespace

InterruptWatch::InterruptWatch() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InterruptWatch::onReadable);
    gWriteEnd = pipe_[1];
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &gPrevious);
}

InterruptWatch::~InterruptWatch() {
    if (pipe_[0] < 0) return;
    ::sigaction(SIGINT, &gPrevious, nullptr);
    gWriteEnd = -1;
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void InterruptWatch::onReadable() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    seen_ = true;
    emit interrupted();
}

}  // namespace talvo::cli
