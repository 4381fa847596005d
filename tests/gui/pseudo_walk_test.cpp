// The walk of everything the program shows: the main window, the editor windows, message boxes
// of real mistakes, the dialogs and their reports, the printout and the command line. Under the
// pseudo-language (the default) every text that is not data must carry the pseudo-language's
// brackets, i.e. have come through the catalogue; in every language (TALVO_WALK_LANG=zh, en,
// es, pseudo) no text may be cut by its widget.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "../unit/image_samples.h"
#include "app/change_list_window.h"
#include "app/fleet_window.h"
#include "app/print_preview_window.h"
#include "app/startup.h"
#include "app/transfer_controller.h"
#include "channel_view.h"
#include "compare/change_list.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "editors/channels/grid_tools.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "print/print_content.h"
#include "print/print_pdf.h"
#include "print/print_renderer.h"
#include "radio/codecs/decode.h"
#include "radio/fields/channel_fields.h"
#include "rules/channel_table.h"
#include "run/read_backups.h"
#include "support/fake_serial_link.h"
#include "support/pointer.h"
#include "support/shell_env.h"
#include "support/text_walk.h"
#include "support/user_input.h"
#include "ui/local_msgbox.h"

namespace talvo {

namespace {

QString WalkLanguage() {
    const QByteArray lang = qgetenv("TALVO_WALK_LANG");
    return lang.isEmpty() ? QStringLiteral("pseudo") : QString::fromLatin1(lang);
}

// Walks every modal window the program opens while a command runs, then closes it (a message
// box with its Cancel/Escape button, a dialog by rejecting it) unless a handler was queued.
class ModalWalk : public QObject {
  public:
    explicit ModalWalk(testing::TextWalk& walk) : walk_(walk) {
        connect(&timer_, &QTimer::timeout, this, &ModalWalk::poll);
        timer_.start(10);
    }
    // Runs `handler` on the next modal window after walking it; it must close the window.
    void then(std::function<void(QWidget*)> handler) { handlers_.push_back(std::move(handler)); }
    QStringList titles;  // what was walked, in order
    QStringList texts;   // message box texts

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || seen_.contains(modal)) return;
        seen_ << modal;
        QTest::qWait(20);  // shown and fitted
        titles << modal->windowTitle();
        if (qEnvironmentVariableIsSet("TALVO_WALK_TRACE"))
            qWarning("modal %s", qPrintable(titles.back()));
        if (auto* box = qobject_cast<QMessageBox*>(modal)) texts << box->text();
        walk_.window(QStringLiteral("modal \"%1\"").arg(modal->windowTitle()), modal);
        if (!handlers_.empty()) {
            // Run apart from this timer, which does not fire again while its slot runs: the
            // handler may open a further modal window to be walked.
            QTimer::singleShot(0, modal,
                               [modal, handler = std::move(handlers_.front())] { handler(modal); });
            handlers_.pop_front();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* out = box->escapeButton();
            if (!out && !box->buttons().isEmpty()) out = box->buttons().front();
            if (out) out->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }

    testing::TextWalk& walk_;
    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> handlers_;
    QList<QPointer<QWidget>> seen_;
};

}  // namespace

class PseudoWalkTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void menusAndToolTips();
    void windowsAndEditors();
    void messageBoxesOfRealMistakes();
    void dialogsAndReports();
    void printout();
    void commandLine();

  private:
    MainWindow& w() { return *program_.window; }
    // A random valid image, read from a radio: every window shows data.
    void loadRandomImage(unsigned seed);
    void walkOrFail();

    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    Program program_;
    std::unique_ptr<testing::TextWalk> walk_;
    QString lang_ = WalkLanguage();
};

void PseudoWalkTest::init() {
    env_ = std::make_unique<testing::ScopedShellEnvironment>();
    program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
    // The language is chosen as a user chooses it, from the Language menu.
    if (lang_ == QLatin1String("zh")) {
        w().action(QStringLiteral("MNChinese"))->trigger();
    } else if (lang_ != QLatin1String("pseudo") && lang_ != QLatin1String("en")) {
        QAction* entry = w().action(QStringLiteral("MNLanguage_") + lang_);
        if (!entry) QSKIP("this language is not shipped");
        entry->trigger();
    }
    ShowProgram(program_);
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    walk_ = std::make_unique<testing::TextWalk>(lang_ == QLatin1String("pseudo"));
}

void PseudoWalkTest::cleanup() {
    if (program_.window) program_.document->markSaved();
    program_ = {};
    env_.reset();
}

