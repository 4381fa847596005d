#include "pty_line.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <thread>

namespace talvo::radiosim {

namespace {

constexpr auto kByteTime = std::chrono::microseconds(1'000'000) / 960;

}  // namespace

void SleepUntil(Clock::time_point t) {
    // Sleep most of the way, then spin the last stretch: pacing errors would otherwise add up
    // over thousands of bytes.
    constexpr auto kSpin = std::chrono::microseconds(200);
    const auto now = Clock::now();
    if (t <= now) return;
    if (t - now > kSpin) std::this_thread::sleep_for(t - now - kSpin);
    while (Clock::now() < t) {
    }
}

PtyLine::~PtyLine() {
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
}

std::string PtyLine::open() {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        return std::string("openpty failed: ") + std::strerror(errno);
    }
    termios raw{};
    if (::tcgetattr(slave_, &raw) != 0)
        return std::string("tcgetattr failed: ") + std::strerror(errno);
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    if (::tcsetattr(slave_, TCSANOW, &raw) != 0)
        return std::string("tcsetattr failed: ") + std::strerror(errno);
    const int flags = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    devicePath_ = name;
    return {};
}

long PtyLine::readSome(std::span<std::uint8_t> buffer) {
    const ssize_t n = ::read(master_, buffer.data(), buffer.size());
    if (n < 0) return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
    return n;
}

void PtyLine::awaitArrival(Clock::time_point readAt) {
    if (!paced_) return;
    // The byte started on the line no earlier than the previous one finished.
    inbound_ = std::max(inbound_, readAt) + kByteTime;
    SleepUntil(inbound_);
}

void PtyLine::send(std::span<const std::uint8_t> bytes) {
    auto writeAll = [this](const std::uint8_t* p, std::size_t n) {
        while (n > 0) {
            const ssize_t w = ::write(master_, p, n);
            if (w < 0) {
                if (errno == EAGAIN || errno == EINTR) {
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                    continue;
                }
                return;
            }
            p += w;
            n -= static_cast<std::size_t>(w);
        }
    };
    if (!paced_) {
        writeAll(bytes.data(), bytes.size());
        return;
    }
    // Deadlines count from the start of the frame, so a late wake-up for one byte does not
    // delay the bytes after it.
    const Clock::time_point start = std::max(outbound_, Clock::now());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        outbound_ = start + kByteTime * static_cast<long>(i + 1);
        SleepUntil(outbound_);
        writeAll(&bytes[i], 1);
    }
}

Transcript::~Transcript() {
    if (file_ != nullptr) std::fclose(file_);
}

std::string Transcript::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) return "cannot create " + path + ": " + std::strerror(errno);
    return {};
}

void Transcript::record(char direction, std::span<const std::uint8_t> bytes) {
    if (file_ == nullptr || bytes.empty()) return;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
    std::fprintf(file_, "%.3f %c ", ms, direction);
    for (std::uint8_t b : bytes) std::fprintf(file_, "%02X", b);
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace talvo::radiosim
