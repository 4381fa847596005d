#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "../unit/image_samples.h"
#include "channel_view.h"
#include "cli_run.h"
#include "e2e_support.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/memory/memory_layout.h"

namespace talvo::e2e {
namespace {

std::vector<std::uint8_t> DataFile(const ImageBytes& image) {
    const auto file = SerializeDataFile(image);
    return {file.begin(), file.end()};
}

// A failure: the given status, nothing on stdout, exactly one line on stderr.
void ExpectFailure(const ProcessResult& r, int status, const std::string& text = {}) {
    EXPECT_EQ(r.exitCode, status) << r.err;
    EXPECT_EQ(r.out, "");
    const auto lines = Lines(r.err);
    ASSERT_EQ(lines.size(), 1u) << r.err;
    EXPECT_NE(lines[0].find(text), std::string::npos) << lines[0];
}

JsonValue DecodedJson(const std::vector<std::string>& args) {
    const ProcessResult r = Cli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::string error;
    const auto json = ParseJson(r.out, &error);
    EXPECT_TRUE(json.has_value()) << error;
    return json.value_or(JsonValue{});
}

// The shapes every decode result has, whatever the file held.
void ExpectDecodeShape(const JsonValue& j) {
    using T = JsonValue::Type;
    ASSERT_TRUE(j.is(T::Object));
    const std::vector<std::string> keys = {"Band",          "FreqText",        "OptionIndex",
                                           "OptionText",    "ChannelName",     "Options",
                                           "FmChannelText", "FmVfo",           "PresentChannel",
                                           "FmDisplayMode", "FmStepFrequency", "PowerGrades"};
    ASSERT_EQ(j.object.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(j.object[i].first, keys[i]);
    const auto table = [&](const char* key, std::size_t rows, T type) {
        ASSERT_EQ(j[key].array.size(), rows) << key;
        for (const auto& row : j[key].array) {
            ASSERT_EQ(row.array.size(), 128u) << key;
            for (const auto& cell : row.array) ASSERT_TRUE(cell.is(type)) << key;
        }
    };
    table("FreqText", 2, T::String);
    table("OptionIndex", 8, T::Number);
    table("OptionText", 8, T::String);
    EXPECT_EQ(j["ChannelName"].array.size(), 128u);
    EXPECT_EQ(j["FmChannelText"].array.size(), 25u);
    EXPECT_EQ(j["PowerGrades"].array.size(), 6u);
    EXPECT_TRUE(j["Band"].is(T::Number));
    EXPECT_TRUE(j["FmVfo"].is(T::String));
    EXPECT_TRUE(j["PresentChannel"].is(T::String));
    const JsonValue& o = j["Options"];
    EXPECT_EQ(o.object.size(), kListCount + kTextCount + kCheckCount);
    EXPECT_TRUE(o["ADisplayMode"].is(T::Number));
    EXPECT_TRUE(o["AVfoCallTone"].is(T::Number));
    EXPECT_TRUE(o["DisplayCharacter"].is(T::String));
    EXPECT_TRUE(o["ProhibitVoxInReceiving"].is(T::Bool));
    EXPECT_TRUE(o["AllowToCancelOperating"].is(T::Bool));
}

TEST(CliUsage, HelpAndUsageErrors) {
    const ProcessResult help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"decode", "resave", "new", "read", "write"}) {
        EXPECT_NE(help.out.find(std::string("  ") + command), std::string::npos) << command;
        const ProcessResult commandHelp = Cli({command, "--help"});
        EXPECT_EQ(commandHelp.exitCode, 0);
        EXPECT_NE(commandHelp.out.find(std::string("usage: talvo-cli ") + command),
                  std::string::npos);
    }
    TempFolder dir;
    const std::string file = (dir / "x.dat").string();
    ExpectFailure(Cli({}), 2, "no command");
    ExpectFailure(Cli({"frobnicate"}), 2, "unknown command");
    ExpectFailure(Cli({"decode"}), 2, "expected 1 file name");
    ExpectFailure(Cli({"decode", file, file}), 2);
    ExpectFailure(Cli({"decode", file, "--lang", "fr"}), 2, "unknown language");
    ExpectFailure(Cli({"decode", file, "--lang"}), 2, "needs a value");
    ExpectFailure(Cli({"decode", "--bogus", file}), 2, "unknown option");
    ExpectFailure(Cli({"resave", file}), 2, "expected 2 file names");
    ExpectFailure(Cli({"new"}), 2);
    ExpectFailure(Cli({"new", ""}), 2, "empty");
    EXPECT_FALSE(std::filesystem::exists(dir / "x.dat"));
}

TEST(CliUsage, HelpTableAlignsEveryCommand) {
    const ProcessResult help = Cli({"--help"});
    const auto lines = Lines(help.out);
    const auto start = std::find(lines.begin(), lines.end(), "commands:");
    ASSERT_NE(start, lines.end()) << help.out;
    std::size_t column = 0;
    int commands = 0;
    for (auto it = start + 1; it != lines.end() && !it->empty(); ++it) {
        EXPECT_LE(it->size(), 79u) << *it;
        // "  name   summary" or, wrapped, "           more of the summary".
        const bool named = it->size() > 2 && (*it)[2] != ' ';
        const std::size_t text = it->find_first_not_of(' ', named ? it->find(' ', 2) : 0);
        ASSERT_NE(text, std::string::npos) << *it;
        if (column == 0) column = text;
        EXPECT_EQ(text, column) << "summary out of line: " << *it;
        commands += named;
    }
    EXPECT_GE(commands, 10) << help.out;
}

TEST(CliUsage, ControlBytesAreShownEscapedAndWhole) {
    TempFolder dir;
    const auto in = dir / "in.csv";
    const std::string out = (dir / "out.dat").string();
    // A NUL and a bell inside cells: the report shows them and what follows them.
    const std::string rows =
        std::string("Location,Name,Frequency\n1,A\aB,146.52\n2,X,14") + '\0' + "6.5 tail\n";
    PutFileBytes(in, std::vector<std::uint8_t>(rows.begin(), rows.end()));
    ProcessResult r = Cli({"import-csv", in.string(), out});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    auto lines = Lines(r.err);
    ASSERT_EQ(lines.size(), 2u) << r.err;
    EXPECT_NE(lines[0].find("name \"A\\x07B\" stored as \"AB\""), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("invalid Frequency \"14\\x006.5 tail\""), std::string::npos)
        << lines[1];
    // No channel list at all (a binary file): one line, with the bytes of its "header".
    const std::string binary = std::string("\x01\x02,\x7F\n\r,\xFF\xFE") + '\0' + "end";
    PutFileBytes(in, std::vector<std::uint8_t>(binary.begin(), binary.end()));
    r = Cli({"import-csv", in.string(), out});
    ExpectFailure(r, 3, "the header has no Location column");
    EXPECT_NE(r.err.find("\\x01\\x02"), std::string::npos) << r.err;
    // A file name with a line break is one line too.
    ExpectFailure(Cli({"decode", (dir / "a\nb.dat").string()}), 3, "a\\nb.dat");
}

TEST(CliDecode, ErasedImage) {
    TempFolder dir;
    PutFileBytes(dir / "ff.dat", DataFile(samples::Filled(0xFF)));
    const JsonValue j = DecodedJson({"decode", (dir / "ff.dat").string()});
    ExpectDecodeShape(j);
    EXPECT_EQ(j["Band"].number, 0);  // 255 is no band: the start-up band stays
    for (const auto& name : j["ChannelName"].array) EXPECT_EQ(name.string, "");
    EXPECT_EQ(j["FreqText"][0][0].string, "");
    EXPECT_EQ(j["Options"]["SquelchLevel"].number, 5);
    EXPECT_EQ(j["Options"]["AChannelNumber"].string, "");
    EXPECT_EQ(j["Options"]["AVfoFrequency"].string, "FFF.FFFFF");
    EXPECT_EQ(j["Options"]["BacklightMode"].number, 1);
    EXPECT_TRUE(j["Options"]["ProhibitVoxInReceiving"].boolean);
    EXPECT_EQ(j["PresentChannel"].string, "255");
    EXPECT_EQ(j["FmVfo"].string, "");
    EXPECT_EQ(j["PowerGrades"][5].number, 255);
}

TEST(CliDecode, ZeroImageInChinese) {
    TempFolder dir;
    PutFileBytes(dir / "00.dat", DataFile(samples::Filled(0x00)));
    const ProcessResult raw = Cli({"decode", (dir / "00.dat").string(), "--lang", "zh"});
    EXPECT_NE(raw.out.find("\\u0000"), std::string::npos);  // NUL name bytes, escaped
    const JsonValue j = DecodedJson({"decode", "--lang=zh", (dir / "00.dat").string()});
    ExpectDecodeShape(j);
    EXPECT_EQ(j["FreqText"][0][0].string, "000.00000");
    EXPECT_EQ(j["OptionText"][0][0].string, "00.0");
    EXPECT_EQ(j["OptionText"][2][0].string, "低");
    EXPECT_EQ(j["OptionText"][5][127].string, "窄带");
    EXPECT_EQ(j["ChannelName"][0].string, std::string(8, '\0'));
    EXPECT_EQ(j["FmChannelText"][0].string, "87.00");
    EXPECT_EQ(j["PresentChannel"].string, "0");
}

TEST(CliDecode, RandomBytesAlwaysGiveValidJson) {
    TempFolder dir;
    std::mt19937 rng(42);
    for (int round = 0; round < 5; ++round) {
        ImageBytes image;
        for (auto& b : image) b = static_cast<std::uint8_t>(rng());
        image[layout::NameRecord(1)] = 0x80;
        image[layout::NameRecord(1) + 1] = '"';
        image[layout::NameRecord(1) + 2] = 0x0A;
        PutFileBytes(dir / "r.dat", DataFile(image));
        const JsonValue j = DecodedJson({"decode", (dir / "r.dat").string()});
        ExpectDecodeShape(j);
        // Byte b of a name is the character U+00bb.
        EXPECT_EQ(j["ChannelName"][0].string.substr(0, 4), "\xC2\x80\"\n");

        ProgramState expected = StartupState(kEnglish);
        expected.RadioImage = image;
        DecodeImage(expected);
        EXPECT_EQ(j["Band"].number, expected.band.index);
        EXPECT_EQ(j["FreqText"][1][17].string, FrequencyText(expected.channels.at(18).tx));
        EXPECT_EQ(j["OptionIndex"][0][99].number, expected.channels.at(100).option[0]);
        EXPECT_EQ(j["FmVfo"].string, FmFrequencyText(expected.fm.vfo));
    }
}

TEST(CliDecode, FileErrors) {
    TempFolder dir;
    std::vector<std::uint8_t> wrong = DataFile(samples::Filled(0xFF));
    PutFileBytes(dir / "short.dat", std::vector<std::uint8_t>(wrong.begin(), wrong.begin() + 3119));
    wrong[0] = 'q';
    PutFileBytes(dir / "wrong.dat", wrong);
    ExpectFailure(Cli({"decode", (dir / "wrong.dat").string()}), 3, "File type is incorrect!");
    ExpectFailure(Cli({"decode", (dir / "wrong.dat").string(), "--lang", "zh"}), 3,
                  "文件类型不正确！");
    ExpectFailure(Cli({"decode", (dir / "short.dat").string()}), 3, "too short");
    ExpectFailure(Cli({"decode", (dir / "missing.dat").string()}), 3, "does not exist");
    ExpectFailure(Cli({"decode", dir.path().string()}), 3, "cannot be read");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.dat"));
}

TEST(CliResave, ValidImagesComeBackByteForByte) {
    TempFolder dir;
    samples::ValidImageMaker maker(11);
    for (int round = 0; round < 3; ++round) {
        const std::vector<std::uint8_t> file = DataFile(maker.make());
        PutFileBytes(dir / "in.dat", file);
        const ProcessResult r =
            Cli({"resave", (dir / "in.dat").string(), (dir / "out.dat").string()});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(FileBytes(dir / "out.dat"), file);
    }
}

TEST(CliResave, ArbitraryImagesAreSavedAsTheProgramWould) {
    TempFolder dir;
    std::mt19937 rng(5);
    ImageBytes image;
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    std::vector<std::uint8_t> in = DataFile(image);
    for (std::size_t i = 6; i < 48; ++i)
        in[i] = 0x00;  // header bytes after the signature are ignored
    PutFileBytes(dir / "in.dat", in);
    PutFileBytes(dir / "out.dat", std::vector<std::uint8_t>(8000, 0x55));  // longer: replaced whole

    for (const char* lang : {"en", "zh"}) {
        const ProcessResult r =
            Cli({"resave", (dir / "in.dat").string(), (dir / "out.dat").string(), "--lang", lang});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        ProgramState expected = StartupState(std::string(lang) == "zh" ? kChinese : kEnglish);
        expected.RadioImage = image;
        DecodeImage(expected);
        EncodeImage(expected);
        EXPECT_EQ(FileBytes(dir / "out.dat"), DataFile(expected.EncodedImage)) << lang;
    }
}

TEST(CliResave, FileErrors) {
    TempFolder dir;
    PutFileBytes(dir / "in.dat", DataFile(samples::Filled(0xFF)));
    ExpectFailure(Cli({"resave", (dir / "none.dat").string(), (dir / "out.dat").string()}), 3,
                  "does not exist");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.dat"));
    ExpectFailure(Cli({"resave", (dir / "in.dat").string(), (dir / "no" / "out.dat").string()}), 3,
                  "cannot be written");
    ExpectFailure(Cli({"resave", (dir / "in.dat").string(), dir.path().string()}), 3);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(CliNew, SavesTheFreshProgram) {
    TempFolder dir;
    const ProcessResult r = Cli({"new", (dir / "new.dat").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::vector<std::uint8_t> file = FileBytes(dir / "new.dat");
    ASSERT_EQ(file.size(), 3120u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "QDF-7K");
    EXPECT_EQ(std::string(file.begin() + 48 + 0x710, file.begin() + 48 + 0x716), "RQZ-DW");
    for (std::size_t a = 0; a < 0x700; ++a) ASSERT_EQ(file[48 + a], 0xFF) << a;
    EXPECT_EQ(file[48 + layout::kPowerA], 218);
    EXPECT_EQ(file[48 + layout::kPowerA + 2], 116);

    ProgramState fresh = StartupState(kEnglish);
    EncodeImage(fresh);
    EXPECT_EQ(file, DataFile(fresh.EncodedImage));

    // What new saves, decode reads back as the fresh program's values.
    const JsonValue j = DecodedJson({"decode", (dir / "new.dat").string()});
    ExpectDecodeShape(j);
    EXPECT_EQ(j["Options"]["SquelchLevel"].number, 5);
    EXPECT_EQ(j["Options"]["AVfoFrequency"].string, "136.00000");
    EXPECT_EQ(j["PowerGrades"][0].number, 218);
    EXPECT_EQ(j["FreqText"][0][0].string, "");

    ExpectFailure(Cli({"new", (dir / "missing" / "new.dat").string()}), 3, "cannot be written");
}

}  // namespace
}  // namespace talvo::e2e
