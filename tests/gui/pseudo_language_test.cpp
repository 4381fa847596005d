// The pseudo-language over every source text of the catalogue: visibly marked, about 40%
// longer, and with every marker, mnemonic and tag that the text's users rely on intact.
#include "lang/pseudo_language.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace talvo {

class PseudoLanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void everySourceTextKeepsWhatItsUsersNeed();
};

namespace {

QStringList SourceTexts() {
    QFile file(QStringLiteral(TALVO_TRANSLATIONS_DIR "/talvo_zh.ts"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QStringList sources;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source") {
            sources << xml.readElementText();
        }
    }
    return sources;
}

// What must survive: %1..%9 and %n markers, &X mnemonics, <tags>, line breaks.
QStringList Kept(const QString& text) {
    static const QRegularExpression kept(QStringLiteral("%[0-9n]|&.|<[^>]*>|\\n"));
    QStringList out;
    for (auto it = kept.globalMatch(text); it.hasNext();) out << it.next().captured();
    return out;
}

}  // namespace

void PseudoLanguageTest::everySourceTextKeepsWhatItsUsersNeed() {
    const QStringList sources = SourceTexts();
    QVERIFY(sources.size() > 400);
    for (const QString& source : sources) {
        const QString pseudo = PseudoText(source);
        QVERIFY2(pseudo.startsWith(QLatin1Char('[')) && pseudo.endsWith(QLatin1Char(']')),
                 qPrintable(pseudo));
        QVERIFY2(pseudo != source, qPrintable(source));
        QCOMPARE(Kept(pseudo), Kept(source));
        if (source.size() >= 10) {
            QVERIFY2(pseudo.size() >= source.size() * 13 / 10 &&
                         pseudo.size() <= source.size() * 16 / 10,
                     qPrintable(source + QStringLiteral(" -> ") + pseudo));
        }
    }
    // Letters are accented where they can be, so an English text left unmarked stands out.
    QCOMPARE(PseudoText(QStringLiteral("Save(&S)")), QStringLiteral("[Ŝàvé(&S) ~]"));
}

}  // namespace talvo

QTEST_MAIN(talvo::PseudoLanguageTest)
#include "pseudo_language_test.moc"
