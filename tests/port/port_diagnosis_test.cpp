#include "link/port/port_diagnosis.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "fake_system.h"
#include "lang/catalogue.h"

namespace talvo::link {
namespace {

using testing::FakeSystem;
using testing::Holder;
using testing::Pty;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

PortDiagnosis Diagnose(const std::string& device, Status failure, const SystemRoots& roots,
                       const UserIdentity& user, int number = 0) {
    PortEntry entry = SurveyDevice(device, roots, user, static_cast<int>(::getpid()));
    entry.number = number;
    return DiagnosePort(entry, failure, roots, user, static_cast<int>(::getpid()));
}

// A terminal device this user may not open: the cause, the device's group, and the fix (the
// udev rule, the group with the exact command, a new login) in both languages.
TEST(PortDiagnosis, NoPermissionNamesTheGroupTheRuleAndTheNewLogin) {
    FakeSystem sys;
    Pty pty;
    ASSERT_EQ(::chmod(pty.path().c_str(), 0600), 0);
    struct stat st {};
    ASSERT_EQ(::stat(pty.path().c_str(), &st), 0);
    std::filesystem::create_directory_symlink("/dev/pts", sys.roots.dev / "pts");
    FakeSystem::Put(sys.roots.root / "etc/group",
                    "dialout:x:" + std::to_string(st.st_gid) + ":alice,carol\n");
    const UserIdentity alice{st.st_uid + 1000, {st.st_gid + 1000}, "alice", false};
    const UserIdentity bob{st.st_uid + 1000, {st.st_gid + 1000}, "bob", false};

    PortDiagnosis d = Diagnose(pty.path(), Status::PermissionDenied, sys.roots, bob);
    ASSERT_EQ(d.port.access, PortAccess::NoPermission);
    EXPECT_EQ(d.group, "dialout");
    EXPECT_FALSE(d.listedInGroup);
    EXPECT_FALSE(d.udevRule);
    std::string en = Render(DiagnosisText(d), kEnglish);
    std::string zh = Render(DiagnosisText(d), kChinese);
    EXPECT_TRUE(Has(en, "No permission to open " + pty.path())) << en;
    EXPECT_TRUE(Has(en, "70-talvo.rules")) << en;
    EXPECT_TRUE(Has(en, "is not installed")) << en;
    EXPECT_TRUE(Has(en, "sudo usermod -aG dialout $USER")) << en;
    EXPECT_TRUE(Has(en, "a new login is needed")) << en;
    EXPECT_TRUE(Has(zh, "没有权限打开" + pty.path())) << zh;
    EXPECT_TRUE(Has(zh, "未安装")) << zh;
    EXPECT_TRUE(Has(zh, "sudo usermod -aG dialout $USER")) << zh;
    EXPECT_TRUE(Has(zh, "重新登录")) << zh;

    // Already listed in the group, the rule installed: only a new login (or a replug) is missing.
    FakeSystem::Put(sys.roots.root / "usr/lib/udev/rules.d/70-talvo.rules", "");
    d = Diagnose(pty.path(), Status::PermissionDenied, sys.roots, alice);
    EXPECT_TRUE(d.listedInGroup);
    EXPECT_TRUE(d.udevRule);
    en = Render(DiagnosisText(d), kEnglish);
    zh = Render(DiagnosisText(d), kChinese);
    EXPECT_TRUE(Has(en, "You are in the group dialout")) << en;
    EXPECT_TRUE(Has(en, "log out and log in again")) << en;
    EXPECT_FALSE(Has(en, "usermod")) << en;
    EXPECT_FALSE(Has(en, "is not installed")) << en;
    EXPECT_TRUE(Has(zh, "您已在dialout组中")) << zh;
}

// A helper process holds the terminal open: the diagnosis names it and its process id. A
// program known only by the port library's lock file is named as well.
TEST(PortDiagnosis, InUseNamesTheProcessHoldingThePort) {
    Pty pty;
    const Holder holder(pty.path());
    const SystemRoots real;
    // Until the helper has the terminal open and has become `sleep`.
    std::vector<link::Holder> seen;
    const auto ready = [&] { return seen.size() == 1 && seen[0].name == "sleep"; };
    for (int i = 0; i < 200 && !ready(); ++i) {
        seen = ProcessesHolding(pty.path(), real, static_cast<int>(::getpid()));
        if (!ready()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].pid, holder.pid());
    EXPECT_EQ(seen[0].name, "sleep");

    const PortDiagnosis d = Diagnose(pty.path(), Status::PortCannotOpen, real, CurrentUser());
    ASSERT_EQ(d.port.access, PortAccess::InUse);
    const std::string pid = std::to_string(holder.pid());
    EXPECT_TRUE(Has(Render(DiagnosisText(d), kEnglish), "in use by sleep (process " + pid + ")"))
        << Render(DiagnosisText(d), kEnglish);
    EXPECT_TRUE(Has(Render(DiagnosisText(d), kChinese), "正被sleep（进程号" + pid + "）占用"))
        << Render(DiagnosisText(d), kChinese);
    EXPECT_TRUE(Has(Render(AccessText(d.port), kEnglish), "sleep (" + pid + ")"));

    // The lock file names a running program that has no descriptor open (yet).
    FakeSystem sys;
    sys.roots.proc = "/proc";
    const Holder locker("");
    const std::string lockName = "LCK.." + pty.path().substr(5);
    std::string file = lockName;
    std::replace(file.begin() + 5, file.end(), '/', '_');
    FakeSystem::Put(sys.roots.root / "run/lock" / file,
                    "     " + std::to_string(locker.pid()) + "\nother\nhost\n");
    std::filesystem::create_directory_symlink("/dev/pts", sys.roots.dev / "pts");
    const auto holders = ProcessesHolding(pty.path(), sys.roots, static_cast<int>(::getpid()));
    EXPECT_TRUE(std::any_of(holders.begin(), holders.end(),
                            [&](const link::Holder& h) { return h.pid == locker.pid(); }));
}

// A device that is gone (or a number that reaches nothing): the diagnosis lists the serial
// devices present with their numbers, and names the one USB cable.
TEST(PortDiagnosis, MissingDeviceListsTheDevicesPresent) {
    FakeSystem sys;
    PortDiagnosis d = Diagnose("/dev/ttyUSB3", Status::PortCannotOpen, sys.roots, CurrentUser());
    ASSERT_EQ(d.port.access, PortAccess::Missing);
    EXPECT_TRUE(Has(Render(DiagnosisText(d), kEnglish), "/dev/ttyUSB3 is not there"))
        << Render(DiagnosisText(d), kEnglish);
    EXPECT_TRUE(Has(Render(DiagnosisText(d), kEnglish), "No serial device is present now"));
    EXPECT_TRUE(Has(Render(DiagnosisText(d), kChinese), "没有任何串行设备"));

    sys.plugUsb("ttyUSB0", "1-1", 0x1a86, 0x7523);
    sys.builtIn("ttyS0", 4);
    sys.builtIn("ttyS1", 0);  // no hardware: not a device a cable can be on
    d = Diagnose("/dev/ttyUSB3", Status::PortCannotOpen, sys.roots, CurrentUser());
    std::string en = Render(DiagnosisText(d), kEnglish);
    EXPECT_TRUE(Has(en,
                    "Serial devices present:\n  /dev/ttyUSB0  USB serial (CH340) (port 1)\n  "
                    "/dev/ttyS0  built-in serial port"))
        << en;
    EXPECT_FALSE(Has(en, "ttyS1")) << en;
    EXPECT_TRUE(Has(en, "The USB serial cable /dev/ttyUSB0 is port 1.")) << en;
    ASSERT_TRUE(d.cable);
    EXPECT_EQ(d.cable->number, 1);

    // By number: 5 reaches nothing here.
    PortEntry five;
    five.number = 5;
    d = DiagnosePort(five, Status::PortCannotOpen, sys.roots, CurrentUser(), 0);
    en = Render(DiagnosisText(d), kEnglish);
    const std::string zh = Render(DiagnosisText(d), kChinese);
    EXPECT_TRUE(Has(en, "Port 5 reaches no serial device")) << en;
    EXPECT_TRUE(Has(zh, "本机没有串行设备对应端口5")) << zh;
    EXPECT_TRUE(Has(zh, "USB串口电缆/dev/ttyUSB0是端口1")) << zh;
}

// brltty installed and a CH340 on the bus without its serial device: what brltty does and how
// to stop it. Without brltty, or with the CH340's device present, nothing is said about it.
TEST(PortDiagnosis, BrlttyTakingTheCh340IsExplained) {
    FakeSystem sys;
    sys.plugUsb("", "1-4", 0x1a86, 0x7523);  // the chip, its ttyUSB taken away
    const auto check = [&](bool expected) {
        const PortDiagnosis d =
            Diagnose("/dev/ttyUSB0", Status::PortCannotOpen, sys.roots, CurrentUser(), 1);
        EXPECT_EQ(d.brlttyHoldsCh340, expected);
        EXPECT_EQ(Has(Render(DiagnosisText(d), kEnglish), "sudo apt remove brltty"), expected);
        EXPECT_EQ(Has(Render(DiagnosisText(d), kChinese), "盲文显示服务brltty"), expected);
    };
    check(false);
    FakeSystem::Put(sys.roots.root / "usr/bin/brltty", "");
    check(true);
    sys.plugUsb("ttyUSB0", "1-5", 0x1a86, 0x7523);  // a CH340 with its device: brltty left it
    check(false);
}

// A USB cable in use by a program /proc does not name, with ModemManager running and the rule
// not installed: the diagnosis says ModemManager probes it, and not once the rule is there.
TEST(PortDiagnosis, ModemManagerProbingIsNamedWhenNothingElseIs) {
    FakeSystem sys;
    sys.plugUsb("ttyUSB0", "1-1", 0x1a86, 0x7523);
    sys.roots.proc = sys.path("proc");
    FakeSystem::Put(sys.roots.proc / "812/comm", "ModemManager\n");
    PortEntry busy = SurveyDevice("/dev/ttyUSB0", sys.roots, CurrentUser(), 0);
    busy.access = PortAccess::InUse;  // as an open refused with EBUSY leaves it
    PortDiagnosis d = DiagnosePort(busy, Status::PortCannotOpen, sys.roots, CurrentUser(), 0);
    EXPECT_TRUE(d.modemManagerProbes);
    EXPECT_TRUE(Has(Render(DiagnosisText(d), kEnglish), "ModemManager is running"))
        << Render(DiagnosisText(d), kEnglish);
    EXPECT_TRUE(Has(Render(DiagnosisText(d), kChinese), "ModemManager正在运行"));
    FakeSystem::Put(sys.roots.root / "etc/udev/rules.d/70-talvo.rules", "");
    d = DiagnosePort(busy, Status::PortCannotOpen, sys.roots, CurrentUser(), 0);
    EXPECT_FALSE(d.modemManagerProbes);
}

}  // namespace
}  // namespace talvo::link
