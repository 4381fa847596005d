#include <gtest/gtest.h>

#include <map>

#include "link/protocol/cooldown.h"
#include "link/protocol/port_names.h"

namespace talvo::link {
namespace {

const std::vector<std::string> kLinuxDev = {"ttyS1",  "tty0",    "ttyUSB10", "ttyACM0",
                                            "ttyS0",  "ttyUSB2", "ttyS10",   "ttyS2",
                                            "ttyUSB", "ttyUSBx", "null",     "ttyprintk"};

auto Env(std::map<std::string, std::string> vars) {
    return [vars](const std::string& name) -> std::optional<std::string> {
        const auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
}

TEST(LinkPortNames, LinuxListsUsbThenAcmThenBuiltInInNumericOrder) {
    EXPECT_EQ(OrderPortCandidates(kLinuxDev, PortPlatform::Linux),
              (std::vector<std::string>{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0",
                                        "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS10"}));
}

TEST(LinkPortNames, NumberToDevice) {
    const auto none = Env({});
    struct Case {
        int number;
        PortPlatform platform;
        std::optional<std::string> device;
    };
    const std::vector<std::string> mac = {"cu.usbserial-10", "tty.usbserial-10", "cu.Bluetooth",
                                          "disk0"};
    const std::vector<Case> cases = {
        {1, PortPlatform::Linux, "/dev/ttyUSB2"}, {4, PortPlatform::Linux, "/dev/ttyS0"},
        {7, PortPlatform::Linux, "/dev/ttyS10"},  {8, PortPlatform::Linux, std::nullopt},
        {0, PortPlatform::Linux, std::nullopt},   {17, PortPlatform::Windows, std::nullopt},
        {16, PortPlatform::Windows, "COM16"},     {3, PortPlatform::Windows, "COM3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceForPortNumber(c.number, c.platform, kLinuxDev, none), c.device) << c.number;
    }
    EXPECT_EQ(DeviceForPortNumber(1, PortPlatform::MacOS, mac, none), "/dev/cu.Bluetooth");
    EXPECT_EQ(DeviceForPortNumber(2, PortPlatform::MacOS, mac, none), "/dev/cu.usbserial-10");
    EXPECT_EQ(DeviceForPortNumber(3, PortPlatform::MacOS, mac, none), std::nullopt);
}

TEST(LinkPortNames, EnvironmentOverrideWinsForItsNumberOnly) {
    const auto env = Env({{"TALVO_PORT_3", "/dev/pts/7"},
                          {"TALVO_PORT_9", "/dev/pts/9"},
                          {"TALVO_PORT_17", "/dev/pts/1"},
                          {"TALVO_PORT_2", ""}});
    EXPECT_EQ(DeviceForPortNumber(3, PortPlatform::Linux, kLinuxDev, env), "/dev/pts/7");
    EXPECT_EQ(DeviceForPortNumber(3, PortPlatform::Windows, {}, env), "/dev/pts/7");
    EXPECT_EQ(DeviceForPortNumber(9, PortPlatform::Linux, {}, env), "/dev/pts/9");
    EXPECT_EQ(DeviceForPortNumber(2, PortPlatform::Linux, kLinuxDev, env), "/dev/ttyUSB10");
    EXPECT_EQ(DeviceForPortNumber(17, PortPlatform::Linux, kLinuxDev, env), std::nullopt);
}

TEST(LinkCooldown, EnablesOnTheTwelfthTickOnly) {
    Cooldown c;
    EXPECT_FALSE(c.tick()) << "not started";
    c.start();
    for (int i = 1; i < 12; ++i) ASSERT_FALSE(c.tick()) << i;
    EXPECT_TRUE(c.tick());
    EXPECT_FALSE(c.running());
    EXPECT_EQ(c.ticks(), 0);
    EXPECT_FALSE(c.tick());
}

}  // namespace
}  // namespace talvo::link
