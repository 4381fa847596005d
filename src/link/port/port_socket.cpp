#include "link/port/port_socket.h"

#include <filesystem>
#include <system_error>

namespace talvo::link {

namespace fs = std::filesystem;

std::optional<std::string> SocketOf(const std::string& device, const SystemRoots& roots) {
    std::error_code ec;
    const fs::path target = fs::canonical(HostPath(device, roots), ec);
    if (ec) return std::nullopt;
    const fs::path folder = roots.dev / "serial" / "by-path";
    std::optional<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        if (!it->is_symlink(linkError) || fs::canonical(it->path(), linkError) != target ||
            linkError)
            continue;
        // udev may add more than one name for a socket (an older "-usbv2-" form beside the
        // plain one): the shortest is taken, the same on every run.
        const std::string name = it->path().filename().string();
        if (!found || name.size() < found->size() ||
            (name.size() == found->size() && name < *found))
            found = name;
    }
    return found;
}

std::optional<int> PortInSocket(const std::string& socket, const std::vector<PortEntry>& ports,
                                const SystemRoots& roots) {
    for (const PortEntry& p : ports) {
        if (p.device && SocketOf(*p.device, roots) == socket) return p.number;
    }
    return std::nullopt;
}

}  // namespace talvo::link
