// The printout's layout over random documents of words in every language the program shows
// (Chinese, English, Spanish, the pseudo-language, and words longer than any cell): measured
// here on its own, every painted text fits its room with every word of it there, or it is at the
// smallest size and reported as cut; no two texts overlap; nothing given is left out.
#include "print/print_layout.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <random>

#include "lang/pseudo_language.h"
#include "print/print_renderer.h"
#include "print/print_text_fit.h"
#include "support/skip_report.h"

namespace talvo {
namespace {

QString RandomText(std::mt19937& rng) {
    static const QStringList words = {"Frequency",
                                      "Channel",
                                      "Scan",
                                      "Add Scan",
                                      "Busy Channel Lock:",
                                      "Potencia",
                                      "Sí/No: Permitir cancelar la operación",
                                      "Subtono RX/TX",
                                      "功率",
                                      "繁忙信道锁定:",
                                      "与接收频率相同",
                                      "TALVO对讲机编程数据打印",
                                      "145.50000",
                                      "D023N",
                                      "WWWWWWWW",
                                      "Programmierungsdatenausdruckseinstellungen",
                                      "超长的中文文字没有任何空格可以断开的地方呀",
                                      "Wide",
                                      "Ancho/Estrecho",
                                      "12"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(words.size()) - 1);
    std::uniform_int_distribution<int> count(1, 4);
    QStringList text;
    for (int i = count(rng); i > 0; --i) {
        QString word = words[pick(rng)];
        if (rng() % 3 == 0) word = PseudoText(word);
        text << word;
    }
    return rng() % 5 == 0 ? QString() : text.join(rng() % 4 == 0 ? QString() : QString(" "));
}

std::vector<PrintElement> RandomDocument(std::mt19937& rng) {
    PrintDocument doc;
    doc.BeginDocument();
    const int parts = static_cast<int>(rng() % 6) + 2;
    for (int part = 0; part < parts; ++part) {
        switch (rng() % 6) {
            case 0:
                doc.NewPage();
                break;
            case 1:
                doc.Title(RandomText(rng));
                doc.LineFeed();
                break;
            case 2:
                doc.Heading(RandomText(rng));
                break;
            case 3:
                for (int row = static_cast<int>(rng() % 12); row > 0; --row) {
                    // No wider together than the column of two 4500-twip cells.
                    const int cells = static_cast<int>(rng() % 3) + 1;
                    for (int c = cells; c > 0; --c) {
                        const int most = 9000 / cells;
                        const int width =
                            rng() % 2 ? most : static_cast<int>(rng() % (most - 300)) + 300;
                        doc.Cell(RandomText(rng), width, static_cast<int>(rng() % 3), "1111");
                    }
                    doc.EndRow();
                }
                break;
            default: {
                PrintGrid grid;
                const int columns = static_cast<int>(rng() % 11) + 1;
                for (int c = 0; c < columns; ++c) {
                    grid.header << RandomText(rng);
                    grid.columnTwips.push_back(static_cast<int>(rng() % 1500) + 300);
                }
                for (int r = static_cast<int>(rng() % 90); r > 0; --r) {
                    QStringList row{QString::number(r)};
                    for (int c = 1; c < columns; ++c) row << RandomText(rng);
                    grid.rows.push_back(row);
                }
                doc.GridTable(grid, RandomText(rng));
            }
        }
    }
    return doc.elements();
}

// Every text the document gives, as it was given.
QStringList GivenTexts(const std::vector<PrintElement>& elements) {
    QStringList given;
    for (const PrintElement& e : elements) {
        if (e.kind == PrintElementKind::GridTable) {
            given << e.text << e.grid.header;
            for (const QStringList& row : e.grid.rows) given << row;
        } else if (e.kind != PrintElementKind::NewPage && e.kind != PrintElementKind::LineFeed &&
                   e.kind != PrintElementKind::EndRow) {
            given << e.text;
        }
    }
    return given;
}

bool Overlap(const QRectF& a, const QRectF& b) {
    const QRectF both = a.intersected(b);
    return both.width() > 0.01 && both.height() > 0.01;
}

}  // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTextFitsOrIsReportedAtTheSmallestSize() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        pdf.setPageLayout(PrintoutPageLayout());
        QPrinter preview(QPrinter::ScreenResolution);
        preview.setPageLayout(PrintoutPageLayout());
        const QRegularExpression space(QStringLiteral("\\s+"));

        std::mt19937 rng(20261208);
        int texts = 0;
        int wrapped = 0;
        int cut = 0;
        for (int round = 0; round < 30; ++round) {
            const QPaintDevice& device = round % 3 == 2 ? static_cast<QPaintDevice&>(preview) : pdf;
            const std::vector<PrintElement> elements = RandomDocument(rng);
            const std::vector<PrintPage> pages = LayOutDocument(elements, device);
            QVERIFY(!pages.empty());
            QStringList reported;
            for (const CutPrintText& c : CutPrintTexts(pages, device))
                reported << QString::number(c.page) + c.text;

            QStringList placed;
            const QRectF paper =
                QRectF(0, 0, device.width(), device.height()).adjusted(-0.01, -0.01, 0.01, 0.01);
            for (std::size_t p = 0; p < pages.size(); ++p) {
                std::vector<QRectF> rooms;
                for (const auto& item : pages[p].items) {
                    const auto* t = std::get_if<PrintedText>(&item);
                    if (!t) continue;
                    ++texts;
                    placed << t->text;
                    const QString where = QStringLiteral("page %1 \"%2\"").arg(p).arg(t->text);
                    const QFontMetricsF metrics(t->font, &device);
                    qreal widest = 0;
                    for (const QString& line : t->lines)
                        widest = std::max(widest, metrics.horizontalAdvance(line));
                    const bool fits =
                        widest <= t->room.width() + 0.01 &&
                        t->lines.size() * metrics.lineSpacing() <= t->room.height() + 0.01 &&
                        t->lines.join(QString()).remove(space) == QString(t->text).remove(space);
                    const bool isReported = reported.contains(QString::number(p) + t->text);
                    if (!fits || !t->fits) {
                        ++cut;
                        QVERIFY2(t->font.pointSizeF() == kPrintSmallestPoints, qPrintable(where));
                        QVERIFY2(isReported, qPrintable(where));
                    }
                    if (t->lines.size() > 1) ++wrapped;
                    QVERIFY2(paper.contains(t->room), qPrintable(where));
                    for (const QRectF& other : rooms)
                        QVERIFY2(!Overlap(other, t->room), qPrintable(where));
                    rooms.push_back(t->room);
                }
            }
            for (const QString& text : GivenTexts(elements))
                QVERIFY2(placed.contains(text), qPrintable(text));
        }
        // The documents did make texts wrap and some too long for any room.
        QVERIFY(texts > 1000);
        QVERIFY(wrapped > 20);
        QVERIFY(cut > 0);
    }
};

}  // namespace talvo

TALVO_QTEST_MAIN(talvo::PrintLayoutTest)
#include "print_layout_test.moc"
