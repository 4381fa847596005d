// Sockets name the same physical port whatever the plug order made of the port numbers.
#include "link/port/port_socket.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "fake_system.h"

namespace talvo::link {
namespace {

using testing::FakeSystem;
namespace fs = std::filesystem;

std::optional<std::string> NoEnv(const std::string&) {
    return std::nullopt;
}

void ByPath(FakeSystem& sys, const std::string& socket, const std::string& tty) {
    fs::create_directories(sys.roots.dev / "serial/by-path");
    fs::create_symlink("../../" + tty, sys.roots.dev / "serial/by-path" / socket);
}

// Cables plugged in a random order get their ttyUSB numbers (and so their port numbers) in
// that order; each socket still leads to the port number of the cable that sits in it.
TEST(PortSocket, EverySocketFindsItsCableWhateverThePlugOrder) {
    const std::vector<std::string> sockets = {
        "pci-0000:00:14.0-usb-0:1:1.0-port0", "pci-0000:00:14.0-usb-0:2:1.0-port0",
        "pci-0000:00:14.0-usb-0:3.1:1.0-port0", "pci-0000:00:14.0-usb-0:3.2:1.0-port0"};
    std::mt19937 random(5);
    for (int run = 0; run < 12; ++run) {
        FakeSystem sys;
        std::vector<std::size_t> order = {0, 1, 2, 3};
        std::shuffle(order.begin(), order.end(), random);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const std::string tty = "ttyUSB" + std::to_string(k);
            sys.plugUsb(tty, "1-" + std::to_string(order[k] + 1), 0x1a86, 0x7523);
            ByPath(sys, sockets[order[k]], tty);
        }
        sys.builtIn("ttyS0", 4);  // a built-in port: no socket of its own
        const auto ports = SurveyPorts(sys.roots, CurrentUser(), NoEnv, 0);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const int number = static_cast<int>(k) + 1;  // ttyUSBk is port k + 1
            EXPECT_EQ(SocketOf("/dev/ttyUSB" + std::to_string(k), sys.roots), sockets[order[k]]);
            EXPECT_EQ(PortInSocket(sockets[order[k]], ports, sys.roots), number);
        }
        EXPECT_EQ(SocketOf("/dev/ttyS0", sys.roots), std::nullopt);
        EXPECT_EQ(PortInSocket("pci-0000:00:14.0-usb-0:9:1.0-port0", ports, sys.roots),
                  std::nullopt);
    }
}

TEST(PortSocket, ALinkToTheDeviceAndSeveralNamesGiveOneSocket) {
    FakeSystem sys;
    sys.plugUsb("ttyUSB0", "1-2", 0x067b, 0x2303);
    ByPath(sys, "pci-0000:00:14.0-usbv2-0:2:1.0-port0", "ttyUSB0");
    ByPath(sys, "pci-0000:00:14.0-usb-0:2:1.0-port0", "ttyUSB0");
    fs::create_directories(sys.roots.dev / "serial/by-id");
    fs::create_symlink("../../ttyUSB0", sys.roots.dev / "serial/by-id/usb-Prolific-if00-port0");
    for (const char* device : {"/dev/ttyUSB0", "/dev/serial/by-id/usb-Prolific-if00-port0"})
        EXPECT_EQ(SocketOf(device, sys.roots), "pci-0000:00:14.0-usb-0:2:1.0-port0") << device;
    EXPECT_EQ(SocketOf("/dev/ttyUSB7", sys.roots), std::nullopt) << "no such device";
}

}  // namespace
}  // namespace talvo::link
