#include "link_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    if (::pipe(in) != 0 || ::pipe(out) != 0) throw std::runtime_error("pipe failed");
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

CliRun RunCli(const std::vector<std::string>& args, const CliOptions& options,
              std::chrono::seconds limit) {
    CliRun run;
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0) return run;
    std::vector<std::string> storage;
    const std::vector<char*> argv = Argv(TALVO_CLI_PATH, args, storage);
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        for (int fd : {out[0], out[1], err[0], err[1]}) ::close(fd);
        for (const auto& [name, value] : options.env) ::setenv(name.c_str(), value.c_str(), 1);
        if (options.asUnprivilegedUser && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            std::_Exit(126);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    // Drain both pipes until they close so a chatty child never blocks.
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    const auto deadline = start + limit;
    while (open > 0 && Clock::now() < deadline) {
        if (::poll(fds, 2, 100) <= 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
            char buf[4096];
            const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& p : fds) {
        if (p.fd >= 0) ::close(p.fd);
    }
    run.exitStatus = Reap(pid, std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::max(deadline - Clock::now(), Clock::duration(0))));
    run.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    return run;
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

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "talvo-link-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes DatFile(const Bytes& image) {
    Bytes file(48, 0xFF);
    const char header[] = "QDF-7K";
    std::copy(header, header + 6, file.begin());
    const char version[] = "V0100";
    std::copy(version, version + 5, file.begin() + 10);
    file.insert(file.end(), image.begin(), image.begin() + 0xC00);
    return file;
}

}  // namespace talvo::e2e