void PseudoWalkTest::walkOrFail() {
    QVERIFY(walk_->texts() > 0);
    if (!walk_->faults().isEmpty()) QFAIL(qPrintable(walk_->faults().join(QLatin1Char('\n'))));
}

void PseudoWalkTest::menusAndToolTips() {
    for (QAction* a : w().findChildren<QAction*>()) {
        // The toolkit's own entries (a child window's system menu) carry no code name; their
        // words come from the toolkit's catalogue.
        if (a->isSeparator() || a->objectName().isEmpty()) continue;
        // A further language's entry names it in its own words, whatever the language shown.
        const QString code = a->objectName().section(QLatin1Char('_'), 1);
        if (a->objectName().startsWith(QLatin1String("MNLanguage_")) &&
            a->text() == LanguageOwnName(code) && a->text() != code) {
            continue;
        }
        walk_->text(QStringLiteral("action ") + a->objectName(), a->text());
        if (!a->toolTip().isEmpty() && a->toolTip() != a->text()) {
            walk_->text(QStringLiteral("tool tip ") + a->objectName(), a->toolTip());
        }
    }
    walkOrFail();
}

void PseudoWalkTest::windowsAndEditors() {
    walk_->window(QStringLiteral("main window"), &w());
    const QList<EditorWindow*> editors{w().dtmfWindow(), w().optionsWindow(), w().debugWindow(),
                                       w().fmWindow()};
    for (EditorWindow* editor : editors) {
        w().showEditor(editor);
        QTest::qWait(20);
        walk_->window(editor->objectName(), editor);
    }
    walkOrFail();
}

void PseudoWalkTest::messageBoxesOfRealMistakes() {
    ModalWalk modals(*walk_);
    // A file that is not a data file.
    const QString bad = env_->dataDir() + QStringLiteral("/bad.dat");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a radio's memory");
    file.close();
    walk_->exempt(bad);
    QVERIFY(!w().openPath(bad));
    // A read with no radio on the port.
    w().transfer().StartRead();
    // A refused value: a receive frequency outside the band.
    QTableWidget* grid = w().channelWindow()->grid();
    auto click = [this, grid](int row, int column) {
        w().activateWindow();
        if (!QTest::qWaitForWindowActive(&w())) return false;
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        return testing::PointerClick(testing::ScreenPoint(grid->viewport(), cell.center()));
    };
    QVERIFY(click(2, 1));
    testing::UserType(QStringLiteral("100"));
    testing::UserKey(Qt::Key_Return);
    // Another band empties the table: asked first.
    w().bandList()->setCurrentIndex((w().bandList()->currentIndex() + 1) % w().bandList()->count());
    // Quitting with unsaved changes, then without: both asked, both cancelled.
    QVERIFY(click(3, 1));
    testing::UserType(QStringLiteral("145.5"));
    testing::UserKey(Qt::Key_Return);
    w().close();
    program_.document->markSaved();
    w().close();
    QTRY_VERIFY(modals.titles.size() >= 5);
    QVERIFY2(w().isVisible(), "every question was cancelled");
    walkOrFail();
}

void PseudoWalkTest::loadRandomImage(unsigned seed) {
    ProgramState loaded = program_.document->state();
    loaded.RadioImage = samples::ValidImageMaker(seed).make();
    DecodeImage(loaded);
    program_.document->loadState(ReadLabel(), loaded);
    w().showDecodedModel();
    // Channel names are the user's data.
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        walk_->exempt(
            QString::fromStdString(CellText(program_.document->state().channels, ch, kColName)));
    }
}

