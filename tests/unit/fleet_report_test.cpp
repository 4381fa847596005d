// The fleet report: the JSON form scripts rely on, and the CSV form read back cell for cell.
#include "fleet/fleet_report.h"

#include <gtest/gtest.h>

#include <random>

#include "exchange/csv_text.h"

namespace talvo::fleet {
namespace {

WallClock::time_point At(long long secondsSinceEpoch) {
    return WallClock::time_point(std::chrono::seconds(secondsSinceEpoch));
}

TEST(FleetReport, JsonHasExactlyTheFixedKeysWithNullsWhereNothingIsKnown) {
    RadioRecord full;
    full.port = 3;
    full.device = "/dev/ttyUSB1";
    full.socket = "pci-0000:00:14.0-usb-0:2:1.0-port0";
    full.started = At(1796720043);  // 2026-12-08T08:54:03Z
    full.ended = At(1796720059);
    full.identTail = std::array<std::uint8_t, 2>{0x01, 0x5A};
    full.outcome = FleetOutcome::VerifyFailed;
    full.backup = "/home/d \"q\"/b.dat";
    full.row = 7;
    full.differences = RadioRecord::Difference{0x7A0, 2};
    RadioRecord bare;
    bare.port = 16;
    bare.device = "/dev/pts/4";
    bare.started = bare.ended = At(0);
    bare.outcome = FleetOutcome::NoRadio;
    EXPECT_EQ(ReportJson({full, bare}),
              "[\n"
              "{\"port\":3,\"device\":\"/dev/ttyUSB1\",\"socket\":\"pci-0000:00:14.0-usb-0:2:1.0-"
              "port0\",\"started\":\"2026-12-08T08:54:03Z\",\"ended\":\"2026-12-08T08:54:19Z\","
              "\"ident_tail\":\"015a\",\"outcome\":\"verify-failed\",\"backup\":\"/home/d "
              "\\\"q\\\"/b.dat\",\"row\":7,\"differences\":{\"first_address\":1952,\"count\":2}},\n"
              "{\"port\":16,\"device\":\"/dev/pts/4\",\"socket\":null,\"started\":\"1970-01-01T00:"
              "00:00Z\",\"ended\":\"1970-01-01T00:00:00Z\",\"ident_tail\":null,\"outcome\":\"no-"
              "radio\",\"backup\":null,\"row\":null,\"differences\":null}\n"
              "]\n");
    EXPECT_EQ(ReportJson({}), "[]\n");
}

TEST(FleetReport, EveryOutcomeNameIsTheFixedOneAndReadsBack) {
    const char* names[] = {"verified", "verify-failed", "no-radio",   "wrong-radio",
                           "timeout",  "refused",       "port-error", "cancelled"};
    ASSERT_EQ(std::size(kAllOutcomes), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i) {
        EXPECT_EQ(OutcomeName(kAllOutcomes[i]), names[i]);
        EXPECT_EQ(OutcomeFromName(names[i]), kAllOutcomes[i]);
    }
    EXPECT_EQ(OutcomeFromName("success"), std::nullopt);
}

TEST(FleetReport, FormatFollowsTheSuffixInAnyCase) {
    EXPECT_EQ(ReportFormatFor("a/b.csv"), ReportFormat::Csv);
    EXPECT_EQ(ReportFormatFor("REPORT.JSON"), ReportFormat::Json);
    EXPECT_EQ(ReportFormatFor("report.json.txt"), std::nullopt);
    EXPECT_EQ(ReportFormatFor("csv"), std::nullopt);
}

// Random records whose texts hold separators, quotes, line breaks and non-ASCII: the CSV splits
// back into exactly the values written, one record per radio.
TEST(FleetReport, CsvReadsBackCellForCellOverRandomRecords) {
    std::mt19937 random(42);
    const std::string pieces[] = {"a", ",", "\"", "\n", " ", "é", "/dev/tty", ";", "x y"};
    const auto text = [&] {
        std::string s;
        for (int n = static_cast<int>(random() % 5); n > 0; --n) s += pieces[random() % 9];
        return s;
    };
    for (int run = 0; run < 200; ++run) {
        std::vector<RadioRecord> records(random() % 5);
        for (RadioRecord& r : records) {
            r.port = 1 + static_cast<int>(random() % 16);
            r.device = "/dev/x" + text();
            if (random() % 2) r.socket = text();
            r.started = At(1'700'000'000 + random() % 100'000'000);
            r.ended = r.started + std::chrono::seconds(random() % 100);
            if (random() % 2)
                r.identTail = std::array<std::uint8_t, 2>{static_cast<std::uint8_t>(random()),
                                                          static_cast<std::uint8_t>(random())};
            r.outcome = kAllOutcomes[random() % std::size(kAllOutcomes)];
            if (random() % 2) r.backup = text() + ".dat";
            if (random() % 2) r.row = static_cast<int>(random() % 1000) + 1;
            if (random() % 2)
                r.differences = RadioRecord::Difference{random() % 0xC00, 1 + random() % 9};
        }
        const CsvText csv = SplitDelimited(ReportCsv(records), ',');
        ASSERT_EQ(csv.records.size(), records.size() + 1);
        EXPECT_EQ(csv.records[0].cells.front(), "port");
        for (std::size_t i = 0; i < records.size(); ++i) {
            const RadioRecord& r = records[i];
            const std::vector<std::string>& c = csv.records[i + 1].cells;
            ASSERT_EQ(c.size(), 11u);
            EXPECT_EQ(c[0], std::to_string(r.port));
            EXPECT_EQ(c[1], r.device);
            EXPECT_EQ(c[2], r.socket.value_or(""));
            EXPECT_EQ(c[3], IsoTime(r.started));
            EXPECT_EQ(c[4], IsoTime(r.ended));
            EXPECT_EQ(c[5].size(), r.identTail ? 4u : 0u);
            EXPECT_EQ(OutcomeFromName(c[6]), r.outcome);
            EXPECT_EQ(c[7], r.backup.value_or(""));
            EXPECT_EQ(c[8], r.row ? std::to_string(*r.row) : "");
            EXPECT_EQ(c[9], r.differences ? std::to_string(r.differences->firstAddress) : "");
            EXPECT_EQ(c[10], r.differences ? std::to_string(r.differences->count) : "");
        }
    }
}

}  // namespace
}  // namespace talvo::fleet
