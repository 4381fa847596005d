// talvo-cli fleet against several virtual radios at once: the outcome of every port in a mixed
// run, a station taking radios one after another, per-radio rows, and the report.
#include <gtest/gtest.h>

#include <map>

#include "compare/byte_compare.h"
#include "lang/catalogue.h"
#include "link_support.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/memory/block_plan.h"
#include "radio/state/program_state.h"

namespace talvo::e2e {
namespace {

namespace fs = std::filesystem;

// A radio memory that no encoded block matches by chance.
Bytes Pattern() {
    Bytes memory(0xC00);
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>(0x3C ^ i ^ (i >> 7));
    return memory;
}

ImageBytes EncodedWith(const std::string& path, const std::string& display = {}) {
    ProgramState state = StartupState();
    EXPECT_EQ(OpenDataFile(state, path), Status::Ok);
    if (!display.empty()) SetCheckedSettingText(state.options, TextId::DisplayCharacter, display);
    EncodeImage(state);
    return state.EncodedImage;
}

ImageBytes Held(const fs::path& dat) {
    ImageBytes image{};
    EXPECT_EQ(ParseDataFile(FileBytes(dat), image), Status::Ok) << dat;
    return image;
}

// What a fleet write stores: every block but the power calibration.
bool HoldsWritten(const ImageBytes& held, const ImageBytes& written) {
    return compare::CompareBlocks(written, held, radio::WriteBlockSequence(false)).same();
}

bool CalibrationKept(const ImageBytes& held, const Bytes& before) {
    for (std::size_t a = 0x7E0; a < 0x800; ++a) {
        if (held[a] != before[a]) return false;
    }
    return true;
}

std::map<int, const JsonValue*> ByPort(const JsonValue& report) {
    std::map<int, const JsonValue*> rows;
    for (const JsonValue& row : report.array) rows[static_cast<int>(row["port"].number)] = &row;
    return rows;
}

struct Bench {
    TempFolder dir;
    std::string templ, before;
    Bench() {
        { RadioSim sample({"--save", (dir / "template.dat").string()}); }
        templ = (dir / "template.dat").string();
        before = (dir / "before.dat").string();
        PutFileBytes(before, DatFile(Pattern()));
    }
    std::vector<std::string> env(const std::vector<const RadioSim*>& sims) const {
        std::vector<std::string> e = {"XDG_DATA_HOME=" + (dir / "data").string()};
        for (std::size_t i = 0; i < sims.size(); ++i)
            e.push_back("TALVO_PORT_" + std::to_string(i + 1) + "=" + sims[i]->device());
        return e;
    }
};

// One radio corrupts a block, one never answers, one is another model, two are good: each port
// ends as it should, the good radios hold the template but their own calibration, the wrong one
// is never written, and the report says all of it.
TEST(FleetCli, MixedRunEndsWithTheRightOutcomeOnEveryPort) {
    Bench b;
    const fs::path save = b.dir / "after";
    const auto sim = [&](int n, std::vector<std::string> extra) {
        extra.insert(extra.end(),
                     {"--load", b.before, "--save", save.string() + std::to_string(n) + ".dat"});
        return std::make_unique<RadioSim>(extra);
    };
    auto corrupt = sim(1, {"--corrupt-block", "40"});
    auto silent = sim(2, {"--silent"});
    auto wrong = sim(3, {"--wrong-id"});
    auto good4 = sim(4, {});
    auto good5 = sim(5, {});
    const fs::path report = b.dir / "run.json";
    const ProcessResult run =
        RunCli({"fleet", "--ports", "1,2,3,4,5", "--report", report.string(), b.templ},
               b.env({corrupt.get(), silent.get(), wrong.get(), good4.get(), good5.get()}));
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(Lines(run.out).size(), 5u) << run.out;
    int port = 0;
    for (auto* s : {&corrupt, &silent, &wrong, &good4, &good5}) {
        ASSERT_TRUE((*s)->stop()) << "virtual radio on port " << ++port;
    }

    std::string error;
    const Bytes reportBytes = FileBytes(report);
    const auto json = ParseJson(std::string(reportBytes.begin(), reportBytes.end()), &error);
    ASSERT_TRUE(json) << error;
    ASSERT_EQ(json->array.size(), 5u);
    const auto rows = ByPort(*json);
    const std::map<int, std::string> expected = {{1, "verify-failed"},
                                                 {2, "no-radio"},
                                                 {3, "wrong-radio"},
                                                 {4, "verified"},
                                                 {5, "verified"}};
    for (const auto& [port, outcome] : expected) {
        ASSERT_TRUE(rows.count(port)) << port;
        const JsonValue& row = *rows.at(port);
        EXPECT_EQ(row["outcome"].string, outcome) << port;
        const std::vector<std::string> keys = {"port",  "device",     "socket",  "started",
                                               "ended", "ident_tail", "outcome", "backup",
                                               "row",   "differences"};
        ASSERT_EQ(row.object.size(), keys.size());
        for (std::size_t k = 0; k < keys.size(); ++k) EXPECT_EQ(row.object[k].first, keys[k]);
        const bool written = port == 1 || port >= 4;
        EXPECT_EQ(row["backup"].is(JsonValue::Type::String), written) << port;
        EXPECT_EQ(row["differences"].is(JsonValue::Type::Object), port == 1) << port;
        EXPECT_EQ(row["ident_tail"].string, port == 2 ? "" : "0150") << port;
    }
    EXPECT_EQ((*rows.at(1))["differences"]["count"].number, 1);

    const ImageBytes templ = EncodedWith(b.templ);
    const Bytes before = Pattern();
    for (int port : {4, 5}) {
        const ImageBytes held = Held(save.string() + std::to_string(port) + ".dat");
        EXPECT_TRUE(HoldsWritten(held, templ)) << port;
        EXPECT_TRUE(CalibrationKept(held, before)) << port;
    }
    for (int port : {2, 3}) {
        const Bytes held = FileBytes(save.string() + std::to_string(port) + ".dat");
        EXPECT_EQ(Bytes(held.begin() + 48, held.end()), before) << "never written: " << port;
    }
    // The backup of a good radio is what it held before.
    const ImageBytes backup = Held((*rows.at(4))["backup"].string);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), backup.begin()));
    // The copy kept beside the backups is the same report.
    EXPECT_TRUE(fs::exists(b.dir / "data" / "talvo" / "reports"));
}

