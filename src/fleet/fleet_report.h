#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fleet/fleet_outcome.h"

namespace talvo::fleet {

using WallClock = std::chrono::system_clock;

// One radio of a fleet run: one row of the report.
struct RadioRecord {
    int port = 0;                       // 1..16
    std::string device;                 // as it was opened
    std::optional<std::string> socket;  // the by-path name of the port's socket
    WallClock::time_point started{};
    WallClock::time_point ended{};
    // The identification's bytes 7 and 8; empty when no identification arrived.
    std::optional<std::array<std::uint8_t, 2>> identTail;
    FleetOutcome outcome = FleetOutcome::Cancelled;
    std::optional<std::string> backup;  // the backup of what the radio held before
    std::optional<int> row;             // the per-radio row written into it
    struct Difference {
        std::size_t firstAddress = 0;
        std::size_t count = 0;
    };
    std::optional<Difference> differences;  // verify-failed: where the radio differs
};

enum class ReportFormat { Csv, Json };

// By the file's suffix (.csv, .json, any case); empty for any other.
std::optional<ReportFormat> ReportFormatFor(std::string_view path);

// "2026-12-08T09:14:03Z".
std::string IsoTime(WallClock::time_point time);

// An array of objects with exactly the keys port, device, socket, started, ended, ident_tail,
// outcome, backup, row, differences ({"first_address", "count"} or null); a newline at the end.
std::string ReportJson(const std::vector<RadioRecord>& records);
// A heading line with the same names (differences as first_difference and difference_count),
// then one line per radio; a missing value is an empty cell.
std::string ReportCsv(const std::vector<RadioRecord>& records);

std::string ReportText(const std::vector<RadioRecord>& records, ReportFormat format);

}  // namespace talvo::fleet
