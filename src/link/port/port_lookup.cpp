#include "link/port/port_lookup.h"

#include <QtGlobal>
#include <filesystem>
#include <system_error>
#include <vector>

#include "link/protocol/port_names.h"

namespace talvo::link {

namespace {

PortPlatform ThisPlatform() {
#if defined(Q_OS_WIN)
    return PortPlatform::Windows;
#elif defined(Q_OS_MACOS)
    return PortPlatform::MacOS;
#else
    return PortPlatform::Linux;
#endif
}

std::vector<std::string> DevNames() {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/dev", ec), end; !ec && it != end;
         it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

}  // namespace

std::optional<QString> DeviceForPort(int number) {
    const PortPlatform platform = ThisPlatform();
    const std::vector<std::string> names =
        platform == PortPlatform::Windows ? std::vector<std::string>{} : DevNames();
    const auto device = DeviceForPortNumber(number, platform, names, [](const std::string& name) {
        const QByteArray value = qgetenv(name.c_str());
        return value.isEmpty() ? std::nullopt : std::optional<std::string>(value.toStdString());
    });
    if (!device) return std::nullopt;
    return QString::fromStdString(*device);
}

}  // namespace talvo::link
