#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/port/port_survey.h"
#include "link/port/serial_system.h"
#include "model/language.h"
#include "model/status.h"

namespace talvo::link {

// Why a port cannot be used, with what is needed to say how to fix it.
struct PortDiagnosis {
    PortEntry port;  // the device as it is now (number 0 when named directly)
    // NoPermission: the device's group, whether the group database already lists the user
    // (then only a new login is missing), whether this program's udev rule is installed.
    std::string group;
    bool listedInGroup = false;
    bool udevRule = false;
    // Missing or NoHardware: the serial devices that are there, and what each number reaches.
    std::vector<SerialDeviceInfo> present;
    std::vector<PortEntry> numbers;
    // The one USB serial cable when exactly one is present and the port reaches another device
    // or none.
    std::optional<PortEntry> cable;
    // brltty is installed and a CH340 is on the bus without a serial device of its own.
    bool brlttyHoldsCh340 = false;
    // In use by a program the system does not name, a USB device, ModemManager running and
    // this program's udev rule (which keeps it away) not installed: ModemManager probes it.
    bool modemManagerProbes = false;
};

// Looks at the system after opening `port` failed with `failure` (PermissionDenied or
// PortCannotOpen). When the device itself looks usable now, the failure decides the cause.
PortDiagnosis DiagnosePort(const PortEntry& port, Status failure, const SystemRoots& roots,
                           const UserIdentity& user, int selfPid);

// The cause and its fix, one paragraph per finding.
Message DiagnosisText(const PortDiagnosis& diagnosis);

// The diagnosis of this computer for port `number` (through the port-number rule) or, with
// number 0, for `device`.
Message ExplainPortFailure(int number, const std::string& device, Status failure);

}  // namespace talvo::link