void PseudoWalkTest::dialogsAndReports() {
    loadRandomImage(7);
    // The change list of a checked write.
    const ImageBytes before = samples::ValidImageMaker(8).make();
    const ImageBytes after = samples::ValidImageMaker(9).make();
    const Language lang = w().state().language;
    for (const ImageBytes* image : {&before, &after}) {
        const ProgramState s = compare::DecodedState(*image);
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            walk_->exempt(QString::fromStdString(CellText(s.channels, ch, kColName)));
        }
        for (int i = 0; i < static_cast<int>(TextId::Count); ++i) {
            const std::string value = SettingText(s.options, static_cast<TextId>(i));
            walk_->exempt(QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
            walk_->exempt(QString::fromStdString(value));
        }
    }
    {
        ChangeListWindow changes(lang, compare::CompareImages(before, after, WordsIn(lang)),
                                 QStringLiteral("b.dat"));
        changes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&changes));
        walk_->window(QStringLiteral("change list"), &changes);
    }
    ModalWalk modals(*walk_);
    QString next;
    w().setFileChooser([&next](QWidget*, bool, const QString&, const QString&) { return next; });
    const QString dir = env_->dataDir();

    // The channel CSV import: its preview of every row, then its report.
    QFile csv(dir + QStringLiteral("/list.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write(
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\r\n"
        "1,calling channel,146.52,,,,,FM\r\n"
        "2,RPT,145.6,-,0.6,Tone,100.0,NFM\r\n"
        "3,AIR,121.5,,,,,AM\r\n"
        "4,,,,,,,\r\n");
    csv.close();
    for (const char* name : {"calling channel", "calling", "RPT", "AIR"}) walk_->exempt(name);
    next = csv.fileName();
    modals.then([](QWidget* m) {
        if (auto* import = m->findChild<QPushButton*>(QStringLiteral("importButton"))) {
            import->click();
        }
    });
    w().action("MNImportCsv")->trigger();
    // The exports tell where they wrote.
    next = dir + QStringLiteral("/out.csv");
    w().action("MNExportCsv")->trigger();
    next = dir + QStringLiteral("/out.pdf");
    w().action("MNExportPdf")->trigger();

    // A column set over chosen channels (and its report), and the series fill.
    QTableWidget* grid = w().channelWindow()->grid();
    w().showEditor(w().channelWindow());
    grid->setCurrentCell(0, kColPower);
    grid->selectRow(0);
    modals.then([](QWidget* m) {
        if (auto* box = m->findChild<QDialogButtonBox*>())
            box->button(QDialogButtonBox::Ok)->click();
    });
    w().channelWindow()->gridTools().action(ChannelGridTools::SetColumn)->trigger();
    w().channelWindow()->gridTools().action(ChannelGridTools::Fill)->trigger();

    // The backups window with a backup in it, the window for several radios (started with no
    // port ticked), About and the print preview.
    QVERIFY(run::SaveBackup(samples::ValidImageMaker(7).make()).status == Status::Ok);
    walk_->exemptColumn(QStringLiteral("BackupList"), 2);  // the channel names of each backup
    w().showBackups();
    modals.then([](QWidget* m) {
        auto* fleet = qobject_cast<FleetWindow*>(m);
        if (!fleet) return;
        fleet->startButton()->click();
        static_cast<QDialog*>(fleet)->reject();
    });
    w().showFleet();
    w().action("MNAbout")->trigger();
    ShowPrintPreview(w().state(), w().channelWindow());
    QTRY_VERIFY(modals.titles.size() >= 10);

    walkOrFail();
}

namespace {

// `s` with the longest words in the printout's cells: every list setting at its longest entry,
// the grid's list columns taking every entry in turn, names of eight wide letters.
ProgramState FilledForPrint(ProgramState s) {
    const Language lang = s.language;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        qsizetype longest = -1;
        for (int entry = 0; entry < ListSize(id); ++entry) {
            const qsizetype length = Tr(ListEntry(id, entry), lang).size();
            if (length > longest) {
                longest = length;
                s.options[id] = entry;
            }
        }
    }
    int turn = 0;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (CellText(s.channels, ch, kColRxFreq).empty()) continue;
        for (int col = kColPower; col <= kColTxProhibit; ++col) {
            const int index = turn % EntryCount(*FieldOfColumn(col));
            CommitOption(s.channels, ch, col, index);
        }
        StoreName(s.channels, ch, "WWWWWWWW");
        ++turn;
    }
    return s;
}

}  // namespace

