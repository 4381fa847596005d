#include "print/pdf_text_layer.h"

#include <QString>
#include <optional>

namespace talvo {
namespace {

constexpr char kRangesBegin[] = "beginbfrange";
constexpr char kRangesEnd[] = "endbfrange";

// The unified ideograph a code point below the ideograph blocks stands for, if any.
std::optional<char16_t> IdeographFor(char16_t code) {
    if (code < 0x2E80 || code >= 0x4E00) return std::nullopt;
    const QString compatible = QString(QChar(code)).normalized(QString::NormalizationForm_KC);
    if (compatible.size() != 1) return std::nullopt;
    const char16_t ideograph = compatible.front().unicode();
    const bool unified = (ideograph >= 0x4E00 && ideograph <= 0x9FFF) ||
                         (ideograph >= 0x3400 && ideograph <= 0x4DBF);
    return unified ? std::optional<char16_t>(ideograph) : std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The four-digit hex code of the token "<XXXX>" at `at`, if it is one.
std::optional<char16_t> CodeAt(const QByteArray& pdf, qsizetype at) {
    if (at + 6 > pdf.size() || pdf[at] != '<' || pdf[at + 5] != '>') return std::nullopt;
    unsigned value = 0;
    for (qsizetype i = at + 1; i < at + 5; ++i) {
        const int digit = HexDigit(pdf[i]);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<char16_t>(value);
}

void PutCode(QByteArray& pdf, qsizetype at, char16_t code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < 4; ++i) pdf[at + 1 + i] = kDigits[(code >> (12 - 4 * i)) & 0xF];
}

// One line "<first> <last> <code>" or "<first> <last> [<code> <code> ...]" of a range list,
// from `at` to `end`. A line whose one code starts a run over several glyphs is left alone:
// its glyphs stand for consecutive code points.
int MendRangeLine(QByteArray& pdf, qsizetype at, qsizetype end) {
    const auto first = CodeAt(pdf, at);
    const auto last = CodeAt(pdf, at + 7);
    if (!first || !last || at + 14 > end) return 0;
    int mended = 0;
    auto mend = [&](qsizetype token) {
        const auto code = CodeAt(pdf, token);
        if (!code) return;
        if (const auto ideograph = IdeographFor(*code)) {
            PutCode(pdf, token, *ideograph);
            ++mended;
        }
    };
    const qsizetype destination = at + 14;
    if (pdf[destination] == '[') {
        for (qsizetype i = destination + 1; i < end; ++i) {
            if (pdf[i] == '<') mend(i);
        }
    } else if (*first == *last) {
        mend(destination);
    }
    return mended;
}

}  // namespace

int MendCjkTextLayer(QByteArray& pdf) {
    int mended = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype begin = pdf.indexOf(kRangesBegin, from);
        if (begin < 0) break;
        const qsizetype end = pdf.indexOf(kRangesEnd, begin);
        if (end < 0) break;
        qsizetype line = pdf.indexOf('\n', begin) + 1;
        while (line > 0 && line < end) {
            qsizetype lineEnd = pdf.indexOf('\n', line);
            if (lineEnd < 0 || lineEnd > end) lineEnd = end;
            mended += MendRangeLine(pdf, line, lineEnd);
            line = lineEnd + 1;
        }
        from = end;
    }
    return mended;
}

}  // namespace talvo
