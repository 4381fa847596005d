#include "link/port/serial_system.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "link/protocol/cable_chips.h"
#include "link/protocol/port_names.h"

namespace talvo::link {

namespace fs = std::filesystem;

namespace {

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

std::optional<std::uint16_t> HexId(const fs::path& file) {
    const std::string text = FirstLine(file);
    if (text.empty() || text.size() > 4) return std::nullopt;
    std::uint16_t value = 0;
    for (const char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = static_cast<std::uint16_t>(value * 16 + digit);
    }
    return value;
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The USB ids of the device a tty hangs from: the nearest folder above it with idVendor.
void FindUsbIds(const fs::path& ttyDir, const SystemRoots& roots, SerialDeviceInfo& info) {
    std::error_code ec;
    fs::path at = fs::canonical(ttyDir / "device", ec);
    if (ec) return;
    const fs::path top = fs::weakly_canonical(roots.sys, ec);
    for (int depth = 0; depth < 12 && at.has_parent_path() && at != top && at != at.root_path();
         ++depth, at = at.parent_path()) {
        const auto vendor = HexId(at / "idVendor");
        const auto product = HexId(at / "idProduct");
        if (vendor && product) {
            info.vendor = *vendor;
            info.product = *product;
            for (const CableChip& chip : kCableChips) {
                if (chip.vendor == info.vendor && chip.product == info.product)
                    info.chip = chip.name;
            }
            return;
        }
    }
}

// name:password:gid:member,member per line.
struct GroupEntry {
    std::string name;
    std::string gid;
    std::vector<std::string> members;
};

std::vector<GroupEntry> ReadGroups(const SystemRoots& roots) {
    std::vector<GroupEntry> groups;
    std::ifstream in(roots.root / "etc/group");
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream split(line);
        std::string field;
        while (std::getline(split, field, ':')) fields.push_back(field);
        if (fields.size() < 3) continue;
        GroupEntry entry{fields[0], fields[2], {}};
        if (fields.size() > 3) {
            std::stringstream members(fields[3]);
            while (std::getline(members, field, ',')) {
                if (!field.empty()) entry.members.push_back(field);
            }
        }
        groups.push_back(std::move(entry));
    }
    return groups;
}

}  // namespace

UserIdentity CurrentUser() {
    UserIdentity user;
    user.uid = ::geteuid();
    user.groups.push_back(::getegid());
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> more(static_cast<std::size_t>(count));
        const int got = ::getgroups(count, more.data());
        if (got > 0) user.groups.insert(user.groups.end(), more.begin(), more.begin() + got);
    }
    if (const passwd* entry = ::getpwuid(user.uid); entry != nullptr) user.name = entry->pw_name;
    user.current = true;
    return user;
}

fs::path HostPath(const std::string& device, const SystemRoots& roots) {
    if (StartsWith(device, "/dev/")) return roots.dev / device.substr(5);
    return device;
}

std::optional<SerialDeviceInfo> DescribeDevice(const std::string& device,
                                               const SystemRoots& roots) {
    const fs::path host = HostPath(device, roots);
    std::error_code ec;
    if (device.empty() || !fs::exists(host, ec)) return std::nullopt;
    SerialDeviceInfo info;
    info.path = device;
    const fs::path real = fs::canonical(host, ec);
    const fs::path named = ec ? host : real;
    info.name = named.filename().string();
    const fs::path ttyDir = roots.sys / "class/tty" / info.name;
    if (named.parent_path().filename() == "pts") {
        info.kind = SerialDeviceInfo::Kind::PseudoTerminal;
        info.name = "pts/" + info.name;
        return info;
    }
    if (StartsWith(info.name, "ttyUSB")) {
        info.kind = SerialDeviceInfo::Kind::UsbSerial;
    } else if (StartsWith(info.name, "ttyACM")) {
        info.kind = SerialDeviceInfo::Kind::UsbModem;
    } else if (StartsWith(info.name, "ttyS")) {
        // The serial core reports port type 0 for a port without a chip behind it.
        info.kind = FirstLine(ttyDir / "type") == "0"
                        ? SerialDeviceInfo::Kind::BuiltInWithoutHardware
                        : SerialDeviceInfo::Kind::BuiltIn;
    }
    FindUsbIds(ttyDir, roots, info);
    return info;
}

std::vector<SerialDeviceInfo> PresentSerialDevices(const SystemRoots& roots) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(roots.dev, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    std::vector<SerialDeviceInfo> present;
    for (const std::string& path : OrderPortCandidates(names, PortPlatform::Linux)) {
        const auto info = DescribeDevice(path, roots);
        if (info && info->kind != SerialDeviceInfo::Kind::BuiltInWithoutHardware) {
            present.push_back(*info);
        }
    }
    return present;
}

