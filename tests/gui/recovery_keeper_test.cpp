// The recovery copy's keeper: when it writes (a few seconds after the last change, never later
// than a bound after the first), what it writes (what a save would), when the copy goes, and
// that two programs never share one.
#include "document/recovery_keeper.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <random>

#include "channel_view.h"
#include "document/document.h"
#include "document/edit_labels.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

std::vector<std::uint8_t> SavedBytes(const ProgramState& state) {
    ProgramState copy = state;
    EncodeImage(copy);
    const auto file = SerializeDataFile(copy.EncodedImage);
    return {file.begin(), file.end()};
}

std::optional<std::vector<std::uint8_t>> FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray all = file.readAll();
    return std::vector<std::uint8_t>(all.begin(), all.end());
}

QString SourceOf(const QString& dataPath) {
    QFile file(QString(dataPath).replace(QStringLiteral(".dat"), QStringLiteral(".source")));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<none>");
    return QString::fromUtf8(file.readAll());
}

// Channel `ch` receives on `text`: one step, none when it did already.
bool EditFrequency(Document& doc, int ch, const std::string& text) {
    const BandState band = doc.state().band;
    return doc.changeChannels(ChannelEditLabel(ch, kColRxFreq), {ch}, [&](ChannelStores& s) {
        CommitFrequency(s, band, ch, kColRxFreq, text);
    });
}

}  // namespace

class RecoveryKeeperTest : public QObject {
    Q_OBJECT
  private slots:
    // Random edits and timer runs at random moments: the write falls due at the earlier of
    // "quiet since the last change" and "the longest wait since the first change not kept",
    // happens only then, and holds byte for byte what a save at that moment would write.
    void writesWhenDueWhatASaveWould() {
        std::mt19937 rng(7);
        const auto pick = [&rng](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(rng);
        };
        for (int round = 0; round < 12; ++round) {
            QTemporaryDir dir;
            Document doc;
            qint64 t = 0;
            RecoveryKeeper keeper(doc, dir.path());
            keeper.setClock([&t] { return t; });
            // The first and the last change the copy does not hold yet; -1 for none.
            qint64 first = -1;
            qint64 last = -1;
            std::optional<std::vector<std::uint8_t>> onDisk;
            for (int step = 0; step < 40; ++step) {
                t += pick(0, 1) ? pick(0, 2500) : pick(0, 9000);
                if (pick(0, 2) > 0) {
                    const int ch = pick(1, 8);
                    const bool changed =
                        EditFrequency(doc, ch, std::to_string(140 + step % 9) + ".125");
                    if (!changed) continue;
                    if (first < 0) first = t;
                    last = t;
                    const qint64 due = std::min(last + RecoveryKeeper::kQuietMs,
                                                first + RecoveryKeeper::kLongestWaitMs);
                    QCOMPARE(keeper.dueAt(), std::optional<qint64>(due));
                    continue;
                }
                const bool due = last >= 0 && t >= std::min(last + RecoveryKeeper::kQuietMs,
                                                            first + RecoveryKeeper::kLongestWaitMs);
                keeper.runDue();
                keeper.waitForWriter();
                if (due) {
                    onDisk = SavedBytes(doc.state());
                    first = last = -1;
                    QVERIFY(!keeper.dueAt());
                }
                QCOMPARE(FileBytes(keeper.dataPath()), onDisk);
            }
        }
    }

