#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

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

struct CliRun {
    int exitStatus = -1;  // -1: killed or did not start
    std::string out, err;
    std::chrono::milliseconds elapsed{};
};

struct CliOptions {
    std::map<std::string, std::string> env;  // added to the environment
    bool asUnprivilegedUser = false;         // run as "nobody" (only when started as root)
};

// Runs talvo-cli with `args`; kills it after `limit`.
CliRun RunCli(const std::vector<std::string>& args, const CliOptions& options = {},
              std::chrono::seconds limit = std::chrono::seconds(30));

// One line of a sim transcript.
struct TranscriptChunk {
    double ms;
    char from;  // 'P' program, 'R' radio
    Bytes bytes;
};
std::vector<TranscriptChunk> ReadTranscript(const std::string& path);
// Every byte one side sent, in order.
Bytes SentBy(const std::vector<TranscriptChunk>& transcript, char from);

// A fresh empty folder for one test, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

  private:
    std::string dir_;
};

bool FileExists(const std::string& path);
Bytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);

// A data file around image bytes 0x000..0xBFF.
Bytes DatFile(const Bytes& image);

}  // namespace talvo::e2e
