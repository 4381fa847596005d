// The printout's document: its elements for a known state in each language, and its pages.
#include "print/print_content.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "channel_view.h"
#include "lang/catalogue.h"
#include "print/print_pdf.h"
#include "print/print_renderer.h"
#include "radio/state/program_state.h"
#include "rules/channel_table.h"
#include "support/skip_report.h"

namespace talvo {

using K = PrintElementKind;

struct Row {
    QString caption;
    QString value;
};

class PrintContentTest : public QObject {
    Q_OBJECT

  private:
    static ProgramState KnownState(Language lang) {
        ProgramState s = StartupState(lang);
        SetCheckedSettingText(s.options, TextId::AChannelNumber, "12");
        SetCheckedSettingText(s.options, TextId::BChannelNumber, "7");
        SetCheckedSettingText(s.options, TextId::DisplayCharacter, "HI\xe9");
        s.options[ListId::AVfoWideNarrow] = 0;
        s.powerGrades = {201, 150, 99, 1, 2, 3};
        CommitFrequency(s.channels, s.band, 1, kColRxFreq, "145.5");
        CommitFrequency(s.channels, s.band, 5, kColRxFreq, "440");
        CommitOption(s.channels, 5, kColQtDqtDec, 52);
        StoreName(s.channels, 5, "REP");
        s.channels.at(9).name = "FREE";  // a free channel that shows a decoded name
        return s;
    }

    // The rows (caption, value) of the document, in order, checking every cell's form.
    static std::vector<Row> Rows(const std::vector<PrintElement>& elements) {
        std::vector<Row> rows;
        QStringList cells;
        for (const PrintElement& e : elements) {
            if (e.kind == K::Cell) {
                if (e.widthTwips != 4500 || e.alignment != 2 || e.border != "1111") {
                    qWarning("cell %s has the wrong form", qPrintable(e.text));
                    return {};
                }
                cells << e.text;
            } else if (e.kind == K::EndRow) {
                if (cells.size() != 2) return {};
                rows.push_back({cells[0], cells[1]});
                cells.clear();
            }
        }
        return rows;
    }

    static QStringList Texts(const std::vector<PrintElement>& elements, K kind) {
        QStringList out;
        for (const PrintElement& e : elements) {
            if (e.kind == kind) out << e.text;
        }
        return out;
    }

  private slots:
    void elementOrder() {
        const ProgramState s = KnownState(kEnglish);
        PrintDocument doc;
        QCOMPARE(PrintContent(s, doc), -1);

        std::vector<K> expected;
        auto rows = [&](int n) {
            for (int i = 0; i < n; ++i)
                expected.insert(expected.end(), {K::Cell, K::Cell, K::EndRow});
        };
        auto section = [&] { expected.insert(expected.end(), {K::Heading, K::LineFeed}); };
        expected.insert(expected.end(), {K::NewPage, K::Title, K::LineFeed});
        section();
        rows(13);
        expected.insert(expected.end(), {K::NewPage, K::LineFeed});
        section();
        rows(11);
        expected.push_back(K::LineFeed);
        section();
        rows(3);
        expected.push_back(K::LineFeed);
        section();
        rows(3);
        expected.insert(expected.end(), {K::NewPage, K::Title, K::GridTable, K::LineFeed});

        std::vector<K> kinds;
        for (const PrintElement& e : doc.elements()) kinds.push_back(e.kind);
        QVERIFY(kinds == expected);

        // a rebuild starts afresh
        PrintContent(s, doc);
        QCOMPARE(doc.elements().size(), expected.size());
    }

