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

Message DescriptionText(const std::optional<SerialDeviceInfo>& info) {
    if (!info) return TALVO_TEXT("PortSurvey", "(no device)");
    const std::string chip = !info->chip.empty() ? info->chip
                             : info->vendor != 0 ? Hex4(info->vendor) + ":" + Hex4(info->product)
                                                 : std::string();
    const auto withChip = [&](const Text& kind) {
        return chip.empty() ? Message(kind)
                            : Message::Join("%1 (%2)", {kind, Message::Literal(chip)});
    };
    switch (info->kind) {
        case SerialDeviceInfo::Kind::UsbSerial:
            return withChip(TALVO_TEXT("PortSurvey", "USB serial"));
        case SerialDeviceInfo::Kind::UsbModem:
            return withChip(TALVO_TEXT("PortSurvey", "USB modem-class serial"));
        case SerialDeviceInfo::Kind::BuiltIn:
            return TALVO_TEXT("PortSurvey", "built-in serial port");
        case SerialDeviceInfo::Kind::BuiltInWithoutHardware:
            return TALVO_TEXT("PortSurvey", "built-in serial port (no hardware)");
        case SerialDeviceInfo::Kind::PseudoTerminal:
            return TALVO_TEXT("PortSurvey", "pseudo-terminal");
        case SerialDeviceInfo::Kind::Other:
            break;
    }
    return withChip(TALVO_TEXT("PortSurvey", "serial device"));
}

Message AccessText(const PortEntry& entry) {
    std::string who;
    for (const Holder& h : entry.holders) {
        who += (who.empty() ? "" : ", ") + h.name + " (" + std::to_string(h.pid) + ")";
    }
    switch (entry.access) {
        case PortAccess::Free:
            if (who.empty()) return TALVO_TEXT("PortSurvey", "yes");
            return Message(TALVO_TEXT("PortSurvey", "yes (also open in %1)"),
                           {Message::Literal(who)});
        case PortAccess::NoPermission:
            return TALVO_TEXT("PortSurvey", "no: no permission");
        case PortAccess::InUse:
            if (who.empty()) return TALVO_TEXT("PortSurvey", "no: in use by another program");
            return Message::Join(
                "%1%2", {TALVO_TEXT("PortSurvey", "no: in use by "), Message::Literal(who)});
        case PortAccess::NoHardware:
            return TALVO_TEXT("PortSurvey", "no: no hardware");
        case PortAccess::Missing:
            return entry.device ? Message(TALVO_TEXT("PortSurvey", "no: device missing"))
                                : Message::Literal("-");
        case PortAccess::Fails:
            return TALVO_TEXT("PortSurvey", "no: the system refuses to open it");
    }
    return Message::Literal({});
}

std::string FormatPortTable(const std::vector<PortEntry>& ports, const TextWords& words) {
    std::size_t deviceWidth = 8;
    for (const PortEntry& p : ports) {
        if (p.device) deviceWidth = std::max(deviceWidth, p.device->size() + 2);
    }
    std::string out = Pad(Compose(TALVO_TEXT("PortSurvey", "PORT"), words), 6) +
                      Pad(Compose(TALVO_TEXT("PortSurvey", "DEVICE"), words), deviceWidth) +
                      Pad(Compose(TALVO_TEXT("PortSurvey", "DESCRIPTION"), words), 32) +
                      Compose(TALVO_TEXT("PortSurvey", "OPEN NOW"), words) + "\n";
    for (const PortEntry& p : ports) {
        out += Pad(std::to_string(p.number), 6) + Pad(p.device.value_or("-"), deviceWidth) +
               Pad(Compose(DescriptionText(p.info), words), 32) + Compose(AccessText(p), words) +
               "\n";
    }
    return out;
}

}  // namespace talvo::link
