// talvo-cli ports and the diagnosis on the error line, on pseudo-terminals set up as a cable
// would be found: free, held by another process, without permission, gone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "link_support.h"

namespace talvo::e2e {
namespace {

// A pseudo-terminal: the master here, the terminal device at path().
class Pty {
  public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ::grantpt(master_);
        ::unlockpt(master_);
        path_ = ::ptsname(master_);
    }
    ~Pty() { ::close(master_); }
    const std::string& path() const { return path_; }

  private:
    int master_ = -1;
    std::string path_;
};

std::string RowOf(const std::string& table, int number) {
    for (const std::string& line : Lines(table)) {
        if (line.rfind(std::to_string(number) + " ", 0) == 0) return line;
    }
    return {};
}

// Whether `pid` runs `sleep` with `device` open.
bool Holds(pid_t pid, const std::string& device) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    if (!std::getline(comm, name) || name != "sleep") return false;
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/proc/" + std::to_string(pid) + "/fd", ec), end;
         !ec && it != end; it.increment(ec)) {
        if (std::filesystem::read_symlink(it->path(), ec) == device) return true;
    }
    return false;
}

TEST(PortCli, TableShowsTheDeviceEachNumberReaches) {
    Pty pty;
    for (const char* lang : {"en", "zh"}) {
        const ProcessResult run = RunCli({"ports", "--lang", lang}, {"TALVO_PORT_3=" + pty.path()});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        ASSERT_EQ(Lines(run.out).size(), 17u) << run.out;  // a heading and 16 numbers
        const std::string row = RowOf(run.out, 3);
        EXPECT_NE(row.find(" " + pty.path() + " "), std::string::npos) << run.out;
        if (std::string(lang) == "en") {
            EXPECT_NE(row.find("pseudo-terminal"), std::string::npos) << row;
            EXPECT_TRUE(row.ends_with("yes")) << row;
        } else {
            EXPECT_NE(row.find("伪终端"), std::string::npos) << row;
            EXPECT_TRUE(row.ends_with("可以")) << row;
        }
    }
    const ProcessResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.starts_with("talvo-cli ")) << version.out;
}

TEST(PortCli, GoneDeviceListsTheSerialDevicesPresent) {
    TempFolder dir;
    const ProcessResult run =
        RunCli({"read", "--device", "/dev/ttyUSB97", "--out", (dir / "a.dat").string()});
    EXPECT_EQ(run.exitCode, 4);
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("/dev/ttyUSB97 is not there"), std::string::npos) << run.err;
    EXPECT_TRUE(run.err.find("Serial devices present:") != std::string::npos ||
                run.err.find("No serial device is present now") != std::string::npos)
        << run.err;
}

// The unprivileged user meets a terminal that only root may open: the line names the cause,
// the udev rule, the group command and the new login, in both languages.
TEST(PortCli, NoPermissionSaysHowToGetIt) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the tool as another user";
    Pty pty;
    ASSERT_EQ(::chmod(pty.path().c_str(), 0600), 0);
    TempFolder dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    const std::string out = (dir / "a.dat").string();
    ProcessResult run = RunCliAsNobody({"read", "--device", pty.path(), "--out", out});
    EXPECT_EQ(run.exitCode, 4);
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    for (const char* part : {"No permission to open", "70-talvo.rules",
                             "sudo usermod -aG dialout $USER", "a new login is needed"}) {
        EXPECT_NE(run.err.find(part), std::string::npos) << part << "\n" << run.err;
    }
    run = RunCliAsNobody({"read", "--device", pty.path(), "--out", out, "--lang", "zh"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_NE(run.err.find("没有权限打开"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("重新登录"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

// A helper process of the same user holds the terminal for exclusive use: the tool cannot open
// it and names the helper and its process id.
TEST(PortCli, HeldPortNamesTheProcessHoldingIt) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the tool as another user";
    Pty pty;
    ASSERT_EQ(::chmod(pty.path().c_str(), 0666), 0);
    const pid_t helper = ::fork();
    ASSERT_GE(helper, 0);
    if (helper == 0) {
        // The user "nobody", readable in /proc by the tool running as nobody too.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        ::prctl(PR_SET_DUMPABLE, 1);
        const int fd = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0 || ::ioctl(fd, TIOCEXCL) != 0) ::_exit(3);
        ::dup2(fd, 0);
        ::execl("/bin/sleep", "sleep", "60", static_cast<char*>(nullptr));
        ::_exit(4);
    }
    bool held = false;
    for (int i = 0; i < 200 && !held; ++i) {
        held = Holds(helper, pty.path());
        if (!held) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    TempFolder dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
    const std::string out = (dir / "a.dat").string();
    const ProcessResult en = RunCliAsNobody({"read", "--device", pty.path(), "--out", out});
    const ProcessResult zh =
        RunCliAsNobody({"read", "--device", pty.path(), "--out", out, "--lang", "zh"});
    ::kill(helper, SIGKILL);
    ::waitpid(helper, nullptr, 0);
    ASSERT_TRUE(held);
    const std::string pid = std::to_string(helper);
    EXPECT_EQ(en.exitCode, 4);
    ASSERT_EQ(Lines(en.err).size(), 1u) << en.err;
    EXPECT_NE(en.err.find("is in use by sleep (process " + pid + ")"), std::string::npos) << en.err;
    EXPECT_NE(zh.err.find("正被sleep（进程号" + pid + "）占用"), std::string::npos) << zh.err;
}

}  // namespace
}  // namespace talvo::e2e