OpenDevices::OpenDevices(const SystemRoots& roots, int selfPid) : roots_(roots), selfPid_(selfPid) {
    std::error_code ec;
    for (fs::directory_iterator it(roots.proc, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string pidText = it->path().filename().string();
        if (pidText.empty() || pidText.size() > 9 ||
            !std::all_of(pidText.begin(), pidText.end(), ::isdigit))
            continue;
        const int pid = std::stoi(pidText);
        if (pid == selfPid) continue;
        std::vector<std::pair<dev_t, ino_t>> seen;
        std::error_code fdError;
        for (fs::directory_iterator fd(it->path() / "fd", fdError), fdEnd; !fdError && fd != fdEnd;
             fd.increment(fdError)) {
            struct stat open {};
            if (::stat(fd->path().c_str(), &open) != 0 || !S_ISCHR(open.st_mode)) continue;
            const std::pair<dev_t, ino_t> key{open.st_dev, open.st_ino};
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
            seen.push_back(key);
            open_[key].push_back({pid, FirstLine(it->path() / "comm")});
        }
    }
}

std::vector<Holder> OpenDevices::holding(const std::string& device) const {
    std::vector<Holder> holders;
    const fs::path host = HostPath(device, roots_);
    struct stat target {};
    if (::stat(host.c_str(), &target) != 0) return holders;
    if (const auto it = open_.find({target.st_dev, target.st_ino}); it != open_.end()) {
        holders = it->second;
    }
    // A program using the port library's lock file ("LCK..ttyUSB0": pid, program, host),
    // named as the device is under /dev; a link (/dev/serial/by-id/...) by what it points at.
    std::string lockName =
        StartsWith(device, "/dev/") ? device.substr(5) : fs::path(device).filename().string();
    std::error_code realError;
    std::error_code rootError;
    const fs::path real = fs::canonical(host, realError);
    const fs::path devRoot = fs::canonical(roots_.dev, rootError);
    if (!realError && !rootError) {
        const fs::path inDev = real.lexically_relative(devRoot);
        if (!inDev.empty() && *inDev.begin() != "..") lockName = inDev.string();
    }
    std::replace(lockName.begin(), lockName.end(), '/', '_');
    for (const char* dir : {"run/lock", "var/lock"}) {
        // The pid may be padded with spaces (the older lock file style).
        const std::string line = FirstLine(roots_.root / dir / ("LCK.." + lockName));
        const std::size_t start = line.find_first_not_of(' ');
        const std::string pidText = start == std::string::npos ? "" : line.substr(start);
        if (pidText.empty() || pidText.size() > 9 ||
            !std::all_of(pidText.begin(), pidText.end(), ::isdigit))
            continue;
        const int pid = std::stoi(pidText);
        const bool known = std::any_of(holders.begin(), holders.end(),
                                       [pid](const Holder& h) { return h.pid == pid; });
        std::error_code ec;
        if (pid != selfPid_ && !known && fs::exists(roots_.proc / pidText, ec)) {
            holders.push_back({pid, FirstLine(roots_.proc / pidText / "comm")});
        }
    }
    std::sort(holders.begin(), holders.end(),
              [](const Holder& a, const Holder& b) { return a.pid < b.pid; });
    return holders;
}

std::vector<Holder> ProcessesHolding(const std::string& device, const SystemRoots& roots,
                                     int selfPid) {
    return OpenDevices(roots, selfPid).holding(device);
}

bool MayOpen(const fs::path& hostPath, const UserIdentity& user) {
    // The real user's access also counts access lists (the udev "uaccess" tag sets one).
    if (user.current) return ::access(hostPath.c_str(), R_OK | W_OK) == 0;
    struct stat st {};
    if (::stat(hostPath.c_str(), &st) != 0) return false;
    if (user.uid == 0) return true;
    const mode_t need =
        st.st_uid == user.uid ? (S_IRUSR | S_IWUSR)
        : std::find(user.groups.begin(), user.groups.end(), st.st_gid) != user.groups.end()
            ? (S_IRGRP | S_IWGRP)
            : (S_IROTH | S_IWOTH);
    return (st.st_mode & need) == need;
}

std::string GroupOf(const fs::path& hostPath, const SystemRoots& roots) {
    struct stat st {};
    if (::stat(hostPath.c_str(), &st) != 0) return {};
    const std::string gid = std::to_string(st.st_gid);
    for (const GroupEntry& g : ReadGroups(roots)) {
        if (g.gid == gid) return g.name;
    }
    return gid;
}

bool ListedInGroup(const std::string& group, const UserIdentity& user, const SystemRoots& roots) {
    if (user.name.empty()) return false;
    for (const GroupEntry& g : ReadGroups(roots)) {
        if (g.name == group) {
            return std::find(g.members.begin(), g.members.end(), user.name) != g.members.end();
        }
    }
    return false;
}

bool UdevRuleInstalled(const SystemRoots& roots) {
    std::error_code ec;
    for (const char* dir : {"usr/lib/udev/rules.d", "lib/udev/rules.d", "etc/udev/rules.d"}) {
        if (fs::exists(roots.root / dir / "70-talvo.rules", ec)) return true;
    }
    return false;
}

bool BrlttyInstalled(const SystemRoots& roots) {
    std::error_code ec;
    for (const char* file : {"usr/bin/brltty", "bin/brltty", "usr/sbin/brltty"}) {
        if (fs::exists(roots.root / file, ec)) return true;
    }
    return false;
}

bool ProcessRunning(const std::string& name, const SystemRoots& roots) {
    std::error_code ec;
    for (fs::directory_iterator it(roots.proc, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit)) continue;
        if (FirstLine(it->path() / "comm") == name) return true;
    }
    return false;
}

bool Ch340OnUsb(const SystemRoots& roots) {
    std::error_code ec;
    for (fs::directory_iterator it(roots.sys / "bus/usb/devices", ec), end; !ec && it != end;
         it.increment(ec)) {
        if (HexId(it->path() / "idVendor") == 0x1a86 && HexId(it->path() / "idProduct") == 0x7523)
            return true;
    }
    return false;
}

}  // namespace talvo::link
