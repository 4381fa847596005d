#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

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

// The virtual radio of --demo takes port 1: the USB cable whose place that was still gets a
// number, after the list; every other device keeps its place.
TEST(LinkPortNames, DeviceDisplacedByAnOverrideGetsTheNextFreeNumber) {
    const std::vector<std::string> dev = {"ttyS0", "ttyUSB0", "ttyS1"};
    const auto demo = Env({{"TALVO_PORT_1", "/dev/pts/3"}});
    EXPECT_EQ(DeviceForPortNumber(1, PortPlatform::Linux, dev, demo), "/dev/pts/3");
    EXPECT_EQ(DeviceForPortNumber(2, PortPlatform::Linux, dev, demo), "/dev/ttyS0");
    EXPECT_EQ(DeviceForPortNumber(3, PortPlatform::Linux, dev, demo), "/dev/ttyS1");
    EXPECT_EQ(DeviceForPortNumber(4, PortPlatform::Linux, dev, demo), "/dev/ttyUSB0");
    EXPECT_EQ(DeviceForPortNumber(5, PortPlatform::Linux, dev, demo), std::nullopt);
    // Named by an override at its own place or elsewhere: no extra number.
    const auto pinned = Env({{"TALVO_PORT_1", "/dev/ttyUSB0"}, {"TALVO_PORT_2", "/dev/ttyS1"}});
    EXPECT_EQ(DeviceForPortNumber(3, PortPlatform::Linux, dev, pinned), "/dev/ttyS1");
    EXPECT_EQ(DeviceForPortNumber(4, PortPlatform::Linux, dev, pinned), "/dev/ttyS0");
    EXPECT_EQ(DeviceForPortNumber(5, PortPlatform::Linux, dev, pinned), std::nullopt);
}

// Over random device sets and overrides: an override wins for its number, every other number
// within the list keeps its place's device, no device gets two numbers of the list rule, and a
// device goes without a number only when all sixteen numbers are in use.
TEST(LinkPortNames, EveryDeviceKeepsANumberUnderOverrides) {
    std::mt19937 random(2126);
    const char* prefixes[] = {"ttyUSB", "ttyACM", "ttyS"};
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> dev = {"null", "tty0"};
        const int devices = std::uniform_int_distribution<int>(0, 20)(random);
        for (int i = 0; i < devices; ++i) {
            dev.push_back(prefixes[random() % 3] + std::to_string(random() % 12));
        }
        const std::vector<std::string> listed = OrderPortCandidates(dev, PortPlatform::Linux);
        std::map<std::string, std::string> vars;
        const int overrides = std::uniform_int_distribution<int>(0, 4)(random);
        for (int i = 0; i < overrides; ++i) {
            const int n = std::uniform_int_distribution<int>(1, 16)(random);
            vars[PortOverrideVariable(n)] = random() % 3 == 0 && !listed.empty()
                                                ? listed[random() % listed.size()]
                                            : random() % 5 == 0 ? std::string()
                                                                : "/dev/pts/" + std::to_string(n);
        }
        const auto env = Env(vars);
        std::set<std::string> overrideValues;
        int overridden = 0;
        for (const auto& [name, value] : vars) {
            if (value.empty()) continue;
            overrideValues.insert(value);
            ++overridden;
        }
        std::map<std::string, std::vector<int>> numbersOf;
        for (int n = 1; n <= 16; ++n) {
            const auto device = DeviceForPortNumber(n, PortPlatform::Linux, dev, env);
            const auto over = vars.find(PortOverrideVariable(n));
            if (over != vars.end() && !over->second.empty()) {
                ASSERT_EQ(device, over->second) << n;
                continue;
            }
            if (static_cast<std::size_t>(n) <= listed.size()) {
                ASSERT_EQ(device, listed[static_cast<std::size_t>(n - 1)]) << n;
            }
            if (device) numbersOf[*device].push_back(n);
        }
        int used = overridden;
        for (const auto& [device, numbers] : numbersOf) used += static_cast<int>(numbers.size());
        for (const std::string& device : listed) {
            if (overrideValues.count(device)) continue;
            EXPECT_LE(numbersOf[device].size(), 1u) << device;
            if (numbersOf[device].empty()) {
                EXPECT_EQ(used, 16) << device << " round " << round;
            }
        }
    }
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
