#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace talvo::radiosim {

using Clock = std::chrono::steady_clock;

// The radio's end of a pseudo-terminal. The other end (the slave device the program opens) is
// set raw, and kept open here too so the line survives the program closing and reopening it.
// With pacing, every byte takes 1/960 s on the line in each direction, as at 9600 baud 8N1.
class PtyLine {
  public:
    PtyLine() = default;
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // Returns an error text, empty on success.
    std::string open();
    const std::string& devicePath() const { return devicePath_; }
    int fd() const { return master_; }

    void setPacing(bool paced) { paced_ = paced; }

    // Reads what is waiting (non-blocking); returns the count, 0 when nothing, -1 on error.
    long readSome(std::span<std::uint8_t> buffer);
    // With pacing: waits until the next byte of a chunk read at `readAt` has fully arrived
    // on the line (call once per byte, in order).
    void awaitArrival(Clock::time_point readAt);
    // Sends `bytes`, one at a time at line speed with pacing, else in one write.
    void send(std::span<const std::uint8_t> bytes);

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string devicePath_;
    bool paced_ = false;
    Clock::time_point inbound_{};   // when the last received byte finished arriving
    Clock::time_point outbound_{};  // when the last sent byte finished leaving
};

// Both directions of the line, one line per chunk: "<milliseconds> P|R <hex bytes>", P for
// bytes from the program, R for bytes from the radio.
class Transcript {
  public:
    explicit Transcript(Clock::time_point start) : start_(start) {}
    ~Transcript();
    std::string open(const std::string& path);
    void record(char direction, std::span<const std::uint8_t> bytes);

  private:
    Clock::time_point start_;
    std::FILE* file_ = nullptr;
};

void SleepUntil(Clock::time_point t);

}  // namespace talvo::radiosim
