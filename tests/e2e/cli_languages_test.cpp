// The tool's own words (help, usage errors) in every shipped language: translated whole, with
// the option names, the exit statuses and the command table's columns as in English.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <regex>
#include <set>

#include "cli_run.h"
#include "e2e_support.h"
#include "lang/catalogue.h"

namespace talvo::e2e {
namespace {

std::vector<std::string> Translations() {
    std::vector<std::string> codes;
    for (const QString& code : ShippedLanguages())
        if (code != QLatin1String("en")) codes.push_back(code.toStdString());
    return codes;
}

std::vector<std::string> CommandsOf(const std::string& englishHelp) {
    std::vector<std::string> names;
    bool on = false;
    for (const std::string& line : Lines(englishHelp)) {
        if (line == "commands:")
            on = true;
        else if (on && line.empty())
            break;
        else if (on && line.size() > 2 && line[2] != ' ')
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return names;
}

std::set<std::string> Options(const std::string& text) {
    static const std::regex option("--[a-z][a-z-]*");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

// The lines of English prose: three words or more of small letters besides option names,
// file names and the tool's name.
std::vector<std::string> Prose(const std::string& english) {
    static const std::regex word("(^|[ (])[a-z]{2,}(?=[ ,.;:)]|$)");
    std::vector<std::string> lines;
    for (const std::string& line : Lines(english)) {
        const auto words = std::distance(std::sregex_iterator(line.begin(), line.end(), word),
                                         std::sregex_iterator());
        if (words >= 3) lines.push_back(line.substr(line.find_first_not_of(' ')));
    }
    return lines;
}

// Terminal columns: the CJK ideographs and full-width forms take two.
std::size_t Columns(const std::string& utf8) {
    std::size_t columns = 0;
    for (const char32_t c : QString::fromStdString(utf8).toStdU32String())
        columns += (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFF60) ? 2 : 1;
    return columns;
}

TEST(CliLanguages, HelpIsTranslatedWholeWithItsOptionsAndColumns) {
    const std::string english = Cli({"--help", "--lang", "en"}).out;
    const std::vector<std::string> commands = CommandsOf(english);
    ASSERT_GE(commands.size(), 10u) << english;
    for (const std::string& lang : Translations()) {
        // The tool's help wherever --lang stands, and each command's.
        for (const auto& args :
             {std::vector<std::string>{"--lang", lang, "--help"}, {"--help", "--lang", lang}}) {
            const ProcessResult tool = Cli(args);
            EXPECT_EQ(tool.exitCode, 0);
            for (const std::string& line : Prose(english))
                EXPECT_EQ(tool.out.find(line), std::string::npos) << lang << ": " << line;
            EXPECT_EQ(Options(tool.out), Options(english)) << lang;
            // The command table: every summary starts in one column, no line is wider than
            // the terminal (a wide character takes two columns).
            const auto lines = Lines(tool.out);
            auto row = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
                return line.starts_with("  " + commands.front() + " ");
            });
            ASSERT_NE(row, lines.end()) << tool.out;
            std::size_t column = 0;
            for (; row != lines.end() && !row->empty(); ++row) {
                EXPECT_LE(Columns(*row), 79u) << lang << ": " << *row;
                const std::size_t name = (*row)[2] == ' ' ? 0 : row->find(' ', 2);
                const std::size_t at = Columns(row->substr(0, row->find_first_not_of(' ', name)));
                if (column == 0) column = at;
                EXPECT_EQ(at, column) << lang << ": " << *row;
            }
        }
        for (const std::string& command : commands) {
            const std::string own = Cli({command, "--help"}).out;
            for (const auto& args : {std::vector<std::string>{"--lang", lang, command, "--help"},
                                     {command, "--help", "--lang=" + lang}}) {
                const ProcessResult help = Cli(args);
                EXPECT_EQ(help.exitCode, 0);
                for (const std::string& line : Prose(own))
                    EXPECT_EQ(help.out.find(line), std::string::npos)
                        << lang << " " << command << ": " << line;
                EXPECT_EQ(Options(help.out), Options(own)) << lang << " " << command;
            }
        }
    }
}

TEST(CliLanguages, UsageErrorsKeepTheirStatusWhereverTheLanguageIsGiven) {
    TempFolder dir;
    const std::string file = (dir / "x.dat").string();
    const std::string csv = (dir / "x.csv").string();
    const std::vector<std::vector<std::string>> mistakes = {
        {},
        {"frobnicate"},
        {"decode"},
        {"decode", file, file},
        {"decode", "--bogus", file},
        {"decode", file, "--lang", "fr"},
        {"resave", file},
        {"new", ""},
        {"ports", file},
        {"read", "--device", file},
        {"read", "--port", "99", "--out", file},
        {"read", "--out", file},
        {"write", "--device", file, "--port", "1", file},
        {"fleet", file},
        {"fleet", "--ports", "1,1", file},
        {"fleet", "--ports", "x/y", file},
        {"fleet", "--ports", "1", "--report", (dir / "r.txt").string(), file},
        {"print", file},
        {"print", file, "--pdf"},
        {"import-csv", csv, file, "--append-from", "0"},
    };
    for (const auto& mistake : mistakes) {
        const ProcessResult english = Cli(mistake);
        ASSERT_EQ(english.exitCode, 2) << english.err;
        for (const std::string& lang : Translations()) {
            auto before = std::vector<std::string>{"--lang", lang};
            before.insert(before.end(), mistake.begin(), mistake.end());
            auto after = before;
            if (!mistake.empty()) {
                after = mistake;
                after.insert(after.begin() + 1, {"--lang", lang});
            }
            for (const auto& args : {before, after}) {
                const ProcessResult r = Cli(args);
                EXPECT_EQ(r.exitCode, english.exitCode) << lang << ": " << r.err;
                EXPECT_EQ(r.out, "");
                EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
                EXPECT_NE(r.err, english.err) << lang << ": not translated";
            }
        }
    }
}

TEST(CliLanguages, TheLastLanguageGivenWins) {
    TempFolder dir;
    const std::string missing = (dir / "missing.dat").string();
    const std::string english = Cli({"decode", missing}).err;
    for (const std::string& lang : Translations()) {
        EXPECT_EQ(Cli({"--lang", lang, "decode", missing, "--lang", "en"}).err, english) << lang;
        EXPECT_EQ(Cli({"decode", missing, "--lang", lang}).err,
                  Cli({"--lang", "en", "decode", "--lang=" + lang, missing}).err)
            << lang;
    }
}

}  // namespace
}  // namespace talvo::e2e
