#include "radio/codecs/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace talvo {
namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a late write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A symbolic link is replaced through its target, so the link itself survives the save.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    }
    return path;
}

}  // namespace

Status ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out,
                     std::size_t maxBytes) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer. Only regular files are read.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return (errno == ENOENT || errno == ENOTDIR) ? Status::FileNotFound : Status::CannotRead;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return Status::CannotRead;

    std::vector<std::uint8_t> data;
    std::uint8_t buffer[65536];
    while (data.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - data.size());
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Status::CannotRead;
        if (n == 0) break;
        data.insert(data.end(), buffer, buffer + n);
    }
    out = std::move(data);
    return Status::Ok;
}

Status WriteFileAtomically(const std::string& requestedPath, std::span<const std::uint8_t> bytes) {
    const std::string path = ResolveTarget(requestedPath);
    const std::string folder = FolderOf(path);
    const std::string base =
        path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    if (base.empty()) return Status::CannotWrite;

    static std::atomic<unsigned> counter{0};
    std::string temp;
    int rawFd = -1;
    for (int attempt = 0; attempt < 100 && rawFd < 0; ++attempt) {
        temp = folder + "/." + base + ".tmp-" + std::to_string(::getpid()) + "-" +
               std::to_string(counter.fetch_add(1));
        // 0666 before the umask: the same permissions a plain new file would get.
        rawFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (rawFd < 0 && errno != EEXIST) return Status::CannotWrite;
    }
    if (rawFd < 0) return Status::CannotWrite;
    Fd fd(rawFd);

    struct stat existing {};
    bool ok = true;
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ok = ::fchmod(fd.get(), existing.st_mode & 07777) == 0;
    }
    ok = ok && WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return Status::CannotWrite;
    }
    // Make the rename itself durable; the file is already in place if this fails.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return Status::Ok;
}

}  // namespace talvo
