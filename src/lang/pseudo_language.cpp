#include "lang/pseudo_language.h"

namespace talvo {
namespace {

QChar Accented(QChar c) {
    static const QString plain = QStringLiteral("aceinosuyACEINOSUY");
    static const QString accented = QStringLiteral("àçéîñöŝûýÀÇÉÎÑÖŜÛÝ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : accented.at(at);
}

}  // namespace

QString PseudoText(const QString& source) {
    QString out;
    out.reserve(source.size() * 2 + 4);
    out += QLatin1Char('[');
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('%') && i + 1 < source.size() &&
            (source.at(i + 1).isDigit() || source.at(i + 1) == QLatin1Char('n'))) {
            out += c;
            out += source.at(++i);  // a marker stays whole
        } else if (c == QLatin1Char('&') && i + 1 < source.size()) {
            out += c;
            out += source.at(++i);  // the mnemonic keeps its letter
        } else if (c == QLatin1Char('<')) {
            const qsizetype end = source.indexOf(QLatin1Char('>'), i);
            const qsizetype stop = end < 0 ? source.size() : end + 1;
            out += source.mid(i, stop - i);  // a tag stays as it is
            i = stop - 1;
        } else {
            out += Accented(c);
        }
    }
    // About 40% longer: the brackets, a space and tildes for the rest.
    const qsizetype pad = qMax<qsizetype>(1, (source.size() * 2 + 4) / 5 - 3);
    out += QLatin1Char(' ');
    out += QString(pad, QLatin1Char('~'));
    out += QLatin1Char(']');
    return out;
}

QString PseudoTranslator::translate(const char*, const char* sourceText, const char*, int) const {
    return PseudoText(QString::fromUtf8(sourceText));
}

}  // namespace talvo
