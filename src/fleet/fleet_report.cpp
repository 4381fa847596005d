#include "fleet/fleet_report.h"

#include <cstdio>
#include <ctime>

#include "exchange/csv_text.h"
#include "model/text.h"

namespace talvo::fleet {

namespace {

// A JSON string literal. Paths and device names are taken as UTF-8; control characters are
// escaped so the result stays one valid literal whatever the name holds.
std::string Json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string TailHex(const std::array<std::uint8_t, 2>& tail) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x", tail[0], tail[1]);
    return text;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

std::optional<ReportFormat> ReportFormatFor(std::string_view path) {
    const std::string lower = AsciiLower(path);
    if (EndsWith(lower, ".csv")) return ReportFormat::Csv;
    if (EndsWith(lower, ".json")) return ReportFormat::Json;
    return std::nullopt;
}

std::string IsoTime(WallClock::time_point time) {
    const std::time_t seconds = WallClock::to_time_t(time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string ReportJson(const std::vector<RadioRecord>& records) {
    std::string out = "[";
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RadioRecord& r = records[i];
        out += i == 0 ? "\n" : ",\n";
        out += "{\"port\":" + std::to_string(r.port);
        out += ",\"device\":" + Json(r.device);
        out += ",\"socket\":" + (r.socket ? Json(*r.socket) : "null");
        out += ",\"started\":" + Json(IsoTime(r.started));
        out += ",\"ended\":" + Json(IsoTime(r.ended));
        out += ",\"ident_tail\":" + (r.identTail ? Json(TailHex(*r.identTail)) : "null");
        out += ",\"outcome\":" + Json(OutcomeName(r.outcome));
        out += ",\"backup\":" + (r.backup ? Json(*r.backup) : "null");
        out += ",\"row\":" + (r.row ? std::to_string(*r.row) : "null");
        out += ",\"differences\":";
        if (r.differences) {
            out += "{\"first_address\":" + std::to_string(r.differences->firstAddress) +
                   ",\"count\":" + std::to_string(r.differences->count) + "}";
        } else {
            out += "null";
        }
        out += "}";
    }
    return out + (records.empty() ? "]\n" : "\n]\n");
}

std::string ReportCsv(const std::vector<RadioRecord>& records) {
    const std::vector<std::string> heading = {
        "port",    "device", "socket", "started",          "ended",           "ident_tail",
        "outcome", "backup", "row",    "first_difference", "difference_count"};
    std::string out = JoinDelimited(heading, ',') + "\n";
    for (const RadioRecord& r : records) {
        const std::vector<std::string> cells = {
            std::to_string(r.port),
            r.device,
            r.socket.value_or(""),
            IsoTime(r.started),
            IsoTime(r.ended),
            r.identTail ? TailHex(*r.identTail) : "",
            std::string(OutcomeName(r.outcome)),
            r.backup.value_or(""),
            r.row ? std::to_string(*r.row) : "",
            r.differences ? std::to_string(r.differences->firstAddress) : "",
            r.differences ? std::to_string(r.differences->count) : ""};
        out += JoinDelimited(cells, ',') + "\n";
    }
    return out;
}

std::string ReportText(const std::vector<RadioRecord>& records, ReportFormat format) {
    return format == ReportFormat::Json ? ReportJson(records) : ReportCsv(records);
}

}  // namespace talvo::fleet
