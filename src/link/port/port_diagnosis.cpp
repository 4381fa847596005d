#include "link/port/port_diagnosis.h"

#include <unistd.h>

#include <cstdlib>

#include "link/protocol/port_names.h"

namespace talvo::link {

namespace {

Message Lit(std::string words) {
    return Message::Literal(std::move(words));
}

Message PresentList(const std::vector<SerialDeviceInfo>& present,
                    const std::vector<PortEntry>& numbered) {
    std::vector<Message> out;
    for (const SerialDeviceInfo& d : present) {
        std::string number;
        for (const PortEntry& p : numbered) {
            if (p.device == d.path) number = std::to_string(p.number);
        }
        out.push_back(Lit("\n  " + d.path + "  "));
        out.push_back(DescriptionText(d));
        if (!number.empty())
            out.push_back(Message(TALVO_TEXT("PortDiagnosis", " (port %1)"), {Lit(number)}));
    }
    return Concat(std::move(out));
}

Message Missing(const PortDiagnosis& d) {
    if (!d.port.device) {
        return Message(
            TALVO_TEXT("PortDiagnosis", "Port %1 reaches no serial device on this computer."),
            {Lit(std::to_string(d.port.number))});
    }
    return Message(
        TALVO_TEXT("PortDiagnosis", "The device %1 is not there (is the cable unplugged?)."),
        {Lit(*d.port.device)});
}

Message Present(const PortDiagnosis& d) {
    if (d.present.empty()) {
        return TALVO_TEXT("PortDiagnosis",
                          "No serial device is present now: plug the programming cable in.");
    }
    return Concat({TALVO_TEXT("PortDiagnosis", "Serial devices present:"),
                   PresentList(d.present, d.numbers)});
}

Message NoPermission(const PortDiagnosis& d) {
    const std::string device = d.port.device.value_or("");
    const std::string owner = d.group.empty() ? "?" : d.group;
    std::vector<Message> text{Message(
        TALVO_TEXT("PortDiagnosis", "No permission to open %1 (it belongs to the group %2)."),
        {Lit(device), Lit(owner)})};
    // Serial devices belong to a serial group; a device of root or tty is not meant to be
    // shared by membership, and the cable's device will be in dialout.
    const bool serialGroup = !d.group.empty() && d.group != "root" && d.group != "tty" &&
                             d.group != "0" && d.group != "5";
    const std::string group = serialGroup ? d.group : "dialout";
    if (!d.udevRule) {
        text.push_back(
            TALVO_TEXT("PortDiagnosis",
                       "\nThe program's udev rule (70-talvo.rules, which gives the logged-in "
                       "user the cable) is not installed: install the talvo package, or copy "
                       "70-talvo.rules to /etc/udev/rules.d, then unplug and replug the cable."));
    } else {
        text.push_back(TALVO_TEXT("PortDiagnosis",
                                  "\nThe udev rule is installed, but it serves only a user logged "
                                  "in at this computer: unplug and replug the cable."));
    }
    if (d.listedInGroup && serialGroup) {
        text.push_back(Message(TALVO_TEXT("PortDiagnosis",
                                          "\nYou are in the group %1, but this login started "
                                          "before you were added: log out and log in again."),
                               {Lit(group)}));
    } else {
        const Message which(serialGroup
                                ? TALVO_TEXT("PortDiagnosis", "the group %1")
                                : TALVO_TEXT("PortDiagnosis", "%1, the group of serial devices"),
                            {Lit(group)});
        text.push_back(Message(TALVO_TEXT("PortDiagnosis",
                                          "\nOr add yourself to %1: sudo usermod -aG %2 $USER — "
                                          "then log out and log in again (a new login is needed)."),
                               {which, Lit(group)}));
    }
    return Concat(std::move(text));
}

Message InUse(const PortDiagnosis& d) {
    const std::string device = d.port.device.value_or("");
    if (d.port.holders.empty()) {
        return Message(TALVO_TEXT("PortDiagnosis",
                                  "%1 is in use by another program (the system does not say which; "
                                  "sudo fuser -v %1 shows it). Close that program and try again."),
                       {Lit(device)});
    }
    std::vector<Message> who;
    for (const Holder& h : d.port.holders) {
        if (!who.empty()) who.push_back(TALVO_TEXT("PortDiagnosis", ", "));
        who.push_back(Lit(h.name.empty() ? "?" : h.name));
        who.push_back(TALVO_TEXT("PortDiagnosis", " (process "));
        who.push_back(Lit(std::to_string(h.pid)));
        who.push_back(TALVO_TEXT("PortDiagnosis", ")"));
    }
    return Message(
        TALVO_TEXT("PortDiagnosis", "%1 is in use by %2. Close that program and try again."),
        {Lit(device), Concat(std::move(who))});
}

Message NoHardware(const PortDiagnosis& d) {
    return Message(TALVO_TEXT("PortDiagnosis",
                              "%1 is a built-in serial port with no hardware "
                              "behind it; no cable can be on it."),
                   {Lit(d.port.device.value_or(""))});
}

Message Brltty() {
    return TALVO_TEXT(
        "PortDiagnosis",
        "brltty (the Braille display service) is installed and a CH340 cable is plugged in: "
        "brltty claims the CH340 as a Braille display and its serial device disappears. If "
        "you use no Braille display, remove it (sudo apt remove brltty) or stop it (sudo "
        "systemctl stop brltty-udev.service brltty.service and sudo systemctl mask "
        "brltty-udev.service), then unplug and replug the cable.");
}

}  // namespace

PortDiagnosis DiagnosePort(const PortEntry& port, Status failure, const SystemRoots& roots,
                           const UserIdentity& user, int selfPid) {
    PortDiagnosis d;
    d.port = port;
    if (d.port.access == PortAccess::Free) {
        // The device opens now, yet the program's open failed: another program's lock or
        // exclusive use (it is among the holders), or a refusal the failure names.
        d.port.access = !d.port.holders.empty()               ? PortAccess::InUse
                        : failure == Status::PermissionDenied ? PortAccess::NoPermission
                                                              : PortAccess::Fails;
    }
    if (d.port.access == PortAccess::NoPermission && d.port.device) {
        const auto host = HostPath(*d.port.device, roots);
        d.group = GroupOf(host, roots);
        d.listedInGroup = ListedInGroup(d.group, user, roots);
        d.udevRule = UdevRuleInstalled(roots);
    }
    d.present = PresentSerialDevices(roots);
    if (d.port.access == PortAccess::Missing || d.port.access == PortAccess::NoHardware) {
        d.numbers = SurveyPorts(
            roots, user,
            [](const std::string& name) {
                const char* value = std::getenv(name.c_str());
                return value && *value ? std::optional<std::string>(value) : std::nullopt;
            },
            selfPid);
        if (const auto cable = SingleUsbCable(d.numbers)) {
            d.cable = d.numbers[static_cast<std::size_t>(*cable - 1)];
        }
    }
    bool ch340Tty = false;
    for (const SerialDeviceInfo& info : d.present) ch340Tty = ch340Tty || info.chip == "CH340";
    d.brlttyHoldsCh340 = !ch340Tty && BrlttyInstalled(roots) && Ch340OnUsb(roots);
    const bool usb = d.port.info && (d.port.info->kind == SerialDeviceInfo::Kind::UsbSerial ||
                                     d.port.info->kind == SerialDeviceInfo::Kind::UsbModem);
    d.modemManagerProbes =
        usb && d.port.holders.empty() &&
        (d.port.access == PortAccess::InUse || d.port.access == PortAccess::Fails) &&
        !UdevRuleInstalled(roots) && ProcessRunning("ModemManager", roots);
    return d;
}

Message DiagnosisText(const PortDiagnosis& d) {
    std::vector<Message> text;
    switch (d.port.access) {
        case PortAccess::Missing:
            text = {Missing(d), Lit("\n"), Present(d)};
            break;
        case PortAccess::NoHardware:
            text = {NoHardware(d), Lit("\n"), Present(d)};
            break;
        case PortAccess::NoPermission:
            text = {NoPermission(d)};
            break;
        case PortAccess::InUse:
            text = {InUse(d)};
            break;
        case PortAccess::Fails:
            text = {Message(TALVO_TEXT("PortDiagnosis", "The system refuses to open %1."),
                            {Lit(d.port.device.value_or(""))})};
            break;
        case PortAccess::Free:
            break;
    }
    if (d.cable && d.cable->number != d.port.number) {
        text.push_back(
            Message(TALVO_TEXT("PortDiagnosis", "\nThe USB serial cable %1 is port %2."),
                    {Lit(d.cable->device.value_or("")), Lit(std::to_string(d.cable->number))}));
    }
    if (d.modemManagerProbes) {
        text.push_back(
            TALVO_TEXT("PortDiagnosis",
                       "\nModemManager is running; it probes a newly plugged USB serial device "
                       "and holds it for a while. Try again in a moment; with the program's "
                       "udev rule (70-talvo.rules) installed it leaves the cable alone."));
    }
    if (d.brlttyHoldsCh340) {
        text.push_back(Lit("\n"));
        text.push_back(Brltty());
    }
    return Concat(std::move(text));
}

Message ExplainPortFailure(int number, const std::string& device, Status failure) {
    const SystemRoots roots;
    const UserIdentity user = CurrentUser();
    const int self = static_cast<int>(::getpid());
    PortEntry port;
    if (number == 0) {
        port = SurveyDevice(device, roots, user, self);
    } else {
        const auto env = [](const std::string& name) {
            const char* value = std::getenv(name.c_str());
            return value && *value ? std::optional<std::string>(value) : std::nullopt;
        };
        if (number < kLowestPortNumber || number > kHighestPortNumber) return Lit({});
        port = SurveyPorts(roots, user, env, self)[static_cast<std::size_t>(number - 1)];
    }
    port.number = number;
    return DiagnosisText(DiagnosePort(port, failure, roots, user, self));
}

}  // namespace talvo::link
