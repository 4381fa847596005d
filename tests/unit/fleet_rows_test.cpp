// The per-radio values file: what it accepts goes into the radio's image under the same name,
// what the options window would change is refused, and rows are handed out lowest first.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>

#include "catalogue_words.h"
#include "fleet/fleet_texts.h"
#include "fleet/radio_rows.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"

namespace talvo::fleet {
namespace {

using Kind = RowsProblem::Kind;

// Random rows of display text (any case), password digits and the password switch go through
// the file, the template's options, the encoder and the decoder and come out as written.
TEST(FleetRows, AcceptedValuesReachTheImageUnderTheirNames) {
    std::mt19937 random(7);
    const std::string displayChars = "ABCXYZabcz0189*#-";
    for (int run = 0; run < 100; ++run) {
        std::string file = "DisplayCharacter,PowerOnPasswordDigits,PowerOnPassword\n";
        struct Want {
            std::string display, digits;
            int on;
        };
        std::vector<Want> wants;
        for (int r = 1 + static_cast<int>(random() % 4); r > 0; --r) {
            Want w;
            for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n)
                w.display += displayChars[random() % displayChars.size()];
            for (int n = 4; n > 0; --n) w.digits += static_cast<char>('0' + random() % 10);
            // The switch's entries are On (0) and Off (1): by number or by either text.
            w.on = static_cast<int>(random() % 2);
            const std::string entry = random() % 2 ? std::to_string(w.on)
                                      : w.on == 0  ? "ON"
                                                   : "off";
            // A text starting with "#" is quoted, or the line would be a comment.
            const std::string cell = w.display[0] == '#' ? "\"" + w.display + "\"" : w.display;
            file += cell + "," + w.digits + "," + entry + "\n";
            wants.push_back(w);
        }
        const RadioRows rows = ParseRadioRows(file, {WordsIn(kChinese)});
        ASSERT_TRUE(rows.problems.empty())
            << file << Render(RowsProblemText(rows.problems[0]), kEnglish);
        ASSERT_EQ(rows.rows.size(), wants.size());
        for (std::size_t i = 0; i < wants.size(); ++i) {
            EXPECT_EQ(rows.rows[i].number, static_cast<int>(i) + 1);
            ProgramState state = StartupState();
            ApplyRow(rows.rows[i], state.options);
            EncodeImage(state);
            ProgramState back = StartupState();
            back.RadioImage = state.EncodedImage;
            DecodeImage(back);
            std::string upper = wants[i].display;
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(SettingText(back.options, TextId::DisplayCharacter), upper);
            EXPECT_EQ(SettingText(back.options, TextId::PowerOnPasswordDigits), wants[i].digits);
            EXPECT_EQ(back.options[ListId::PowerOnPassword], wants[i].on);
        }
    }
}

TEST(FleetRows, WhatTheWindowWouldChangeOrCannotTakeIsRefusedByLine) {
    struct Case {
        const char* file;
        Kind kind;
        int line;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"", Kind::NoHeading, 0, {}},
        {"DisplayCharacter\n", Kind::NoRows, 1, {}},
        {"DisplayText\nA\n", Kind::UnknownName, 1, {"DisplayText"}},
        {"DisplayCharacter,DisplayCharacter\nA,B\n", Kind::RepeatedName, 1, {"DisplayCharacter"}},
        {"DisplayCharacter,Beep\nA\n", Kind::CellCount, 2, {"1", "2"}},
        {"DisplayCharacter\nABCDEFG\n",
         Kind::BadValue,
         2,
         {"DisplayCharacter", "ABCDEFG", "ABCDEF"}},
        {"# dealer's list\nDisplayCharacter\nOK\nA B\n",
         Kind::BadValue,
         4,
         {"DisplayCharacter", "A B", "AB"}},
        {"PowerOnPasswordDigits\n12a4\n",
         Kind::BadValue,
         2,
         {"PowerOnPasswordDigits", "12a4", "124"}},
        {"PowerOnPassword\nmaybe\n", Kind::BadValue, 2, {"PowerOnPassword", "maybe", ""}},
        {"PowerOnPassword\n2\n", Kind::BadValue, 2, {"PowerOnPassword", "2", ""}},
        {"AllowToCancelOperating\nyes\n", Kind::BadValue, 2, {"AllowToCancelOperating", "yes", ""}},
        {"AVfoFrequency\n145.5\n", Kind::BadValue, 2, {"AVfoFrequency", "145.5", "145.50000"}},
        {"DisplayCharacter\r\nAB\r\n#1\r\nCD\r\n", Kind::CommentRow, 3, {}},
    };
    for (const Case& c : cases) {
        const RadioRows rows = ParseRadioRows(c.file, {WordsIn(kChinese)});
        ASSERT_EQ(rows.problems.size(), 1u) << c.file;
        EXPECT_TRUE(rows.rows.empty()) << "a file with a problem programs nothing: " << c.file;
        const RowsProblem& p = rows.problems[0];
        EXPECT_EQ(p.kind, c.kind) << c.file;
        EXPECT_EQ(p.line, c.line) << c.file;
        EXPECT_EQ(p.args, c.args) << c.file;
        for (const Language lang : {kChinese, kEnglish})
            EXPECT_FALSE(Render(RowsProblemText(p), lang).empty());
    }
}