    // Every way back to a document that matches its file removes the copy, the name beside it
    // too; the next change starts a new one.
    void copyGoesWhenNothingIsLeftToLose_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("saved or written") << 0;
        QTest::newRow("undone back to the saved state") << 1;
        QTest::newRow("a file opened") << 2;
        QTest::newRow("the program ends normally") << 3;
    }
    void copyGoesWhenNothingIsLeftToLose() {
        QFETCH(int, way);
        QTemporaryDir dir;
        Document doc;
        auto keeper = std::make_unique<RecoveryKeeper>(doc, dir.path());
        keeper->setSourceFile([] { return QStringLiteral("/data/a.dat"); });
        EditFrequency(doc, 1, "145.5");
        EditFrequency(doc, 2, "146.5");
        keeper->writeNow();
        keeper->waitForWriter();
        const QString data = keeper->dataPath();
        QVERIFY(QFile::exists(data));
        QCOMPARE(SourceOf(data), QStringLiteral("/data/a.dat"));
        switch (way) {
            case 0:
                doc.markSaved();
                break;
            case 1:
                doc.undo();
                doc.undo();
                break;
            case 2: {
                ProgramState opened = doc.state();
                FrequencyText(opened.channels.at(1).rx).clear();
                doc.loadState(OpenFileLabel("b.dat"), opened);
                doc.markSaved();
                break;
            }
            default:
                keeper.reset();
                break;
        }
        if (keeper) {
            QVERIFY(!keeper->dueAt());
            keeper->waitForWriter();
        }
        QVERIFY(!QFile::exists(data));
        QCOMPARE(SourceOf(data), QStringLiteral("<none>"));
        if (!keeper) return;
        EditFrequency(doc, 3, "147.5");
        QVERIFY(keeper->dueAt());
        keeper->writeNow();
        keeper->waitForWriter();
        QCOMPARE(FileBytes(data), std::optional(SavedBytes(doc.state())));
    }

    // A copy whose program is gone (its lock free) gives back the image and the file name it
    // was written with; one whose program runs is never offered, and two programs in one
    // folder keep two copies.
    void copiesBelongToOneProgram() {
        QTemporaryDir dir;
        Document docA;
        Document docB;
        RecoveryKeeper a(docA, dir.path());
        RecoveryKeeper b(docB, dir.path());
        a.setSourceFile([] { return QStringLiteral("/home/u/频道 α.dat"); });
        EditFrequency(docA, 4, "145.5");
        EditFrequency(docB, 5, "438.5");
        a.writeNow();
        b.writeNow();
        a.waitForWriter();
        b.waitForWriter();
        QVERIFY(a.dataPath() != b.dataPath());
        QCOMPARE(FileBytes(a.dataPath()), std::optional(SavedBytes(docA.state())));
        QCOMPARE(FileBytes(b.dataPath()), std::optional(SavedBytes(docB.state())));
        QVERIFY(FindLeftCopies(dir.path()).empty());

        // The files as a killed program leaves them: no one holds their lock.
        const QString dead = dir.filePath(QStringLiteral("dead"));
        QVERIFY(QFile::copy(a.dataPath(), dead + ".dat"));
        QVERIFY(QFile::copy(QString(a.dataPath()).replace(".dat", ".source"), dead + ".source"));
        auto left = FindLeftCopies(dir.path());
        QCOMPARE(left.size(), std::size_t(1));
        QCOMPARE(left[0]->dataPath(), dead + ".dat");
        QCOMPARE(left[0]->sourceFile(), QStringLiteral("/home/u/频道 α.dat"));
        ImageBytes image{};
        QCOMPARE(left[0]->read(image), Status::Ok);
        ProgramState encoded = docA.state();
        EncodeImage(encoded);
        QVERIFY(
            std::equal(image.begin(), image.begin() + kConfigSize, encoded.EncodedImage.begin()));
        // While one start offers it, another start does not see it.
        QVERIFY(FindLeftCopies(dir.path()).empty());
        left[0]->discard();
        QVERIFY(!QFile::exists(dead + ".dat"));
        QVERIFY(FindLeftCopies(dir.path()).empty());
    }

    // A folder that cannot be made is reported, not passed over as a kept copy.
    void failureIsReported() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("state"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Document doc;
        RecoveryKeeper keeper(doc, dir.filePath("state/talvo/recovery"));
        QSignalSpy failed(&keeper, &RecoveryKeeper::copyFailed);
        QSignalSpy written(&keeper, &RecoveryKeeper::copyWritten);
        EditFrequency(doc, 1, "145.5");
        keeper.writeNow();
        keeper.waitForWriter();
        QCOMPARE(keeper.lastWriteStatus(), Status::CannotWrite);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), keeper.dataPath());
        QCOMPARE(written.count(), 0);
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::RecoveryKeeperTest)
#include "recovery_keeper_test.moc"
