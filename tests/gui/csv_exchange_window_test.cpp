// The File menu's channel CSV import (with its preview), CSV export and PDF printout, driven
// as a user would, in both languages.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "app/csv_import_dialog.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "editors/channels/channel_table_window.h"
#include "exchange/frequency_hz.h"
#include "lang/catalogue.h"
#include "rules/channel_table.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "ui/local_msgbox.h"

namespace talvo {

class CsvExchangeWindowTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    Program program_;
    std::unique_ptr<testing::ModalAnswerer> answerer_;
    QString nextPath_;
    QStringList filters_;  // filter of every file dialog shown

    MainWindow& w() { return *program_.window; }
    ProgramState& state() { return w().state(); }
    testing::ModalAnswerer& answerer() { return *answerer_; }

    void start(Language lang) {
        program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
        w().switchLanguage(lang);
        w().setFileChooser([this](QWidget*, bool, const QString&, const QString& filter) {
            filters_ << filter;
            return nextPath_;
        });
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }
    QString path(const QString& name) const { return QDir(env_->programDir()).filePath(name); }
    void putFile(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString gridCell(int ch, int col) {
        return w().channelWindow()->grid()->item(ch - 1, col)->text();
    }
    // Clicks a button of the preview: press and release, as the window system sends them.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

  private slots:
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
        filters_.clear();
    }
    void cleanup() {
        QCOMPARE(answerer().unexpected(), 0);
        QCOMPARE(answerer().pending(), 0);
        program_ = {};
        answerer_.reset();
        env_.reset();
    }
    void previewListsEveryRowThenImportStoresTheTakenOnes();
    void placementIntoFreeChannelsAndCancel();
    void unreadableFileIsToldAndChangesNothing();
    void exportsSayWhereTheyWroteInBothLanguages();
    void ownExportImportedBackLeavesEveryChannelAsItWas();
    void previewWrapsLongReasonsInBothLanguages();
    void previewCountsInTheFormsOfEachLanguage();
};

void CsvExchangeWindowTest::previewListsEveryRowThenImportStoresTheTakenOnes() {
    start(kEnglish);
    CommitFrequency(state().channels, state().band, 2, kColRxFreq, "145.5");
    StoreName(state().channels, 2, "OLD");
    w().channelWindow()->loadFromModel();
    putFile("list.csv",
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\r\n"
            "1,calling channel,146.52,,,,,FM\r\n"
            "2,RPT,145.6,-,0.6,Tone,100.0,NFM\r\n"
            "3,AIR,121.5,,,,,AM\r\n"
            "4,,,,,,,\r\n");
    nextPath_ = path("list.csv");

    QStringList fates, replaces, details;
    answerer().handleNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CsvImportDialog*>(modal);
        QVERIFY(dialog);
        QTableWidget* rows = dialog->rowsTable();
        QCOMPARE(rows->rowCount(), 4);
        for (int r = 0; r < rows->rowCount(); ++r) {
            fates << rows->item(r, 1)->text();
            replaces << rows->item(r, 5)->text();
            details << rows->item(r, 6)->text();
        }
        click(dialog->importButton());
    });
    w().action("MNImportCsv")->trigger();
    QVERIFY(answerer().waitAllAnswered());

    QCOMPARE(fates, (QStringList{"adjusted", "imported", "refused", "skipped"}));
    QCOMPARE(replaces, (QStringList{"", "145.50000 OLD", "", ""}));
    QCOMPARE(details[0], QString("name \"calling channel\" stored as \"calling\" (the radio keeps "
                                 "at most 8 characters)"));
    QCOMPARE(details[2], QString("the radio has no AM mode"));
    QCOMPARE(gridCell(1, 1), QString("146.52000"));
    QCOMPARE(gridCell(1, 10), QString("calling"));
    QCOMPARE(gridCell(2, 2), QString("145.00000"));
    QCOMPARE(gridCell(2, 4), QString("100.0"));
    QCOMPARE(gridCell(2, 8), QString("Narror"));
    QCOMPARE(gridCell(2, 10), QString("RPT"));
    QVERIFY(state().channels.isFree(3));
    QCOMPARE(filters_.value(0).section(";;", 0, 0), QString("CSV files(*.csv)"));

    // The whole import is one step of the history.
    QCOMPARE(w().action("MNUndo")->text(), QString("Undo Import list.csv"));
    w().action("MNUndo")->trigger();
    QVERIFY(state().channels.isFree(1));
    QCOMPARE(gridCell(1, 1), QString());
    QCOMPARE(gridCell(2, 1), QString("145.50000"));
    QCOMPARE(gridCell(2, 10), QString("OLD"));
    w().action("MNRedo")->trigger();
    QCOMPARE(gridCell(1, 10), QString("calling"));
    QCOMPARE(gridCell(2, 10), QString("RPT"));
}