TEST(FleetRows, EmptyCellsKeepTheTemplateAndEntriesGoByNumberOrText) {
    const RadioRows rows = ParseRadioRows(
        "PowerOnPassword;Beep;DisplayCharacter;AllowToCancelOperating\n"
        "1;;;true\n"
        "On;0;HQ;FALSE\n",
        {WordsIn(kChinese)});
    ASSERT_TRUE(rows.problems.empty());
    OptionalFeatures first = DefaultOptionalFeatures();
    SetCheckedSettingText(first, TextId::DisplayCharacter, "TMPL");
    const OptionalFeatures before = first;
    ApplyRow(rows.rows[0], first);
    EXPECT_EQ(first[ListId::PowerOnPassword], 1);
    EXPECT_EQ(first[ListId::Beep], before[ListId::Beep]);
    EXPECT_EQ(SettingText(first, TextId::DisplayCharacter), "TMPL");
    EXPECT_TRUE(first[CheckId::AllowToCancelOperating]);
    OptionalFeatures second = before;
    ApplyRow(rows.rows[1], second);
    EXPECT_EQ(second[ListId::PowerOnPassword], 0);  // "On" is entry 0
    EXPECT_EQ(second[ListId::Beep], 0);
    EXPECT_EQ(SettingText(second, TextId::DisplayCharacter), "HQ");
    EXPECT_FALSE(second[CheckId::AllowToCancelOperating]);
}

// Whatever shipped language the file is written in, each list entry's words give that entry
// (words that are a whole number, VoxGainLevel's "1".."8", are read as an entry's number).
TEST(FleetRows, ListWordsOfEveryShippedLanguageGiveTheirEntry) {
    std::vector<TextWords> shipped;
    for (const std::string& code : ShippedCatalogues()) {
        if (code != "en") shipped.push_back(WordsOfCatalogue(code));
    }
    for (const std::string& code : ShippedCatalogues()) {
        const TextWords words = WordsOfCatalogue(code);
        for (std::size_t l = 0; l < kListCount; ++l) {
            const auto list = static_cast<ListId>(l);
            for (int i = 0; i < ListSize(list); ++i) {
                const std::string word = Compose(ListEntry(list, i), words);
                if (std::all_of(word.begin(), word.end(), [](char c) { return std::isdigit(c); }))
                    continue;
                const RadioRows rows =
                    ParseRadioRows(std::string(Info(list).name) + "\n\"" + word + "\"\n", shipped);
                if (!rows.problems.empty()) {
                    ADD_FAILURE() << code << " " << Info(list).name << " " << word;
                    continue;
                }
                OptionalFeatures options = DefaultOptionalFeatures();
                ApplyRow(rows.rows[0], options);
                EXPECT_EQ(options[list], i) << code << " " << Info(list).name << " " << word;
            }
        }
    }
}

// Radios end in random order with random outcomes while up to four are in flight: a row is
// never with two radios at once, a verified radio's row never comes back, a failed one's does,
// and with one port the verified radios take rows 1, 2, 3, ... in turn.
TEST(FleetRows, PoolHandsOutTheLowestRowAndFailuresGiveItBack) {
    std::mt19937 random(3);
    for (int run = 0; run < 300; ++run) {
        const int count = 1 + static_cast<int>(random() % 8);
        const int ports = 1 + static_cast<int>(random() % 4);
        RowPool pool(count);
        std::vector<int> inFlight;
        std::set<int> usedUp;
        int verifiedOnOnePort = 0;
        for (int event = 0; event < 40; ++event) {
            if (static_cast<int>(inFlight.size()) < ports && random() % 2) {
                const auto row = pool.take();
                if (!row) {
                    ASSERT_EQ(static_cast<int>(usedUp.size() + inFlight.size()), count);
                    continue;
                }
                ASSERT_EQ(usedUp.count(*row), 0u);
                ASSERT_EQ(std::count(inFlight.begin(), inFlight.end(), *row), 0);
                if (ports == 1) {
                    ASSERT_EQ(*row, verifiedOnOnePort + 1);
                }
                inFlight.push_back(*row);
            } else if (!inFlight.empty()) {
                const std::size_t k = random() % inFlight.size();
                const int row = inFlight[k];
                inFlight.erase(inFlight.begin() + static_cast<std::ptrdiff_t>(k));
                if (random() % 3 == 0) {
                    pool.release(row);
                } else {
                    usedUp.insert(row);
                    ++verifiedOnOnePort;
                }
            }
            ASSERT_EQ(pool.left() + static_cast<int>(usedUp.size() + inFlight.size()), count);
        }
    }
}

}  // namespace
}  // namespace talvo::fleet
