// The offer at start of the changes a program left unsaved when it ended: restored as one
// unsaved, undoable step that Save sends back to its file, discarded, or kept for later; in
// both languages; a damaged copy reported and kept aside; a running program's copy left alone.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUndoStack>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "channel_view.h"
#include "document/edit_labels.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "support/fake_serial_link.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

ImageBytes EncodedCopy(const ProgramState& state) {
    ProgramState copy = state;
    EncodeImage(copy);
    return copy.EncodedImage;
}

// A configuration unlike the start-up one, encoded over noise: the bytes no field holds must
// come back too.
ImageBytes EditedImage(const std::string& frequency) {
    ProgramState s = StartupState(kEnglish);
    for (std::size_t i = 0; i < s.EncodedImage.size(); ++i)
        s.EncodedImage[i] = static_cast<std::uint8_t>(i * 37 + 11);
    s.channels.at(5).rx = s.channels.at(5).tx = FrequencyOrNone(frequency);
    s.channels.at(5).name = "RELAY";
    EncodeImage(s);
    return s.EncodedImage;
}

QByteArray FileText(const ImageBytes& image) {
    const auto file = SerializeDataFile(image);
    return QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
}

}  // namespace

class RecoveryOfferTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<testing::ScopedShellEnvironment> env_;
    std::unique_ptr<testing::ModalAnswerer> answerer_;
    Program program_;
    QStringList proposals_;  // what the file dialogs were started on

    MainWindow& w() { return *program_.window; }
    QString folder() const { return RecoveryFolder(); }

    // The files a killed program leaves: data and name, no lock held.
    QString leaveCopy(const QString& id, const QByteArray& data, const QString& source,
                      const QDateTime& when = QDateTime::currentDateTime()) {
        QDir().mkpath(folder());
        const QString base = QDir(folder()).filePath(id);
        QFile file(base + ".dat");
        [&] { QVERIFY(file.open(QIODevice::WriteOnly)); }();
        file.write(data);
        file.flush();
        [&] { QVERIFY(file.setFileTime(when, QFileDevice::FileModificationTime)); }();
        file.close();
        QFile name(base + ".source");
        [&] { QVERIFY(name.open(QIODevice::WriteOnly)); }();
        name.write(source.toUtf8());
        return base + ".dat";
    }
    // The program's start as main runs it: the window, then the offer.
    void start(const QString& saveAs = {}) {
        program_ = StartProgram(std::make_unique<testing::FakeSerialLink>());
        w().setFileChooser([this, saveAs](QWidget*, bool, const QString& folder, const QString&) {
            proposals_.append(folder);
            return saveAs;
        });
        ShowProgram(program_);
        QVERIFY(answerer_->waitAllAnswered());
    }
    QStringList datFiles() const {
        return QDir(folder()).entryList({"*.dat", "*.unreadable"}, QDir::Files, QDir::Name);
    }

  private slots:
    void init() {
        env_ = std::make_unique<testing::ScopedShellEnvironment>();
        answerer_ = std::make_unique<testing::ModalAnswerer>();
        proposals_.clear();
    }
    void cleanup() {
        QCOMPARE(answerer_->unexpected(), 0);
        QCOMPARE(answerer_->pending(), 0);
        program_ = {};
        answerer_.reset();
        env_.reset();
    }

    // Yes: the changes come back as one unsaved step; the title says so in the program's
    // language; Save proposes their file and writes the kept bytes; Undo takes the step back.
    void restoreComesBackUnsavedAndSavesToItsFile_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("titleEnd");
        QTest::addColumn<QString>("question");
        QTest::newRow("English, a file") << int(LanguageFlagOf(kEnglish)) << "/radios/club.dat"
                                         << "club.dat (recovered, unsaved)[*]"
                                         << "The program ended without saving the changes to "
                                            "/radios/club.dat";
        QTest::newRow("Chinese, a file") << int(LanguageFlagOf(kChinese)) << "/radios/俱乐部.dat"
                                         << "俱乐部.dat（已恢复，未保存）[*]"
                                         << "上次程序结束时，对 /radios/俱乐部.dat 的更改尚未保存";
        QTest::newRow("English, untitled") << int(LanguageFlagOf(kEnglish)) << ""
                                           << "Untitled (recovered, unsaved)[*]"
                                           << "the changes to an untitled document";
        QTest::newRow("Chinese, untitled") << int(LanguageFlagOf(kChinese)) << ""
                                           << "未命名（已恢复，未保存）[*]"
                                           << "对 未命名的数据 的更改";
    }
    void restoreComesBackUnsavedAndSavesToItsFile() {
        QFETCH(int, language);
        QFETCH(QString, source);
        QFETCH(QString, titleEnd);
        QFETCH(QString, question);
        const auto lang = LanguageOfFlag(language);
        SaveLanguage(lang);
        const ImageBytes kept = EditedImage("145.62500");
        const QString left = leaveCopy("1-dead", FileText(kept), source);
        const QString saveAs = QDir(env_->programDir()).filePath("saved.dat");
        answerer_->answerId(IdYes);
        start(saveAs);
        const testing::SeenBox& box = answerer_->last();
        QVERIFY2(box.text.contains(question), qPrintable(box.text));
        QCOMPARE(box.title, lang == kChinese ? QString("恢复未保存的更改")
                                             : QString("Recover unsaved changes"));
        const QString buttons = box.buttons.join(' ').remove('&');
        const QStringList words = lang == kChinese ? QStringList({"是", "否", "取消"})
                                                   : QStringList({"Yes", "No", "Cancel"});
        for (const QString& word : words) QVERIFY2(buttons.contains(word), qPrintable(buttons));

        QVERIFY2(w().windowTitle().endsWith(titleEnd), qPrintable(w().windowTitle()));
        QVERIFY(w().isWindowModified());
        QCOMPARE(w().currentFile(), source);
        QCOMPARE(w().document().undoStack().count(), 1);
        QCOMPARE(w().state().channels.at(5).name, std::string("RELAY"));
        // The left copy went once this program's own copy held the changes.
        QVERIFY(!QFile::exists(left));
        QCOMPARE(QFileInfo(program_.recovery->dataPath()).exists(), true);
        // What a save writes now is what the killed program's save would have written.
        QCOMPARE(FileText(EncodedCopy(w().state())), FileText(kept));

        w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QTest::keyClick(&w(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(proposals_.size(), 1);
        if (!source.isEmpty()) QCOMPARE(proposals_[0], source);
        QFile saved(saveAs);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), FileText(kept));
        QVERIFY(!w().isWindowModified());
        QVERIFY(!w().windowTitle().contains(lang == kChinese ? "恢复" : "recovered"));
        program_.recovery->waitForWriter();
        QVERIFY(datFiles().isEmpty());

        // One step: a single Undo gives the start-up document back.
        const ImageBytes startup = EncodedCopy(StartupState(lang));
        QTest::keyClick(&w(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!w().action("MNUndo")->isEnabled());
        QCOMPARE(FileText(EncodedCopy(w().state())), FileText(startup));
    }

    // No discards the copy and Cancel keeps it for the next start; either way the document
    // stays as it started.
    void discardOrKeepForLater_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("keptAfter");
        QTest::newRow("No") << int(IdNo) << false;
        QTest::newRow("Cancel") << int(IdCancel) << true;
    }
    void discardOrKeepForLater() {
        QFETCH(int, answer);
        QFETCH(bool, keptAfter);
        const QString left = leaveCopy("2-dead", FileText(EditedImage("146.0")), "/a.dat");
        answerer_->answerId(answer);
        start();
        QCOMPARE(QFile::exists(left), keptAfter);
        QVERIFY(!w().isWindowModified());
        QCOMPARE(w().document().undoStack().count(), 0);
        program_ = {};
        // The next start offers what was kept, and only that.
        if (keptAfter) answerer_->answerId(IdNo);
        start();
        QCOMPARE(answerer_->seen().size(), keptAfter ? 2 : 1);
        QVERIFY(datFiles().isEmpty());
    }

    // Several copies: the newest is offered first; No goes on to the next; Yes ends the offer
    // and leaves the rest for a later start.
    void newestFirst() {
        const QDateTime now = QDateTime::currentDateTime();
        leaveCopy("old", FileText(EditedImage("144.0")), "/old.dat", now.addSecs(-600));
        leaveCopy("new", FileText(EditedImage("145.0")), "/new.dat", now.addSecs(-60));
        leaveCopy("mid", FileText(EditedImage("146.0")), "/mid.dat", now.addSecs(-300));
        answerer_->answerId(IdNo);
        answerer_->answerId(IdYes);
        start();
        QCOMPARE(answerer_->seen().size(), 2);
        QVERIFY(answerer_->seen()[0].text.contains("/new.dat"));
        QVERIFY(answerer_->seen()[1].text.contains("/mid.dat"));
        QCOMPARE(w().currentFile(), QString("/mid.dat"));
        QCOMPARE(FileText(EncodedCopy(w().state())), FileText(EditedImage("146.0")));
        QStringList left = {"old.dat", QFileInfo(program_.recovery->dataPath()).fileName()};
        left.sort();
        QCOMPARE(datFiles(), left);
    }

    // A damaged copy is reported, with its reason, and kept aside: not offered again, not lost.
    void damagedCopyIsKeptAside() {
        const QByteArray whole = FileText(EditedImage("145.0"));
        leaveCopy("cut", whole.left(1000), "/a.dat");
        answerer_->answerId(IdOk);
        start();
        QCOMPARE(answerer_->seen().size(), 1);
        QVERIFY2(answerer_->last().text.contains("cut.unreadable"),
                 qPrintable(answerer_->last().text));
        QCOMPARE(datFiles(), QStringList({"cut.unreadable"}));
        QVERIFY(!w().isWindowModified());
        program_ = {};
        start();  // nothing more is asked
        QCOMPARE(answerer_->seen().size(), 1);
    }

    // A copy whose program still runs is not offered to a second program.
    void runningProgramsCopyIsNotOffered() {
        start();
        Program first = std::move(program_);
        ProgramState edited = first.document->state();
        edited.channels.at(1).name = "MINE";
        first.document->loadState(OpenFileLabel("x.dat"), edited);
        first.recovery->writeNow();
        first.recovery->waitForWriter();
        QVERIFY(QFile::exists(first.recovery->dataPath()));
        start();
        QCOMPARE(answerer_->seen().size(), 0);
        QVERIFY(QFile::exists(first.recovery->dataPath()));
        program_ = {};
        const QString firstCopy = first.recovery->dataPath();
        first = {};
        QVERIFY(!QFile::exists(firstCopy));
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::RecoveryOfferTest)
#include "recovery_offer_test.moc"
