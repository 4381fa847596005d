#include "cli/cli_texts.h"

#include <QString>
#include <algorithm>
#include <string_view>

#include "lang/catalogue.h"

namespace talvo::cli {
namespace {

Language& Chosen() {
    static Language lang = DefaultLanguage();
    return lang;
}

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Punctuation that may not begin a line, and that may not end one.
bool ClosesPhrase(char32_t c) {
    return std::u32string_view(U"，。、；：！？）」』》〉】,.;:!?)]").find(c) !=
           std::u32string_view::npos;
}
bool OpensPhrase(char32_t c) {
    return std::u32string_view(U"（「『《〈【([").find(c) != std::u32string_view::npos;
}

std::size_t Width(std::u32string_view text) {
    std::size_t width = 0;
    for (const char32_t c : text) width += IsWide(c) ? 2 : 1;
    return width;
}

std::string Utf8(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

}  // namespace

Language ToolLanguage() {
    return Chosen();
}

std::optional<Language> ChooseLanguage(const QString& code) {
    const std::optional<Language> lang = ShippedLanguage(code);
    if (lang) Chosen() = *lang;
    return lang;
}

void ChooseLanguageOf(const QStringList& args) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--")) return;
        if (arg == QLatin1String("--lang") && i + 1 < args.size()) {
            ChooseLanguage(args[++i]);
        } else if (arg.startsWith(QLatin1String("--lang="))) {
            ChooseLanguage(arg.mid(7));
        }
    }
}

std::string Say(const Text& text, const std::vector<std::string>& args) {
    return Words(text, ToolLanguage(), args);
}

std::size_t DisplayWidth(const std::string& text) {
    return Width(QString::fromStdString(text).toStdU32String());
}

std::vector<std::string> WrapWords(const std::string& text, std::size_t room) {
    // Pieces that may not be broken, each with the spaces before it.
    struct Piece {
        std::u32string gap, words;
    };
    std::vector<Piece> pieces;
    const std::u32string all = QString::fromStdString(text).toStdU32String();
    for (std::size_t at = 0; at < all.size();) {
        Piece piece;
        // A line end in the words is a space: the lines are the table's own.
        const auto gap = [](char32_t c) { return c == U' ' || c == U'\n'; };
        for (; at < all.size() && gap(all[at]); ++at) piece.gap += U' ';
        if (at == all.size()) break;
        if (IsWide(all[at])) {
            piece.words = all[at++];
        } else {
            while (at < all.size() && !gap(all[at]) && !IsWide(all[at])) piece.words += all[at++];
        }
        const bool glued =
            !pieces.empty() && piece.gap.empty() &&
            (ClosesPhrase(piece.words.front()) || OpensPhrase(pieces.back().words.back()) ||
             !(IsWide(piece.words.front()) || IsWide(pieces.back().words.back())));
        if (glued) {
            pieces.back().words += piece.words;
        } else {
            pieces.push_back(std::move(piece));
        }
    }
    std::vector<std::string> lines;
    std::u32string line;
    for (const Piece& piece : pieces) {
        if (!line.empty() && Width(line) + Width(piece.gap) + Width(piece.words) > room) {
            lines.push_back(Utf8(line));
            line.clear();
        }
        if (!line.empty()) line += piece.gap;
        line += piece.words;
    }
    if (!line.empty()) lines.push_back(Utf8(line));
    return lines;
}

std::string WithShippedLanguages(std::string synopsis) {
    static const std::string kWritten = "en|zh|es";
    std::string codes = "en|zh";
    for (const QString& code : ShippedLanguages()) {
        if (code != QLatin1String("en") && code != QLatin1String("zh"))
            codes += "|" + code.toStdString();
    }
    for (std::size_t at = synopsis.find(kWritten); at != std::string::npos;
         at = synopsis.find(kWritten, at + codes.size()))
        synopsis.replace(at, kWritten.size(), codes);
    return synopsis;
}

std::string UsageLines(const std::string& synopsis) {
    // Where the synopsis starts: the words before its marker.
    const std::string marked = Say(TALVO_TEXT("CliHelp", "usage: %1"), {std::string(1, '\x01')});
    const std::size_t mark = marked.find('\x01');
    const std::string indent(DisplayWidth(marked.substr(0, mark)), ' ');
    std::string lines = WithShippedLanguages(synopsis);
    for (std::size_t at = lines.find('\n'); at != std::string::npos; at = lines.find('\n', at + 1))
        lines.insert(at + 1, indent);
    return marked.substr(0, mark) + lines + marked.substr(mark + 1) + "\n";
}

std::string Paragraph(const Text& text, const std::vector<std::string>& args) {
    return Say(text, args) + "\n";
}

std::string ExitStatusLine(const Text& text, const std::vector<int>& statuses) {
    std::vector<std::string> args;
    for (const int s : statuses) args.push_back(std::to_string(s));
    return Paragraph(text, args);
}

std::string OptionRows(std::size_t column, const std::vector<OptionRow>& rows) {
    std::string out;
    for (const OptionRow& row : rows) {
        std::string name = std::string("  ") + row.option;
        name.resize(std::max(column, name.size() + 1), ' ');
        out += name;
        const std::string words = Say(row.text, row.args);
        for (const char c : words) {
            out += c;
            if (c == '\n') out += std::string(column, ' ');
        }
        out += "\n";
    }
    return out;
}

}  // namespace talvo::cli
