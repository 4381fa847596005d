#include "link_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace talvo::e2e {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> Argv(const std::string& program, const std::vector<std::string>& args,
                        std::vector<std::string>& storage) {
    storage.clear();
    storage.push_back(program);
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);
    return argv;
}

// Waits up to `limit` for the child; kills it when it overstays. Returns its exit status, or -1.
int Reap(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    int status = 0;
    while (true) {
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (r < 0) return -1;
        if (Clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace

RadioSim::RadioSim(const std::vector<std::string>& args) {
    int in[2], out[2];
    // Close-on-exec: a virtual radio started later must not hold this one's stdin open.
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> storage;
    const std::vector<char*> argv = Argv(TALVO_SIM_PATH, args, storage);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::close(in[0]);
        ::close(in[1]);
        ::close(out[0]);
        ::close(out[1]);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    stdin_ = in[1];
    // The first line of its output is the device path.
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    char c = 0;
    while (Clock::now() < deadline) {
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        if (::read(out[0], &c, 1) != 1 || c == '\n') break;
        device_.push_back(c);
    }
    ::close(out[0]);
    if (device_.empty()) throw std::runtime_error("talvo-radio-sim printed no device");
}

bool RadioSim::stop() {
    if (pid_ < 0) return false;
    ::close(stdin_);
    const int status = Reap(pid_, std::chrono::seconds(10));
    pid_ = -1;
    return status == 0;
}

RadioSim::~RadioSim() {
    if (pid_ >= 0) stop();
}

ProcessResult RunCli(const std::vector<std::string>& args,
                     const std::vector<std::string>& environment) {
    ProcessOptions options;
    options.environment = environment;
    // A read keeps a backup in the user's data folder: never the real user's.
    const bool ownData = std::any_of(environment.begin(), environment.end(), [](const auto& e) {
        return e.rfind("XDG_DATA_HOME=", 0) == 0;
    });
    if (!ownData) {
        static const TempFolder data;
        options.environment.push_back("XDG_DATA_HOME=" + data.path().string());
    }
    options.timeout = std::chrono::seconds(30);
    return RunProcess(TALVO_CLI_PATH, args, options);
}

BackgroundCli::BackgroundCli(const std::vector<std::string>& args,
                             const std::vector<std::string>& environment) {
    static const TempFolder data;
    std::vector<std::string> env = {"XDG_DATA_HOME=" + data.path().string()};
    env.insert(env.end(), environment.begin(), environment.end());
    std::vector<std::string> storage;
    const std::vector<char*> argv = Argv(TALVO_CLI_PATH, args, storage);
    const std::string out = (output_ / "out").string(), err = (output_ / "err").string();
    pid_ = ::fork();
    if (pid_ == 0) {
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(o, STDOUT_FILENO);
        ::dup2(e, STDERR_FILENO);
        for (std::string& e : env) ::putenv(e.data());
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
}

BackgroundCli::~BackgroundCli() {
    if (pid_ >= 0) finish();
}

void BackgroundCli::signal(int number) {
    if (pid_ >= 0) ::kill(pid_, number);
}

namespace {

std::string FileText(const std::filesystem::path& file) {
    const Bytes bytes = FileBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

ProcessResult BackgroundCli::finish(std::chrono::seconds limit) {
    ProcessResult result;
    result.exitCode = pid_ >= 0 ? Reap(pid_, limit) : -1;
    pid_ = -1;
    result.out = FileText(output_ / "out");
    result.err = FileText(output_ / "err");
    return result;
}

std::vector<std::string> BackgroundCli::outLines(std::size_t count,
                                                 std::chrono::seconds limit) const {
    const auto deadline = Clock::now() + limit;
    std::vector<std::string> lines = Lines(FileText(output_ / "out"));
    while (lines.size() < count && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        lines = Lines(FileText(output_ / "out"));
    }
    return lines;
}

bool WaitForProgramFrames(const std::string& transcript, std::uint8_t mark, std::size_t count,
                          int seconds) {
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < deadline) {
        std::size_t seen = 0;
        for (const TranscriptChunk& chunk : ReadTranscript(transcript))
            seen += chunk.from == 'P' && !chunk.bytes.empty() && chunk.bytes[0] == mark ? 1 : 0;
        if (seen >= count) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

ProcessResult RunCliAsNobody(const std::vector<std::string>& args) {
    // The build tree may lie below a folder only its owner can enter (a home folder), so the
    // unprivileged user runs a copy of the tool from a folder anyone can reach.
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("talvo-nobody-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
    const fs::path tool = folder / "talvo-cli";
    fs::copy_file(TALVO_CLI_PATH, tool, fs::copy_options::overwrite_existing);
    fs::permissions(tool, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    std::vector<std::string> full = {"--reuid=65534", "--regid=65534", "--clear-groups",
                                     tool.string()};
    full.insert(full.end(), args.begin(), args.end());
    ProcessOptions options;
    options.timeout = std::chrono::seconds(30);
    ProcessResult result = RunProcess("/usr/bin/setpriv", full, options);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return result;
}

std::vector<TranscriptChunk> ReadTranscript(const std::string& path) {
    std::vector<TranscriptChunk> chunks;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        TranscriptChunk chunk;
        std::string hex;
        if (!(fields >> chunk.ms >> chunk.from >> hex)) continue;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
            chunk.bytes.push_back(
                static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
        }
        chunks.push_back(std::move(chunk));
    }
    return chunks;
}

Bytes SentBy(const std::vector<TranscriptChunk>& transcript, char from) {
    Bytes all;
    for (const TranscriptChunk& c : transcript) {
        if (c.from == from) all.insert(all.end(), c.bytes.begin(), c.bytes.end());
    }
    return all;
}

Bytes DatFile(const Bytes& image) {
    // Reserved up front: GCC 12 at -O2 warns about the insert into a vector it sized at 48.
    Bytes file;
    file.reserve(48 + 0xC00);
    file.assign(48, 0xFF);
    const char header[] = "QDF-7K";
    std::copy(header, header + 6, file.begin());
    const char version[] = "V0100";
    std::copy(version, version + 5, file.begin() + 10);
    file.insert(file.end(), image.begin(), image.begin() + 0xC00);
    return file;
}

}  // namespace talvo::e2e