// The report's CSV as one map per radio (the cells here hold no separators).
std::vector<std::map<std::string, std::string>> ReadReportCsv(const fs::path& file) {
    const Bytes bytes = FileBytes(file);
    const auto split = [](const std::string& line) {
        std::vector<std::string> cells(1);
        for (const char c : line) {
            if (c == ',') {
                cells.emplace_back();
            } else {
                cells.back() += c;
            }
        }
        return cells;
    };
    const auto lines = Lines(std::string(bytes.begin(), bytes.end()));
    std::vector<std::map<std::string, std::string>> rows;
    if (lines.empty()) return rows;
    const auto heading = split(lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto cells = split(lines[i]);
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < heading.size() && c < cells.size(); ++c)
            row[heading[c]] = cells[c];
        rows.push_back(row);
    }
    return rows;
}

// Port 2: one radio that stays on the cable. Port 1: four radios come one after another (from
// half a second on); the second corrupts a block. The station programs every radio once, in
// turn: the staying radio takes row 1 and is not programmed twice; on port 1 the verified radios
// take rows 2, 3, 4 and the failed one gives its row back. With every row used up the station
// ends by itself.
TEST(FleetCli, StationTakesRadioAfterRadioAndRowsGoInOrderPastFailures) {
    Bench b;
    const fs::path save = b.dir / "radio.dat";
    RadioSim arriving({"--load", b.before, "--save", save.string(), "--leave-after", "read-back",
                       "--next-radio-after-ms", "6000", "--radios", "4", "--faults-on-radio", "2",
                       "--corrupt-block", "10", "--arrive-after-ms", "500", "--answer-every-e"});
    RadioSim staying({"--load", b.before, "--answer-every-e"});
    const fs::path rows = b.dir / "rows.csv";
    const std::string text =
        "DisplayCharacter,PowerOnPasswordDigits\nALPHA,1111\nBRAVO,2222\nCHARLY,3333\nDELTA,4444\n";
    PutFileBytes(rows, Bytes(text.begin(), text.end()));
    const fs::path report = b.dir / "station.csv";
    BackgroundCli station({"fleet", "--station", "--ports", "1,2", "--rows", rows.string(),
                           "--report", report.string(), b.templ},
                          b.env({&arriving, &staying}));
    const auto lines = station.outLines(5, std::chrono::seconds(100));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(station.finish(std::chrono::seconds(20)).exitCode, 1)
        << "ends by itself; one radio failed";
    ASSERT_TRUE(arriving.stop());

    const auto csv = ReadReportCsv(report);
    ASSERT_EQ(csv.size(), 5u);
    using Pair = std::pair<std::string, std::string>;  // outcome, row
    std::vector<Pair> port1, port2;
    for (const auto& r : csv)
        (r.at("port") == "1" ? port1 : port2).push_back({r.at("outcome"), r.at("row")});
    EXPECT_EQ(port2, (std::vector<Pair>{{"verified", "1"}}))
        << "the radio left on the cable is programmed once";
    EXPECT_EQ(port1,
              (std::vector<Pair>{
                  {"verified", "2"}, {"verify-failed", ""}, {"verified", "3"}, {"verified", "4"}}));
    const char* names[] = {"BRAVO", nullptr, "CHARLY", "DELTA"};
    for (int radio = 1; radio <= 4; ++radio) {
        if (!names[radio - 1]) continue;
        const ImageBytes held = Held(b.dir / ("radio-" + std::to_string(radio) + ".dat"));
        ProgramState state = StartupState();
        state.RadioImage = held;
        DecodeImage(state);
        EXPECT_EQ(SettingText(state.options, TextId::DisplayCharacter), names[radio - 1]) << radio;
    }
}

}  // namespace
}  // namespace talvo::e2e
