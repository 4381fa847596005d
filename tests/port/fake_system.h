#pragma once

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "link/port/serial_system.h"

namespace talvo::link::testing {

namespace fs = std::filesystem;

// A computer's /dev, /sys, /proc and installed files in a fresh temporary folder; /proc is the
// real one unless a test says otherwise.
class FakeSystem {
  public:
    FakeSystem() {
        std::string pattern = (fs::temp_directory_path() / "talvo-port-XXXXXX").string();
        base_ = fs::path(::mkdtemp(pattern.data()));
        roots.dev = base_ / "dev";
        roots.sys = base_ / "sys";
        roots.proc = "/proc";
        roots.root = base_ / "root";
        fs::create_directories(roots.dev);
        fs::create_directories(roots.sys / "class/tty");
        fs::create_directories(roots.sys / "bus/usb/devices");
        fs::create_directories(roots.root / "etc");
    }
    ~FakeSystem() {
        std::error_code ignored;
        fs::remove_all(base_, ignored);
    }
    FakeSystem(const FakeSystem&) = delete;
    FakeSystem& operator=(const FakeSystem&) = delete;

    static void Put(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }

    // A USB serial chip on bus position `bus` with its tty `name` (ttyUSB0, ttyACM0).
    void plugUsb(const std::string& name, const std::string& bus, std::uint16_t vendor,
                 std::uint16_t product) {
        char ids[2][8];
        std::snprintf(ids[0], sizeof ids[0], "%04x", vendor);
        std::snprintf(ids[1], sizeof ids[1], "%04x", product);
        const fs::path usb = roots.sys / "devices/pci0000:00/usb1" / bus;
        Put(usb / "idVendor", std::string(ids[0]) + "\n");
        Put(usb / "idProduct", std::string(ids[1]) + "\n");
        fs::create_directory_symlink(usb, roots.sys / "bus/usb/devices" / bus);
        if (name.empty()) return;  // the chip without a serial device (taken by another driver)
        const fs::path iface = usb / (bus + ":1.0");
        fs::create_directories(iface / name);
        fs::create_directories(roots.sys / "class/tty" / name);
        fs::create_directory_symlink(iface, roots.sys / "class/tty" / name / "device");
        Put(roots.dev / name, "");
    }
    // A built-in port; type 0 says no chip is behind it.
    void builtIn(const std::string& name, int type) {
        Put(roots.sys / "class/tty" / name / "type", std::to_string(type) + "\n");
        Put(roots.dev / name, "");
    }
    fs::path path(const std::string& rel) const { return base_ / rel; }

    SystemRoots roots;

  private:
    fs::path base_;
};

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
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    const std::string& path() const { return path_; }

  private:
    int master_ = -1;
    std::string path_;
};

// A helper process (`sleep`) with `device` open on its standard input, or with nothing open
// when `device` is empty. Killed at the end.
class Holder {
  public:
    explicit Holder(const std::string& device) {
        pid_ = ::fork();
        if (pid_ == 0) {
            if (!device.empty()) {
                const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
                if (fd < 0) ::_exit(3);
                ::dup2(fd, 0);
            }
            ::execl("/bin/sleep", "sleep", "60", static_cast<char*>(nullptr));
            ::_exit(4);
        }
    }
    ~Holder() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    int pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
};

}  // namespace talvo::link::testing
