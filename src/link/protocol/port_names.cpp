#include "link/protocol/port_names.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace talvo::link {

namespace {

struct Group {
    std::string_view prefix;
    bool numeric;  // the suffix is a number and sorts as one
};

constexpr std::array<Group, 3> kLinuxGroups = {
    {{"ttyUSB", true}, {"ttyACM", true}, {"ttyS", true}}};
constexpr std::array<Group, 1> kMacGroups = {{{"cu.", false}}};

bool AllDigits(std::string_view s) {
    return !s.empty() && s.size() < 10 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

template <std::size_t N>
std::vector<std::string> Collect(std::span<const std::string> names,
                                 const std::array<Group, N>& groups) {
    std::vector<std::string> out;
    for (const Group& g : groups) {
        std::vector<std::string> members;
        for (const std::string& name : names) {
            if (name.size() <= g.prefix.size() || !name.starts_with(g.prefix)) continue;
            const std::string_view suffix = std::string_view(name).substr(g.prefix.size());
            if (g.numeric && !AllDigits(suffix)) continue;
            members.push_back(name);
        }
        std::sort(members.begin(), members.end(), [&](const std::string& a, const std::string& b) {
            if (!g.numeric) return a < b;
            const auto na = std::stoul(a.substr(g.prefix.size()));
            const auto nb = std::stoul(b.substr(g.prefix.size()));
            return na != nb ? na < nb : a < b;
        });
        members.erase(std::unique(members.begin(), members.end()), members.end());
        for (const std::string& m : members) out.push_back("/dev/" + m);
    }
    return out;
}

}  // namespace

std::string PortOverrideVariable(int number) {
    return "TALVO_PORT_" + std::to_string(number);
}

std::vector<std::string> OrderPortCandidates(std::span<const std::string> devNames,
                                             PortPlatform platform) {
    switch (platform) {
        case PortPlatform::Linux:
            return Collect(devNames, kLinuxGroups);
        case PortPlatform::MacOS:
            return Collect(devNames, kMacGroups);
        case PortPlatform::Windows:
            break;
    }
    return {};
}

std::optional<std::string> DeviceForPortNumber(
    int number, PortPlatform platform, std::span<const std::string> devNames,
    const std::function<std::optional<std::string>(const std::string&)>& env) {
    if (number < kLowestPortNumber || number > kHighestPortNumber) return std::nullopt;
    std::array<std::optional<std::string>, kHighestPortNumber + 1> table;
    for (int n = kLowestPortNumber; n <= kHighestPortNumber && env; ++n) {
        if (auto device = env(PortOverrideVariable(n)); device && !device->empty()) {
            table[static_cast<std::size_t>(n)] = std::move(device);
        }
    }
    if (table[static_cast<std::size_t>(number)]) return table[static_cast<std::size_t>(number)];
    if (platform == PortPlatform::Windows) return "COM" + std::to_string(number);
    const auto named = [&table](const std::string& device) {
        return std::find(table.begin(), table.end(), device) != table.end();
    };
    // Devices keep the number of their place in the list; one whose place an override took
    // moves to the first free number after the list instead of becoming unreachable.
    const std::vector<std::string> ordered = OrderPortCandidates(devNames, platform);
    std::vector<std::string> displaced;
    for (std::size_t i = 0; i < ordered.size() && i + 1 < table.size(); ++i) {
        auto& slot = table[i + 1];
        if (!slot) {
            slot = ordered[i];
        } else if (!named(ordered[i])) {
            displaced.push_back(ordered[i]);
        }
    }
    auto next = displaced.begin();
    for (int n = kLowestPortNumber; n <= kHighestPortNumber && next != displaced.end(); ++n) {
        auto& slot = table[static_cast<std::size_t>(n)];
        if (!slot) slot = *next++;
    }
    return table[static_cast<std::size_t>(number)];
}

}  // namespace talvo::link