void PseudoWalkTest::printout() {
    loadRandomImage(11);
    const ProgramState state = FilledForPrint(w().state());
    // The text fields hold what was read from the radio, one byte a character.
    for (int i = 0; i < static_cast<int>(TextId::Count); ++i) {
        const std::string value = SettingText(state.options, static_cast<TextId>(i));
        walk_->exempt(QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
    }
    PrintDocument document;
    PrintContent(state, document);
    int texts = 0;
    QString caption;
    for (const PrintElement& e : document.elements()) {
        walk_->text(QStringLiteral("printout after \"%1\"").arg(caption), e.text);
        if (!e.text.isEmpty()) caption = e.text;
        for (const QString& title : e.grid.header)
            walk_->text(QStringLiteral("printout header"), title);
        for (const QStringList& row : e.grid.rows) {
            // The channel number and the name are data.
            for (int c = 1; c < row.size() && c < kColName; ++c) {
                walk_->text(QStringLiteral("printout row %1").arg(row.value(0)), row[c]);
            }
        }
        ++texts;
    }
    QVERIFY(texts > 20);

    // Laid out as the PDF and the preview lay it out.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(300);
    pdf.setPageLayout(PrintoutPageLayout());
    walk_->printoutFits(QStringLiteral("printout PDF"), document.elements(), pdf);
    QPrinter preview(QPrinter::ScreenResolution);
    preview.setPageLayout(PrintoutPageLayout());
    walk_->printoutFits(QStringLiteral("print preview"), document.elements(), preview);
    if (const QString shots = qEnvironmentVariable("TALVO_WALK_SHOTS"); !shots.isEmpty())
        WritePrintoutPdf(state, QStringLiteral("%1/printout_%2.pdf").arg(shots, lang_));
    walkOrFail();
}

void PseudoWalkTest::commandLine() {
#ifndef TALVO_CLI_PATH
    QSKIP("the command line program is not built");
#else
    auto run = [this](const QStringList& args) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (lang_ == QLatin1String("pseudo")) env.insert(QStringLiteral("TALVO_LANG"), lang_);
        cli.setProcessEnvironment(env);
        QStringList withLang = args;
        if (lang_ != QLatin1String("pseudo")) withLang << QStringLiteral("--lang") << lang_;
        cli.start(QStringLiteral(TALVO_CLI_PATH), withLang);
        cli.waitForFinished(60000);
        return QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    };
    const QString missing = env_->dataDir() + QStringLiteral("/missing.dat");
    walk_->exempt(missing);
    // Each line: the tool's name, then its words.
    auto lines = [this](const QString& where, const QString& output) {
        QVERIFY(!output.isEmpty());
        static const QRegularExpression tool(QStringLiteral("^talvo-cli( [a-z-]+)?: "));
        for (QString line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            walk_->text(where, line.remove(tool));
        }
    };
    lines(QStringLiteral("decode"), run({QStringLiteral("decode"), missing}));
    lines(QStringLiteral("ports"), run({QStringLiteral("ports")}));

    // The tool's help, every command's help and usage errors: the command names are data.
    const QString help = run({QStringLiteral("--help")});
    static const QRegularExpression row(QStringLiteral("^  ([a-z][a-z-]+) "),
                                        QRegularExpression::MultilineOption);
    QStringList names = {QStringLiteral("en"), QStringLiteral("zh"), QStringLiteral("es")};
    for (auto m = row.globalMatch(help); m.hasNext();) names << m.next().captured(1);
    QVERIFY2(names.size() > 12, qPrintable(help));
    walk_->commandLine(QStringLiteral("talvo-cli --help"), help, names);
    const QString file = env_->dataDir() + QStringLiteral("/x.dat");
    walk_->exempt(file);
    QList<QStringList> mistakes = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("fleet"), file},
        {QStringLiteral("fleet"), QStringLiteral("--ports=1,1"), file},
        {QStringLiteral("read"), QStringLiteral("--port=99")},
        {QStringLiteral("read"), QStringLiteral("--device=x")},
        {QStringLiteral("print"), file},
        {QStringLiteral("import-csv"), file, file, QStringLiteral("--append-from=0")}};
    for (const QString& command : names.mid(3)) {
        walk_->commandLine(command + QStringLiteral(" --help"),
                           run({command, QStringLiteral("--help")}), names);
        // Without arguments every command but `ports` (which then lists the ports) is wrong.
        if (command != QLatin1String("ports")) mistakes << QStringList{command};
        mistakes << QStringList{command, QStringLiteral("--bogus")}
                 << QStringList{command, QStringLiteral("--lang=xx")};
    }
    for (const QStringList& mistake : mistakes)
        walk_->commandLine(QStringLiteral("talvo-cli ") + mistake.join(QLatin1Char(' ')),
                           run(mistake), names);
    walkOrFail();
#endif
}

}  // namespace talvo

int main(int argc, char** argv) {
    // Before the first text is looked up.
    if (qgetenv("TALVO_WALK_LANG").isEmpty() || qgetenv("TALVO_WALK_LANG") == "pseudo") {
        qputenv("TALVO_LANG", "pseudo");
    }
    QApplication app(argc, argv);
    talvo::PseudoWalkTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "pseudo_walk_test.moc"
