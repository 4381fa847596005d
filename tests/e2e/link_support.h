#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace talvo::e2e {

using Bytes = std::vector<std::uint8_t>;

// A running talvo-radio-sim. The destructor closes its stdin, which makes it save what it was
// asked to save and exit.
class RadioSim {
  public:
    explicit RadioSim(const std::vector<std::string>& args);
    ~RadioSim();
    RadioSim(const RadioSim&) = delete;
    RadioSim& operator=(const RadioSim&) = delete;

    const std::string& device() const { return device_; }
    // Closes stdin and waits for the exit; true when it exited with status 0.
    bool stop();

  private:
    pid_t pid_ = -1;
    int stdin_ = -1;
    std::string device_;
};

// Runs talvo-cli with `args` and extra "NAME=value" environment entries.
ProcessResult RunCli(const std::vector<std::string>& args,
                     const std::vector<std::string>& environment = {});
// talvo-cli running in the background, to be interrupted as a user's Ctrl+C does, or watched
// line by line.
class BackgroundCli {
  public:
    // `environment`: extra "NAME=value" entries.
    explicit BackgroundCli(const std::vector<std::string>& args,
                           const std::vector<std::string>& environment = {});
    ~BackgroundCli();
    BackgroundCli(const BackgroundCli&) = delete;
    BackgroundCli& operator=(const BackgroundCli&) = delete;

    void signal(int number);
    // Waits for the end (killing it after `limit`) and collects its output.
    ProcessResult finish(std::chrono::seconds limit = std::chrono::seconds(30));
    // Its standard output's lines once `count` have come, or what came within `limit`.
    std::vector<std::string> outLines(std::size_t count, std::chrono::seconds limit) const;

  private:
    pid_t pid_ = -1;
    TempFolder output_;
};

// Waits up to `seconds` until the sim's transcript shows `count` frames the program sent that
// begin with `mark`.
bool WaitForProgramFrames(const std::string& transcript, std::uint8_t mark, std::size_t count,
                          int seconds = 20);

// The same as the unprivileged user "nobody" (for a process started as root).
ProcessResult RunCliAsNobody(const std::vector<std::string>& args);

// One line of a sim transcript.
struct TranscriptChunk {
    double ms;
    char from;  // 'P' program, 'R' radio
    Bytes bytes;
};
std::vector<TranscriptChunk> ReadTranscript(const std::string& path);
// Every byte one side sent, in order.
Bytes SentBy(const std::vector<TranscriptChunk>& transcript, char from);

// A data file around image bytes 0x000..0xBFF.
Bytes DatFile(const Bytes& image);

}  // namespace talvo::e2e
