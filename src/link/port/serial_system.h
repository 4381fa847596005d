#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace talvo::link {

// Where the system shows its serial devices, processes and settings. Tests point these at a
// temporary folder to build a situation (a cable, a missing device, an installed service).
struct SystemRoots {
    std::filesystem::path dev = "/dev";
    std::filesystem::path sys = "/sys";
    std::filesystem::path proc = "/proc";
    // Prefix of the installed files looked at: udev rules, /etc/group, the brltty program.
    std::filesystem::path root = "/";
};

// Who opens the port: the ids of this login, and the user's name for the group database.
struct UserIdentity {
    uid_t uid = 0;
    std::vector<gid_t> groups;  // the groups of this login, the primary one included
    std::string name;
    // The process's own identity: the system's access check (with access lists) applies.
    bool current = false;
};
UserIdentity CurrentUser();

// What a serial device is, from /sys/class/tty/<name>.
struct SerialDeviceInfo {
    enum class Kind { UsbSerial, UsbModem, BuiltIn, BuiltInWithoutHardware, PseudoTerminal, Other };
    std::string path;  // as the port number or the user names it (/dev/ttyUSB0, a by-id link)
    std::string name;  // the kernel's name behind it (ttyUSB0)
    Kind kind = Kind::Other;
    std::uint16_t vendor = 0;  // USB ids, 0 when not on USB
    std::uint16_t product = 0;
    std::string chip;  // "CH340", "PL2303", "FTDI", "CP210x"; empty for another or no USB chip
};

// The device's path under `roots.dev` ("/dev/x" becomes roots.dev/"x"); other paths unchanged.
std::filesystem::path HostPath(const std::string& device, const SystemRoots& roots);

// Nullopt when the device does not exist.
std::optional<SerialDeviceInfo> DescribeDevice(const std::string& device, const SystemRoots& roots);

// The serial devices present that can reach a cable: USB serial and modem-class devices and
// built-in ports with hardware behind them, as /dev paths in port-number order.
std::vector<SerialDeviceInfo> PresentSerialDevices(const SystemRoots& roots);

// A process holding a device open.
struct Holder {
    int pid = 0;
    std::string name;
};
// Which processes (other than `selfPid`) have which terminal devices open, from one look
// through /proc (as far as it lets this user see), plus the port library's lock files.
class OpenDevices {
  public:
    OpenDevices(const SystemRoots& roots, int selfPid);
    std::vector<Holder> holding(const std::string& device) const;

  private:
    SystemRoots roots_;
    int selfPid_;
    std::map<std::pair<dev_t, ino_t>, std::vector<Holder>> open_;
};

// The processes other than `selfPid` with the device open.
std::vector<Holder> ProcessesHolding(const std::string& device, const SystemRoots& roots,
                                     int selfPid);

// Whether `user` may read and write the device by its owner, group and mode.
bool MayOpen(const std::filesystem::path& hostPath, const UserIdentity& user);
// The name of the device's group ("dialout"), or its number when the database has no name.
std::string GroupOf(const std::filesystem::path& hostPath, const SystemRoots& roots);
// Whether the group database lists `user` in `group`.
bool ListedInGroup(const std::string& group, const UserIdentity& user, const SystemRoots& roots);

// This program's udev rule (70-talvo.rules) in /usr/lib/udev/rules.d or /etc/udev/rules.d.
bool UdevRuleInstalled(const SystemRoots& roots);
// The Braille display service, which claims CH340 chips as Braille displays.
bool BrlttyInstalled(const SystemRoots& roots);
// A process of this name is running (its /proc/<pid>/comm), such as ModemManager.
bool ProcessRunning(const std::string& name, const SystemRoots& roots);
// A CH340 chip (1a86:7523) on the USB bus, whether or not a ttyUSB device shows it.
bool Ch340OnUsb(const SystemRoots& roots);

}  // namespace talvo::link