void CsvExchangeWindowTest::placementIntoFreeChannelsAndCancel() {
    start(kChinese);
    CommitFrequency(state().channels, state().band, 1, kColRxFreq, "145.5");
    w().channelWindow()->loadFromModel();
    putFile("list.csv", "Location,Frequency\n1,146.52\n1,146.54\n");
    nextPath_ = path("list.csv");
    const ChannelStores before = state().channels;

    QStringList channels;
    QString title, summary;
    answerer().handleNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CsvImportDialog*>(modal);
        QVERIFY(dialog);
        title = dialog->windowTitle();
        // By Location the second row repeats channel 1.
        QCOMPARE(dialog->rowsTable()->item(1, 1)->text(), QString("拒绝"));
        click(dialog->intoFreeButton());
        dialog->firstChannelBox()->setValue(5);
        for (int r = 0; r < dialog->rowsTable()->rowCount(); ++r) {
            channels << dialog->rowsTable()->item(r, 2)->text();
        }
        summary = dialog->summaryLabel()->text();
        dialog->findChild<QPushButton*>("cancelButton")->click();
    });
    w().action("MNImportCsv")->trigger();
    QVERIFY(answerer().waitAllAnswered());
    QCOMPARE(title, QString("导入频道（CSV）"));
    QCOMPARE(channels, (QStringList{"5", "6"}));
    QVERIFY(summary.contains("导入 2 行"));
    QVERIFY(state().channels == before);
}

void CsvExchangeWindowTest::unreadableFileIsToldAndChangesNothing() {
    start(kEnglish);
    putFile("names.csv", "Name,Frequency\nA,146.52\n");
    nextPath_ = path("names.csv");
    answerer().answerId(IdOk);
    w().action("MNImportCsv")->trigger();
    QVERIFY(answerer().waitAllAnswered());
    QVERIFY(answerer().last().text.contains("the header has no Location column"));
    QCOMPARE(answerer().last().icon, QMessageBox::Critical);

    nextPath_ = path("missing.csv");
    answerer().answerId(IdOk);
    w().action("MNImportCsv")->trigger();
    QVERIFY(answerer().waitAllAnswered());
    QVERIFY(answerer().last().text.contains("does not exist"));
    QVERIFY(state().channels.isFree(1));
}

void CsvExchangeWindowTest::exportsSayWhereTheyWroteInBothLanguages() {
    for (const Language lang : {kEnglish, kChinese}) {
        start(lang);
        CommitFrequency(state().channels, state().band, 7, kColRxFreq, "146.52");
        w().channelWindow()->loadFromModel();
        const QString menuTexts = w().action("MNImportCsv")->text() + "|" +
                                  w().action("MNExportCsv")->text() + "|" +
                                  w().action("MNExportPdf")->text();
        QCOMPARE(menuTexts, lang == kChinese
                                ? QString("导入频道（CSV）…|导出频道（CSV）…|导出打印稿（PDF）…")
                                : QString("Import Channels (CSV)…|Export Channels (CSV)…|Export "
                                          "Printout (PDF)…"));

        nextPath_ = path("channels");  // no extension: ".csv" is added
        answerer().answerId(IdOk);
        w().action("MNExportCsv")->trigger();
        QVERIFY(answerer().waitAllAnswered());
        QFile csv(path("channels.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 3);  // header, channel 7, nothing after the last line end
        QVERIFY(lines[1].startsWith("7,,146.520000,,0.000000,"));
        QVERIFY(answerer().last().text.contains(QDir::toNativeSeparators(path("channels.csv"))));
        QVERIFY(answerer().last().text.contains(lang == kChinese ? "已将 1 个频道导出到"
                                                                 : "1 channel was exported to"));

        nextPath_ = path("printout.pdf");
        answerer().answerId(IdOk);
        w().action("MNExportPdf")->trigger();
        QVERIFY(answerer().waitAllAnswered());
        QFile pdf(nextPath_);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
        QVERIFY(answerer().last().text.contains(QDir::toNativeSeparators(nextPath_)));
        QVERIFY(!w().action("MNPrint")->isEnabled());

        // A folder that cannot be written: told, nothing claimed.
        nextPath_ = path("no/such/folder/out.csv");
        answerer().answerId(IdOk);
        w().action("MNExportCsv")->trigger();
        QVERIFY(answerer().waitAllAnswered());
        QCOMPARE(answerer().last().icon, QMessageBox::Critical);
        program_ = {};
    }
}

// The commonest use of a CSV: export, (edit in a spreadsheet,) import back into the same file.
// Names of 8 characters, a receive-only channel, busy lock and a prohibited transmit
// frequency come back as they were; the preview says the rows change nothing.
void CsvExchangeWindowTest::ownExportImportedBackLeavesEveryChannelAsItWas() {
    start(kEnglish);
    Channel v;
    v.option = NewChannelOptions();
    v.rx = v.tx = FrequencyOfHz(156800000);
    v.optionOf(kColBusyLock) = 0;
    v.name = "MARINE16";
    state().channels.at(1) = v;
    v.rx = FrequencyOfHz(439987500);
    v.tx.reset();
    v.name = "RX ONLY";
    state().channels.at(2) = v;
    v.rx = FrequencyOfHz(145600000);
    v.tx = FrequencyOfHz(145000000);
    v.optionOf(kColTxProhibit) = 0;
    v.name = "Rpt low";
    state().channels.at(3) = v;
    w().channelWindow()->loadFromModel();
    const ChannelStores before = state().channels;

    nextPath_ = path("same.csv");
    answerer().answerId(IdOk);
    w().action("MNExportCsv")->trigger();
    QVERIFY(answerer().waitAllAnswered());

    QStringList fates;
    QString summary;
    answerer().handleNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CsvImportDialog*>(modal);
        QVERIFY(dialog);
        summary = dialog->summaryLabel()->text();
        for (int r = 0; r < dialog->rowsTable()->rowCount(); ++r) {
            fates << dialog->rowsTable()->item(r, 1)->text();
        }
        click(dialog->importButton());
    });
    w().action("MNImportCsv")->trigger();
    QVERIFY(answerer().waitAllAnswered());
    QCOMPARE(fates, (QStringList{"unchanged", "unchanged", "unchanged"}));
    QVERIFY2(summary.contains("0 programmed channels will be replaced"), qPrintable(summary));
    QVERIFY2(summary.contains("3 rows give their channel what it already holds"),
             qPrintable(summary));
    QVERIFY(state().channels == before);
    QCOMPARE(gridCell(1, 10), QString("MARINE16"));
    QCOMPARE(gridCell(2, 10), QString("RX ONLY"));
    QCOMPARE(gridCell(2, 2), QString());
}

