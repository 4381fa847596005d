#include "link/port/port_survey.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "link/protocol/port_names.h"

namespace talvo::link {

namespace {

std::string Hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

std::string Pad(const std::string& text, std::size_t width) {
    // Pads by characters on screen: a UTF-8 lead byte starts one, and CJK characters take two
    // columns.
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;
        columns += c >= 0xE0 ? 2 : 1;
    }
    return columns >= width ? text + " " : text + std::string(width - columns, ' ');
}

}  // namespace

PortEntry SurveyDevice(const std::string& device, const SystemRoots& roots,
                       const UserIdentity& user, int selfPid) {
    return SurveyDevice(device, roots, user, OpenDevices(roots, selfPid));
}

PortEntry SurveyDevice(const std::string& device, const SystemRoots& roots,
                       const UserIdentity& user, const OpenDevices& open) {
    PortEntry entry;
    entry.device = device;
    entry.info = DescribeDevice(device, roots);
    if (!entry.info) {
        entry.access = PortAccess::Missing;
        return entry;
    }
    // Who else has it open, whether or not that stops an open (it does not for a terminal
    // opened without exclusive use, but a transfer would share the line).
    entry.holders = open.holding(device);
    const std::filesystem::path host = HostPath(device, roots);
    if (!MayOpen(host, user)) {
        entry.access = PortAccess::NoPermission;
        return entry;
    }
    if (entry.info->kind == SerialDeviceInfo::Kind::BuiltInWithoutHardware) {
        entry.access = PortAccess::NoHardware;
        return entry;
    }
    entry.access = PortAccess::Free;
    if (!user.current) return entry;
    const int fd = ::open(host.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return entry;
    }
    switch (errno) {
        case EACCES:
        case EPERM:
            entry.access = PortAccess::NoPermission;
            break;
        case EBUSY:
            entry.access = PortAccess::InUse;
            break;
        case EIO:
        case ENXIO:
        case ENODEV:
            entry.access = PortAccess::NoHardware;
            break;
        case ENOENT:
            entry.access = PortAccess::Missing;
            break;
        default:
            entry.access = PortAccess::Fails;
    }
    return entry;
}

std::vector<PortEntry> SurveyPorts(const SystemRoots& roots, const UserIdentity& user,
                                   const EnvLookup& env, int selfPid) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(roots.dev, ec), end; !ec && it != end;
         it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    const OpenDevices open(roots, selfPid);
    std::vector<PortEntry> ports;
    for (int n = kLowestPortNumber; n <= kHighestPortNumber; ++n) {
        const auto device = DeviceForPortNumber(n, PortPlatform::Linux, names, env);
        PortEntry entry = device ? SurveyDevice(*device, roots, user, open) : PortEntry{};
        entry.number = n;
        ports.push_back(std::move(entry));
    }
    return ports;
}

std::optional<int> SingleUsbCable(const std::vector<PortEntry>& ports) {
    std::optional<int> found;
    for (const PortEntry& p : ports) {
        if (!p.info || (p.info->kind != SerialDeviceInfo::Kind::UsbSerial &&
                        p.info->kind != SerialDeviceInfo::Kind::UsbModem))
            continue;
        if (found) return std::nullopt;
        found = p.number;
    }
    return found;
}

std::string DescriptionText(const std::optional<SerialDeviceInfo>& info, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    if (!info) return zh ? "（无设备）" : "(no device)";
    const std::string chip = !info->chip.empty() ? info->chip
                             : info->vendor != 0 ? Hex4(info->vendor) + ":" + Hex4(info->product)
                                                 : std::string();
    const std::string withChip = chip.empty() ? "" : " (" + chip + ")";
    switch (info->kind) {
        case SerialDeviceInfo::Kind::UsbSerial:
            return (zh ? "USB串口" : "USB serial") + withChip;
        case SerialDeviceInfo::Kind::UsbModem:
            return (zh ? "USB调制解调器类串口" : "USB modem-class serial") + withChip;
        case SerialDeviceInfo::Kind::BuiltIn:
            return zh ? "内置串口" : "built-in serial port";
        case SerialDeviceInfo::Kind::BuiltInWithoutHardware:
            return zh ? "内置串口（无硬件）" : "built-in serial port (no hardware)";
        case SerialDeviceInfo::Kind::PseudoTerminal:
            return zh ? "伪终端" : "pseudo-terminal";
        case SerialDeviceInfo::Kind::Other:
            break;
    }
    return (zh ? "串行设备" : "serial device") + withChip;
}

std::string AccessText(const PortEntry& entry, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    std::string who;
    for (const Holder& h : entry.holders) {
        who += (who.empty() ? "" : ", ") + h.name + " (" + std::to_string(h.pid) + ")";
    }
    switch (entry.access) {
        case PortAccess::Free:
            if (who.empty()) return zh ? "可以" : "yes";
            return zh ? "可以（" + who + "也打开着它）" : "yes (also open in " + who + ")";
        case PortAccess::NoPermission:
            return zh ? "否：没有权限" : "no: no permission";
        case PortAccess::InUse:
            if (who.empty()) return zh ? "否：被其他程序占用" : "no: in use by another program";
            return (zh ? "否：被占用：" : "no: in use by ") + who;
        case PortAccess::NoHardware:
            return zh ? "否：无硬件" : "no: no hardware";
        case PortAccess::Missing:
            return entry.device ? (zh ? "否：设备不存在" : "no: device missing") : "-";
        case PortAccess::Fails:
            return zh ? "否：系统拒绝打开" : "no: the system refuses to open it";
    }
    return {};
}

std::string FormatPortTable(const std::vector<PortEntry>& ports, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    std::size_t deviceWidth = 8;
    for (const PortEntry& p : ports) {
        if (p.device) deviceWidth = std::max(deviceWidth, p.device->size() + 2);
    }
    std::string out = Pad(zh ? "端口" : "PORT", 6) + Pad(zh ? "设备" : "DEVICE", deviceWidth) +
                      Pad(zh ? "说明" : "DESCRIPTION", 32) + (zh ? "现在可打开" : "OPEN NOW") +
                      "\n";
    for (const PortEntry& p : ports) {
        out += Pad(std::to_string(p.number), 6) + Pad(p.device.value_or("-"), deviceWidth) +
               Pad(DescriptionText(p.info, lang), 32) + AccessText(p, lang) + "\n";
    }
    return out;
}

}  // namespace talvo::link
