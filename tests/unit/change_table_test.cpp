#include "compare/change_table.h"

#include <gtest/gtest.h>

#include "catalogue_words.h"
#include "image_samples.h"

namespace talvo::compare {
namespace {

// The byte where `line` reaches terminal column `column`; npos when no character starts there.
// A cut inside a character would count its pieces apart and so change the line's width.
std::size_t ByteAtColumn(const std::string& line, std::size_t column) {
    const std::size_t total = TerminalWidth(line);
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const std::size_t before = TerminalWidth(line.substr(0, i));
        if (before == column && before + TerminalWidth(line.substr(i)) == total) return i;
    }
    return std::string::npos;
}

TEST(ChangeTable, TerminalWidthCountsWideScriptsTwice) {
    const struct {
        std::string text;
        std::size_t width;
    } cases[] = {
        {"", 0},
        {"Channel 5", 9},
        {"频道 5", 6},
        {"（空）", 6},
        {"→", 1},
        {"宽带", 4},
        {"\xFF"
         "A",
         2},
        {"\xE9\xA2", 2},  // cut character
        {"한국어", 6},
        {"ｶ", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(TerminalWidth(c.text), c.width) << c.text;
}

// Any two images, in both languages: one line per change under a title line, every cell of a
// row on its line in column order, each column starting at the same place of the terminal on
// every line, old and new joined by an arrow.
TEST(ChangeTable, LinesAreAlignedRowsOfTheChanges) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        const ImageBytes a = samples::ValidImageMaker(seed).make();
        const ImageBytes b = samples::ValidImageMaker(seed + 100).make();
        for (const Language lang : {kEnglish, kChinese}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " lang " + lang.str());
            const auto changes = CompareImages(a, b, WordsIn(lang));
            ASSERT_FALSE(changes.empty());
            const auto rows = ChangeRows(changes);
            ASSERT_EQ(rows.size(), changes.size());
            const auto lines = ChangeLines(changes, WordsIn(lang));
            ASSERT_EQ(lines.size(), rows.size() + 1);
            // The titles set where each column starts on the terminal.
            std::array<std::size_t, kChangeColumns> starts{};
            const auto titles = ChangeTitles();
            for (std::size_t k = 1; k < kChangeColumns; ++k) {
                const std::size_t at = lines[0].find(Render(titles[k], lang));
                ASSERT_NE(at, std::string::npos) << lines[0];
                starts[k] = TerminalWidth(lines[0].substr(0, at));
            }
            for (std::size_t r = 1; r < lines.size(); ++r) {
                const std::string& line = lines[r];
                auto cells = ChangeCells(rows[r - 1]);
                std::size_t end = 0;  // where the cell before ends
                for (std::size_t k = 0; k < kChangeColumns; ++k) {
                    const std::size_t at = ByteAtColumn(line, starts[k]);
                    ASSERT_NE(at, std::string::npos) << line;
                    const std::string cell = TerminalText(Render(cells[k], lang));
                    EXPECT_EQ(line.compare(at, cell.size(), cell), 0) << line << " | " << cell;
                    // Between two cells only spaces, and the arrow before the new value.
                    std::string gap = line.substr(end, at - end);
                    if (k == 3) {
                        ASSERT_GE(gap.size(), 5u) << line;
                        EXPECT_EQ(gap.substr(gap.size() - 5), " → ") << line;
                        gap.resize(gap.size() - 5);
                    }
                    if (k > 0) {
                        EXPECT_GE(gap.size(), k == 3 ? 0u : 2u) << line;
                    }
                    EXPECT_EQ(gap.find_first_not_of(' '), std::string::npos) << line;
                    end = at + cell.size();
                }
                EXPECT_EQ(end, line.size()) << "nothing after the new value: " << line;
            }
            // A channel's rows name it; the list's order puts channels first, by number.
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (changes[i].area == Change::Area::Channel) {
                    EXPECT_EQ(rows[i].placeOrder, changes[i].channel);
                    EXPECT_NE(Render(rows[i].place, lang).find(std::to_string(changes[i].channel)),
                              std::string::npos);
                }
                if (i > 0) {
                    EXPECT_LE(rows[i - 1].placeOrder, rows[i].placeOrder);
                }
            }
        }
    }
}

// Control bytes in a value (a name read from a radio may hold any byte) are shown escaped and
// keep the columns.
TEST(ChangeTable, ControlBytesAreEscaped) {
    const std::vector<Change> changes = {
        {Change::Area::Channel, Change::Kind::Changed, 3, Message::Literal("Channel Name"),
         Message::Literal("A\tB\x1b"), Message::Literal("OK")},
        {Change::Area::Setting, Change::Kind::Changed, 0, Message::Literal("Beep"),
         Message::Literal(""), Message::Literal("On")},
    };
    const auto lines = ChangeLines(changes, WordsIn(kEnglish));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[1].find("A\\x09B\\x1B → OK"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("(empty)"), std::string::npos) << lines[2];
    for (const std::string& line : lines) {
        for (const char c : line) EXPECT_GE(static_cast<unsigned char>(c), 0x20u) << line;
    }
    EXPECT_EQ(lines[1].find("Channel 3"), 0u);
    EXPECT_EQ(lines[2].find("Settings"), 0u);
}

}  // namespace
}  // namespace talvo::compare