// A reason longer than its cell is wrapped onto more lines, never cut, in both languages and
// after the preview is made narrower.
void CsvExchangeWindowTest::previewWrapsLongReasonsInBothLanguages() {
    putFile("long.csv",
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\r\n"
            "1,A,999.1234,+,5,Tone,100.0,FM\r\n"
            "2,B,146.52,,,,,AM\r\n");
    for (Language lang : {kEnglish, kChinese}) {
        start(lang);
        nextPath_ = path("long.csv");
        answerer().handleNextModal([lang](QWidget* modal) {
            auto* dialog = qobject_cast<CsvImportDialog*>(modal);
            QVERIFY(dialog);
            // Closed however the checks end.
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            QTableWidget* rows = dialog->rowsTable();
            const int details = rows->columnCount() - 1;
            for (const int width : {0, 620, 480}) {
                if (width > 0) dialog->resize(width, dialog->height());
                QCoreApplication::processEvents();
                const QFontMetrics metrics(rows->font());
                for (int r = 0; r < rows->rowCount(); ++r) {
                    const QString text = rows->item(r, details)->text();
                    // At least the lines the text needs at the cell's full width.
                    const int needed =
                        metrics
                            .boundingRect(QRect(0, 0, rows->columnWidth(details), 1 << 20),
                                          Qt::TextWordWrap, text)
                            .height();
                    QVERIFY2(rows->rowHeight(r) >= needed,
                             qPrintable(QStringLiteral("%1 row %2 at width %3: %4 < %5")
                                            .arg(CodeOf(lang))
                                            .arg(r)
                                            .arg(width)
                                            .arg(rows->rowHeight(r))
                                            .arg(needed)));
                }
            }
            // The long reason did need more than one line.
            QVERIFY(rows->rowHeight(0) > 2 * QFontMetrics(rows->font()).height());
        });
        w().action("MNImportCsv")->trigger();
        QVERIFY(answerer().waitAllAnswered());
        program_ = {};
    }
}

// The preview's counts of one row take each language's form for one.
void CsvExchangeWindowTest::previewCountsInTheFormsOfEachLanguage() {
    const struct {
        const char* code;
        QString summary;
    } cases[] = {
        {"en",
         "one.csv: 1 row, 1 imported (0 of them adjusted), 0 refused, 0 skipped; 0 "
         "programmed channels will be replaced."},
        {"es",
         "one.csv: 1 fila, 1 importada (0 de ellas ajustadas), 0 rechazadas, 0 omitidas; "
         "se sustituirán 0 canales programados."},
        {"zh",
         "one.csv：1 行，导入 1 行（其中调整 0 行），拒绝 0 行，跳过 0 行；将覆盖 0 个已有频道。"},
    };
    putFile("one.csv", "Location,Frequency\n1,146.52\n");
    for (const auto& c : cases) {
        start(Language(c.code));
        nextPath_ = path("one.csv");
        QString summary;
        answerer().handleNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<CsvImportDialog*>(modal);
            QVERIFY(dialog);
            summary = dialog->summaryLabel()->text();
            dialog->findChild<QPushButton*>("cancelButton")->click();
        });
        w().action("MNImportCsv")->trigger();
        QVERIFY(answerer().waitAllAnswered());
        QCOMPARE(summary, c.summary);
        program_ = {};
    }
}

}  // namespace talvo

QTEST_MAIN(talvo::CsvExchangeWindowTest)
#include "csv_exchange_window_test.moc"