    void fixedTextsAndRows_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("checkRow");  // caption, value clear, value ticked
        QTest::newRow("en") << int(LanguageFlagOf(kEnglish))
                            << QStringList{"TALVO Interphone programming data are printed",
                                           "Channel data"}
                            << QStringList{"Function Set", "The whole frequency frequently",
                                           "VOX(Voice control launches)", "Debug information"}
                            << QStringList{"B Channel Number:",
                                           "A Channel Number:",
                                           "A Display Mode:",
                                           "A Step Frequency:",
                                           "Squelch Level:",
                                           "Beep:",
                                           "Battery Save:",
                                           "Key Lock:",
                                           "Dual Standby:",
                                           "Channel Name Editable:",
                                           "Time-out Timer:",
                                           "Display Character:",
                                           "Scan Mode:",
                                           "Frequency:",
                                           "Offset Data:",
                                           "QT/DQT Dec:",
                                           "QT/DQT Enc:",
                                           "Power:",
                                           "Busy Channel Lock:",
                                           "Add Scan:",
                                           "Wide/Narrow:",
                                           "TX Prohibit:",
                                           "Companding:",
                                           "Offset Frequency:",
                                           "VOX Gain Level:",
                                           "VOX Delay Time(s):",
                                           "WhetherAllow to Cancel Operating",
                                           "High Power Grades",
                                           "Middle Power Grades",
                                           "Low Power Grades"}
                            << QStringList{"WhetherAllow to Cancel Operating", "No", "Yes"};
        QTest::newRow("zh") << int(LanguageFlagOf(kChinese))
                            << QStringList{"TALVO对讲机编程数据打印", "信道数据"}
                            << QStringList{"功能设置", "全频频率", "VOX(声控发射)", "调试信息"}
                            << QStringList{"B组当前频道数:",
                                           "A组当前频道数:",
                                           "A组显式模式:",
                                           "A组步进频率:",
                                           "静噪等级:",
                                           "提示音:",
                                           "省电:",
                                           "按键锁:",
                                           "双频待机:",
                                           "自命名频道名称:",
                                           "发射超时:",
                                           "开机显示字符:",
                                           "扫描模式:",
                                           "全频频率:",
                                           "异频数:",
                                           "接收亚音频:",
                                           "发射亚音频:",
                                           "功率:",
                                           "繁忙信道锁定:",
                                           "扫描添加:",
                                           "宽窄带:",
                                           "发射禁止:",
                                           "压扩:",
                                           "异频:",
                                           "VOX增益电平:",
                                           "VOX延迟时间(秒):",
                                           "是否允许取消操作",
                                           "高功率等级",
                                           "中功率等级",
                                           "低功率等级"}
                            << QStringList{"是否允许取消操作", "否", "是"};
    }
    void fixedTextsAndRows() {
        QFETCH(int, lang);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, headings);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, checkRow);
        ProgramState s = KnownState(LanguageOfFlag(lang));
        PrintDocument doc;
        PrintContent(s, doc);
        QCOMPARE(Texts(doc.elements(), K::Title), titles);
        QCOMPARE(Texts(doc.elements(), K::Heading), headings);
        QCOMPARE(Texts(doc.elements(), K::GridTable), QStringList{titles[1]});

        const std::vector<Row> rows = Rows(doc.elements());
        QCOMPARE(int(rows.size()), captions.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].caption, captions[static_cast<qsizetype>(i)]);
        }
        // B group first, then A; display text bytes as characters; debug values as numbers
        QCOMPARE(rows[0].value, QString("7"));
        QCOMPARE(rows[1].value, QString("12"));
        QCOMPARE(rows[11].value, QString("HI\u00e9"));
        QCOMPARE(rows[13].value, QString("136.00000"));
        QCOMPARE(rows[20].value, Tr(s.options.displayed(ListId::AVfoWideNarrow), s.language));
        QCOMPARE(rows[27].value, QString("201"));
        QCOMPARE(rows[28].value, QString("150"));
        QCOMPARE(rows[29].value, QString("99"));
        QCOMPARE(rows[26].caption, checkRow[0]);
        QCOMPARE(rows[26].value, checkRow[1]);

        s.options[CheckId::AllowToCancelOperating] = true;
        PrintContent(s, doc);
        QCOMPARE(Rows(doc.elements())[26].value, checkRow[2]);
    }

    void channelGridAsDisplayed() {
        ProgramState s = KnownState(kEnglish);
        PrintDocument doc;
        PrintContent(s, doc);
        const PrintGrid& grid = doc.elements()[doc.elements().size() - 2].grid;
        QCOMPARE(grid.header.first(), QString("CH"));
        QCOMPARE(grid.header.last(), QString("Channel Name"));
        QCOMPARE(int(grid.columnTwips.size()), 11);
        QCOMPARE(grid.columnTwips[1], 1100);
        // only rows that show something; the new channel keeps its "Wide" until re-rendered
        QCOMPARE(int(grid.rows.size()), 3);
        QCOMPARE(grid.rows[0], (QStringList{"1", "145.50000", "145.50000", "Off", "Off", "High",
                                            "Off", "On", "Wide", "Off", ""}));
        QCOMPARE(grid.rows[1][0], QString("5"));
        QCOMPARE(grid.rows[1][3], QString("D023N"));
        QCOMPARE(grid.rows[1][10], QString("REP"));
        QCOMPARE(grid.rows[2], (QStringList{"9", "", "", "", "", "", "", "", "", "", "FREE"}));

        s.language = kChinese;
        ForgetShownWords(s.channels);
        PrintContent(s, doc);
        const PrintGrid& zh = doc.elements()[doc.elements().size() - 2].grid;
        QCOMPARE(zh.header.first(), QString("频道"));
        QCOMPARE(zh.rows[0][8], QString("宽带"));
    }

    void pagesOfTheDocument() {
        auto pages = [](const ProgramState& s) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            PrintDocument doc;
            const int n = PrintContent(s, doc, &writer);
            return std::make_pair(n, buffer.size());
        };
        ProgramState s = KnownState(kEnglish);
        const auto few = pages(s);
        QCOMPARE(few.first, 3);
        QVERIFY(few.second > 1000);
        for (int ch = 1; ch <= 128; ++ch) {
            CommitFrequency(s.channels, s.band, ch, kColRxFreq, "400");
        }
        QVERIFY(pages(s).first > 3);

        // an empty document still gives its one page
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QCOMPARE(RenderDocument({}, &writer), 1);
    }

    // Text taken out of a Chinese PDF holds every fixed text of the printout as printed:
    // the ideographs themselves, not the radicals that share their glyphs (⾼ for 高).
    void chinesePdfTextHoldsEveryFixedText() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty()) TALVO_SKIP("pdftotext (poppler-utils) is not installed");
        const ProgramState s = KnownState(kChinese);
        PrintDocument doc;
        PrintContent(s, doc);
        const QRegularExpression cjk(QStringLiteral("[\\x{2E80}-\\x{9FFF}]"));
        QStringList fixed;
        auto keep = [&](const QString& text) {
            if (text.contains(cjk) && !fixed.contains(text)) fixed << text;
        };
        for (const PrintElement& e : doc.elements()) {
            keep(e.text);
            for (const QString& h : e.grid.header) keep(h);
            for (const QStringList& row : e.grid.rows) {
                for (const QString& cell : row) keep(cell);
            }
        }
        QVERIFY(fixed.size() > 50);
        QVERIFY(fixed.contains(QStringLiteral("高功率等级")));

        QTemporaryDir dir;
        const QString pdf = dir.filePath("zh.pdf");
        QVERIFY(WritePrintoutPdf(s, pdf) > 0);
        QProcess run;
        run.start(pdftotext, {pdf, "-"});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        // Lines and cells are laid out by the reader: compare without any white space.
        const QRegularExpression space(QStringLiteral("\\s+"));
        const QString text = QString::fromUtf8(run.readAllStandardOutput()).remove(space);
        QStringList missing;
        for (const QString& t : fixed) {
            if (!text.contains(QString(t).remove(space))) missing << t;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
    }
};

}  // namespace talvo

TALVO_QTEST_MAIN(talvo::PrintContentTest)
#include "print_content_test.moc"
