#include "link/port/port_survey.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <sstream>

#include "fake_system.h"
#include "lang/catalogue.h"

namespace talvo::link {
namespace {

using testing::FakeSystem;
using testing::Pty;

EnvLookup Env(std::map<std::string, std::string> vars) {
    return [vars](const std::string& name) -> std::optional<std::string> {
        const auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
}

std::string Row(const std::string& table, int number) {
    std::istringstream in(table);
    std::string line;
    std::getline(in, line);  // heading
    for (int n = 1; std::getline(in, line); ++n) {
        if (n == number) return line;
    }
    return {};
}

// Every number of the table shows the device it reaches, what it is, and whether it opens now,
// in both languages; a number past the devices present reaches nothing.
TEST(PortSurvey, NumbersShowTheDeviceTheyReachAndWhatItIs) {
    FakeSystem sys;
    sys.plugUsb("ttyUSB0", "1-1", 0x1a86, 0x7523);
    sys.plugUsb("ttyUSB1", "1-2", 0x067b, 0x2303);
    sys.plugUsb("ttyACM0", "1-3", 0x1234, 0x5678);
    sys.builtIn("ttyS0", 4);
    sys.builtIn("ttyS1", 0);
    Pty pty;
    std::filesystem::create_directory_symlink("/dev/pts", sys.roots.dev / "pts");

    const auto ports = SurveyPorts(sys.roots, CurrentUser(), Env({{"TALVO_PORT_9", pty.path()}}),
                                   static_cast<int>(::getpid()));
    ASSERT_EQ(ports.size(), 16u);
    const std::string en = FormatPortTable(ports, WordsIn(kEnglish));
    const std::string zh = FormatPortTable(ports, WordsIn(kChinese));

    struct Expect {
        int number;
        std::string device, en, zh;
    };
    const std::vector<Expect> expected = {
        {1, "/dev/ttyUSB0", "USB serial (CH340)", "USB串口 (CH340)"},
        {2, "/dev/ttyUSB1", "USB serial (PL2303)", "USB串口 (PL2303)"},
        {3, "/dev/ttyACM0", "USB modem-class serial (1234:5678)",
         "USB调制解调器类串口 (1234:5678)"},
        {4, "/dev/ttyS0", "built-in serial port ", "内置串口 "},
        {5, "/dev/ttyS1", "built-in serial port (no hardware)", "内置串口（无硬件）"},
        {6, "-", "(no device)", "（无设备）"},
        {9, pty.path(), "pseudo-terminal", "伪终端"},
        {16, "-", "(no device)", "（无设备）"},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.number);
        const std::string rowEn = Row(en, e.number);
        const std::string rowZh = Row(zh, e.number);
        EXPECT_EQ(rowEn.substr(0, 6),
                  std::to_string(e.number) + std::string(6 - std::to_string(e.number).size(), ' '));
        EXPECT_NE(rowEn.find(" " + e.device + " "), std::string::npos) << rowEn;
        EXPECT_NE(rowEn.find(e.en), std::string::npos) << rowEn;
        EXPECT_NE(rowZh.find(e.zh), std::string::npos) << rowZh;
    }
    // Whether each opens now: the files and the terminal open; a port without a chip does not.
    EXPECT_TRUE(Row(en, 1).ends_with("yes"));
    EXPECT_TRUE(Row(en, 9).ends_with("yes"));
    EXPECT_TRUE(Row(zh, 9).ends_with("可以"));
    EXPECT_TRUE(Row(en, 5).ends_with("no: no hardware"));
    EXPECT_TRUE(Row(en, 6).ends_with("-"));
    EXPECT_EQ(ports[5].device, std::nullopt);

    // Three USB devices: none is "the" cable.
    EXPECT_EQ(SingleUsbCable(ports), std::nullopt);
}

TEST(PortSurvey, TheOneUsbCableIsFoundWhereverItsNumberIs) {
    FakeSystem sys;
    sys.builtIn("ttyS0", 4);
    EXPECT_EQ(SingleUsbCable(SurveyPorts(sys.roots, CurrentUser(), Env({}), 0)), std::nullopt);
    // An adapter without a known chip counts too; it is port 1 (USB before built-in ports).
    sys.plugUsb("ttyUSB4", "2-1", 0x1111, 0x2222);
    auto ports = SurveyPorts(sys.roots, CurrentUser(), Env({}), 0);
    EXPECT_EQ(SingleUsbCable(ports), 1);
    EXPECT_EQ(ports[0].device, "/dev/ttyUSB4");
    EXPECT_EQ(ports[1].device, "/dev/ttyS0");
    // With port 1 pointed elsewhere (as --demo does) the cable moves to the first number after
    // the list, where it is still found and offered.
    ports = SurveyPorts(sys.roots, CurrentUser(), Env({{"TALVO_PORT_1", "/dev/ttyS0"}}), 0);
    EXPECT_EQ(ports[0].device, "/dev/ttyS0");
    EXPECT_EQ(ports[2].device, "/dev/ttyUSB4");
    EXPECT_EQ(SingleUsbCable(ports), 3);
}

// The permission check follows owner, group and mode for another user, and the system's own
// answer for this one.
TEST(PortSurvey, PermissionFollowsOwnerGroupAndMode) {
    FakeSystem sys;
    const auto file = sys.roots.dev / "ttyUSB0";
    FakeSystem::Put(file, "");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 4242, 4343), 0);  // an ordinary owner
    }
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    UserIdentity stranger{st.st_uid + 1000, {st.st_gid + 1000}, "stranger", false};
    UserIdentity member{st.st_uid + 1000, {st.st_gid + 1000, st.st_gid}, "member", false};
    UserIdentity owner{st.st_uid, {st.st_gid + 1000}, "owner", false};
    struct Case {
        std::filesystem::perms mode;
        bool stranger, member, owner;
    };
    using P = std::filesystem::perms;
    for (const Case& c : std::vector<Case>{
             {P::owner_read | P::owner_write, false, false, true},
             {P::owner_read | P::owner_write | P::group_read | P::group_write, false, true, true},
             {P::group_read | P::group_write, false, true, false},
             {P::group_read | P::others_read | P::others_write, true, false, false},
         }) {
        std::filesystem::permissions(file, c.mode);
        EXPECT_EQ(MayOpen(file, stranger), c.stranger);
        EXPECT_EQ(MayOpen(file, member), c.member);
        EXPECT_EQ(MayOpen(file, owner), c.owner);
        const PortEntry entry = SurveyDevice("/dev/ttyUSB0", sys.roots, stranger, 0);
        EXPECT_EQ(entry.access, c.stranger ? PortAccess::Free : PortAccess::NoPermission);
    }
}

}  // namespace
}  // namespace talvo::link
