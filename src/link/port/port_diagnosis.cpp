#include "link/port/port_diagnosis.h"

#include <unistd.h>

#include <cstdlib>

#include "link/protocol/port_names.h"

namespace talvo::link {

namespace {

std::string PresentList(const std::vector<SerialDeviceInfo>& present,
                        const std::vector<PortEntry>& numbered, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    std::string out;
    for (const SerialDeviceInfo& d : present) {
        std::string number;
        for (const PortEntry& p : numbered) {
            if (p.device == d.path) number = std::to_string(p.number);
        }
        out += "\n  " + d.path + "  " + DescriptionText(d, lang);
        if (!number.empty()) out += zh ? "（端口" + number + "）" : " (port " + number + ")";
    }
    return out;
}

std::string Missing(const PortDiagnosis& d, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    const std::string n = std::to_string(d.port.number);
    std::string text;
    if (!d.port.device) {
        text = zh ? "本机没有串行设备对应端口" + n + "。"
                  : "Port " + n + " reaches no serial device on this computer.";
    } else {
        text = zh ? "设备" + *d.port.device + "不存在（电缆已拔出？）。"
                  : "The device " + *d.port.device + " is not there (is the cable unplugged?).";
    }
    return text;
}

std::string Present(const PortDiagnosis& d, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    if (d.present.empty()) {
        return zh ? "本机现在没有任何串行设备：请插上编程电缆。"
                  : "No serial device is present now: plug the programming cable in.";
    }
    return (zh ? "现有的串行设备：" : "Serial devices present:") +
           PresentList(d.present, d.numbers, lang);
}

std::string NoPermission(const PortDiagnosis& d, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    const std::string device = d.port.device.value_or("");
    const std::string owner = d.group.empty() ? "?" : d.group;
    std::string text =
        zh ? "没有权限打开" + device + "（属于" + owner + "组）。"
           : "No permission to open " + device + " (it belongs to the group " + owner + ").";
    // Serial devices belong to a serial group; a device of root or tty is not meant to be
    // shared by membership, and the cable's device will be in dialout.
    const bool serialGroup = !d.group.empty() && d.group != "root" && d.group != "tty" &&
                             d.group != "0" && d.group != "5";
    const std::string group = serialGroup ? d.group : "dialout";
    if (!d.udevRule) {
        text +=
            zh ? "\n本程序的udev规则（70-talvo."
                 "rules，让登录的用户使用编程电缆）未安装：请安装talvo软件包，"
                 "或将70-talvo.rules复制到/etc/udev/rules.d，再重新插拔电缆。"
               : "\nThe program's udev rule (70-talvo.rules, which gives the logged-in user the "
                 "cable) is not installed: install the talvo package, or copy 70-talvo.rules to "
                 "/etc/udev/rules.d, then unplug and replug the cable.";
    } else {
        text += zh ? "\nudev规则已安装，但只对本机登录的用户有效：请重新插拔电缆。"
                   : "\nThe udev rule is installed, but it serves only a user logged in at this "
                     "computer: unplug and replug the cable.";
    }
    if (d.listedInGroup && serialGroup) {
        text += zh ? "\n您已在" + group + "组中，但本次登录早于加入：请注销并重新登录。"
                   : "\nYou are in the group " + group +
                         ", but this login started before you were added: log out and log in "
                         "again.";
    } else {
        const std::string which = serialGroup ? (zh ? group + "组" : "the group " + group)
                                              : (zh ? "串行设备的" + group + "组"
                                                    : group + ", the group of serial devices");
        text += zh ? "\n或者将您加入" + which + "：sudo usermod -aG " + group +
                         " $USER ，然后注销并重新登录（需要新的登录才生效）。"
                   : "\nOr add yourself to " + which + ": sudo usermod -aG " + group +
                         " $USER — then log out and log in again (a new login is needed).";
    }
    return text;
}

std::string InUse(const PortDiagnosis& d, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    const std::string device = d.port.device.value_or("");
    if (d.port.holders.empty()) {
        return zh ? device + "正被其他程序占用（系统未说明是哪个程序；可用 sudo fuser -v " +
                        device + " 查看）。请关闭该程序后再试。"
                  : device +
                        " is in use by another program (the system does not say which; "
                        "sudo fuser -v " +
                        device + " shows it). Close that program and try again.";
    }
    std::string who;
    for (const Holder& h : d.port.holders) {
        if (!who.empty()) who += zh ? "、" : ", ";
        who += (h.name.empty() ? "?" : h.name) + (zh ? "（进程号" : " (process ") +
               std::to_string(h.pid) + (zh ? "）" : ")");
    }
    return zh ? device + "正被" + who + "占用。请关闭该程序后再试。"
              : device + " is in use by " + who + ". Close that program and try again.";
}

std::string NoHardware(const PortDiagnosis& d, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    const std::string device = d.port.device.value_or("");
    return zh ? device + "是没有硬件的内置串口，不能连接电缆。"
              : device +
                    " is a built-in serial port with no hardware behind it; no cable can be "
                    "on it.";
}

std::string Brltty(LanguageFlagValue lang) {
    return lang == kChinese
               ? "已安装盲文显示服务brltty，并插着CH340电缆：brltty把CH340当成盲文显示器占用，串行"
                 "设备随即消失。"
                 "如果不使用盲文显示器，请卸载它（sudo apt remove brltty），或停止它（sudo "
                 "systemctl "
                 "stop brltty-udev.service brltty.service 和 sudo systemctl mask "
                 "brltty-udev.service），然后重新插拔电缆。"
               : "brltty (the Braille display service) is installed and a CH340 cable is plugged "
                 "in: brltty claims the CH340 as a Braille display and its serial device "
                 "disappears. If you use no Braille display, remove it (sudo apt remove brltty) "
                 "or stop it (sudo systemctl stop brltty-udev.service brltty.service and sudo "
                 "systemctl mask brltty-udev.service), then unplug and replug the cable.";
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

std::string DiagnosisText(const PortDiagnosis& d, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    std::string text;
    switch (d.port.access) {
        case PortAccess::Missing:
            text = Missing(d, lang) + "\n" + Present(d, lang);
            break;
        case PortAccess::NoHardware:
            text = NoHardware(d, lang) + "\n" + Present(d, lang);
            break;
        case PortAccess::NoPermission:
            text = NoPermission(d, lang);
            break;
        case PortAccess::InUse:
            text = InUse(d, lang);
            break;
        case PortAccess::Fails:
            text = zh ? "系统拒绝打开" + d.port.device.value_or("") + "。"
                      : "The system refuses to open " + d.port.device.value_or("") + ".";
            break;
        case PortAccess::Free:
            break;
    }
    if (d.cable && d.cable->number != d.port.number) {
        const std::string n = std::to_string(d.cable->number);
        text +=
            zh ? "\nUSB串口电缆" + d.cable->device.value_or("") + "是端口" + n + "。"
               : "\nThe USB serial cable " + d.cable->device.value_or("") + " is port " + n + ".";
    }
    if (d.modemManagerProbes) {
        text += zh ? "\nModemManager正在运行，它会探测新插入的USB串口并短时占用。请稍候再试；安装本"
                     "程序的udev规则"
                     "（70-talvo.rules）后它将不再探测编程电缆。"
                   : "\nModemManager is running; it probes a newly plugged USB serial device and "
                     "holds it for a while. Try again in a moment; with the program's udev rule "
                     "(70-talvo.rules) installed it leaves the cable alone.";
    }
    if (d.brlttyHoldsCh340) text += "\n" + Brltty(lang);
    return text;
}

std::string ExplainPortFailure(int number, const std::string& device, Status failure,
                               LanguageFlagValue lang) {
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
        if (number < kLowestPortNumber || number > kHighestPortNumber) return {};
        port = SurveyPorts(roots, user, env, self)[static_cast<std::size_t>(number - 1)];
    }
    port.number = number;
    return DiagnosisText(DiagnosePort(port, failure, roots, user, self), lang);
}

}  // namespace talvo::link
