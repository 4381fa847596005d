// The document's history: whatever was edited, loaded and encoded, undoing every step gives
// byte for byte the image encoded before, and redoing every step the one encoded after.
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <random>

#include "channel_view.h"
#include "document/document.h"
#include "document/edit_labels.h"
#include "lang/catalogue.h"
#include "radio/codecs/decode.h"
#include "radio/codecs/encode.h"
#include "radio/state/channel_lists.h"
#include "radio/state/tone_list.h"
#include "rules/channel_table.h"

namespace talvo {
namespace {

// What a save of `state` would encode, without touching the state.
ImageBytes EncodedCopy(const ProgramState& state) {
    ProgramState copy = state;
    EncodeImage(copy);
    return copy.EncodedImage;
}

// Random bytes, as a radio or a file may deliver them: many values the editors never produce.
ImageBytes RandomImage(std::mt19937& rng) {
    ImageBytes image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image) b = static_cast<std::uint8_t>(byte(rng));
    return image;
}

class Edits {
  public:
    Edits(Document& doc, std::mt19937& rng) : doc_(doc), rng_(rng) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    void frequency() {
        static const char* texts[] = {"145.5", "440.125", "", "999", "146.0", "1.2.3", "470.99"};
        const int ch = pick(1, kChannelCount);
        const int column = pick(kColRxFreq, kColTxFreq);
        const std::string text = texts[pick(0, 6)];
        const BandState band = doc_.state().band;
        doc_.changeChannels(ChannelEditLabel(ch, column), {ch},
                            [&](ChannelStores& s) { CommitFrequency(s, band, ch, column, text); });
    }
    void option() {
        const int ch = pick(1, kChannelCount);
        const int column = pick(kColQtDqtDec, kColTxProhibit);
        const int index = column <= kColQtDqtEnc ? pick(0, kToneCount - 1) : pick(0, 2);
        const std::string text = column <= kColQtDqtEnc
                                     ? std::string(Render(ToneName(index), kEnglish))
                                     : "x" + std::to_string(index);
        doc_.changeChannels(ChannelEditLabel(ch, column), {ch},
                            [&](ChannelStores& s) { CommitOption(s, ch, column, index); });
    }
    // Typing a name key by key, then committing or cancelling: one step, or none.
    void nameSession() {
        const int ch = pick(1, kChannelCount);
        const std::string before = doc_.state().channels.at((std::size_t(ch - 1)) + 1).name;
        const Document::MergeKey key = ++serial_;
        std::string typed;
        for (int k = pick(1, 5); k > 0; --k) {
            typed.push_back(static_cast<char>('A' + pick(0, 25)));
            doc_.changeChannels(
                ChannelEditLabel(ch, kColName), {ch},
                [&](ChannelStores& s) { StoreName(s, ch, typed); }, key);
        }
        doc_.changeChannels(
            ChannelEditLabel(ch, kColName), {ch},
            [&](ChannelStores& s) {
                if (pick(0, 2) == 0) {
                    s.at((std::size_t(ch - 1)) + 1).name = before;
                } else {
                    StoreName(s, ch, typed);
                }
            },
            key);
    }
    void clearOrSwapChannels() {
        const int a = pick(1, kChannelCount);
        const int b = pick(1, kChannelCount);
        if (pick(0, 1) == 0) {
            doc_.changeChannels(ChannelsLabel(a, a), {a}, [&](ChannelStores& s) { ClearNO(s, a); });
        } else {
            const ChannelStores& s = doc_.state().channels;
            doc_.replaceChannels(ChannelsLabel(a, b),
                                 {{a, TakeChannel(s, b)}, {b, TakeChannel(s, a)}});
        }
    }
    void options() {
        const int which = pick(0, 2);
        doc_.change(NewLabel(), {}, kPartOptions, [&](ProgramState& s) {
            if (which == 0) {
                const auto id = static_cast<ListId>(pick(0, int(kListCount) - 1));
                s.options[id] = pick(-1, ListSize(id) - 1);
            } else if (which == 1) {
                const auto id = static_cast<TextId>(pick(0, int(kTextCount) - 1));
                static const char* texts[] = {"", "12", "300", "145.00000", "-4", "ABCDEF"};
                SetCheckedSettingText(s.options, id, texts[pick(0, 5)]);
            } else {
                const auto id = static_cast<CheckId>(pick(0, int(kCheckCount) - 1));
                s.options[id] = !s.options[id];
            }
        });
    }
    void fmPowerDtmf() {
        const int which = pick(0, 2);
        if (which == 0) {
            doc_.change(NewLabel(), {}, kPartFm, [&](ProgramState& s) {
                const auto k = std::size_t(pick(0, kFmChannelCount - 1));
                static const char* texts[] = {"", "98.50", "107.90", "5000"};
                s.fmWindow.cell[k] = FmFrequencyFromText(texts[pick(0, 3)]);
                s.fm.channel[k] = s.fmWindow.cell[k];
                s.fm.PresentChannel = static_cast<std::int16_t>(pick(-3, 300));
                s.fm.vfo = FmFrequencyFromText(texts[pick(0, 3)]);
            });
        } else if (which == 1) {
            // One drag: several moves merge into one step.
            const Document::MergeKey key = ++serial_;
            const auto slider = std::size_t(pick(0, 5));
            for (int k = pick(1, 4); k > 0; --k) {
                const int value = pick(0, 300);
                doc_.change(
                    NewLabel(), {}, kPartPower,
                    [&](ProgramState& s) { s.powerGrades[slider] = value; }, key);
            }
        } else {
            doc_.change(NewLabel(), {}, kPartDtmf, [&](ProgramState& s) {
                s.dtmf.DtmfRate = pick(0, 1);
                s.dtmf.AniStartCode = std::to_string(pick(0, 99));
            });
        }
    }
    void band() {
        std::vector<int> all;
        for (int ch = 1; ch <= kChannelCount; ++ch) all.push_back(ch);
        const int index = pick(0, kBandCount - 1);
        doc_.change(BandLabel(index), all, kPartBand, [&](ProgramState& s) {
            s.band.select(index);
            ClearGrid(s.channels);
        });
    }
    void load() {
        ProgramState after = doc_.state();
        after.RadioImage = RandomImage(rng_);
        DecodeImage(after);
        doc_.loadState(ReadLabel(), after);
    }

    void any() {
        switch (pick(0, 11)) {
            case 0:
            case 1:
                frequency();
                break;
            case 2:
                option();
                break;
            case 3:
                nameSession();
                break;
            case 4:
                clearOrSwapChannels();
                break;
            case 5:
                options();
                break;
            case 6:
                fmPowerDtmf();
                break;
            case 7:
                band();
                break;
            case 8:
                load();
                break;
            case 9:
                doc_.encode();
                doc_.markSaved();
                break;  // a save or a write
            case 10:
                if (pick(0, 1)) doc_.undo();
                break;  // a step back, then on
            default:
                doc_.encode();
                break;
        }
    }

  private:
    Document& doc_;
    std::mt19937& rng_;
    Document::MergeKey serial_ = 0;
};

}  // namespace

class DocumentHistoryTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAllGivesTheImageBeforeAndRedoAllTheImageAfter() {
        for (unsigned seed = 1; seed <= 40; ++seed) {
            std::mt19937 rng(seed);
            ProgramState start = StartupState(seed % 2 ? kEnglish : kChinese);
            start.RadioImage = RandomImage(rng);
            DecodeImage(start);
            // Values the encoder does not write: their bytes keep what an earlier encoding left.
            start.options[ListId::SquelchLevel] = -1;
            start.powerGrades[0] = 300;
            start.fm.PresentChannel = -3;
            start.EncodedImage = RandomImage(rng);
            Document doc(start);
            const ImageBytes before = EncodedCopy(doc.state());

            Edits edits(doc, rng);
            for (int step = 0; step < 120; ++step) edits.any();
            // A sequence that ended on a step back: "after" is the newest step.
            while (doc.undoStack().canRedo()) doc.redo();
            const ImageBytes after = EncodedCopy(doc.state());
            const ProgramState end = doc.state();

            while (doc.undoStack().canUndo()) doc.undo();
            QVERIFY2(EncodedCopy(doc.state()) == before, qPrintable(QString("seed %1").arg(seed)));
            QVERIFY(doc.state().channels == start.channels);
            QVERIFY(doc.state().options == start.options);
            QCOMPARE(doc.state().RadioImage, start.RadioImage);

            while (doc.undoStack().canRedo()) doc.redo();
            QVERIFY2(EncodedCopy(doc.state()) == after, qPrintable(QString("seed %1").arg(seed)));
            QVERIFY(doc.state().channels == end.channels);
            QVERIFY(doc.state().fm == end.fm);
        }
    }

    // A language switch between a step and its undo leaves the grid's words in the language
    // of the moment; the bytes are the same either way.
    void undoAfterALanguageSwitchShowsTheCurrentLanguage() {
        Document doc(StartupState(kChinese));
        doc.changeChannels(ChannelEditLabel(3, 1), {3}, [&](ChannelStores& s) {
            CommitFrequency(s, doc.state().band, 3, 1, "145.5");
        });
        doc.changeChannels(ChannelEditLabel(3, 5), {3},
                           [&](ChannelStores& s) { CommitOption(s, 3, kColPower, 2); });
        doc.setLanguage(kEnglish);
        doc.relabelChannelGrid();
        QCOMPARE(doc.undoStack().undoText(), QString("Channel 3: Power"));
        doc.undo();
        QCOMPARE(CellText(doc.state().channels, 3, kColPower), std::string("High"));
        doc.undo();
        QVERIFY(doc.state().channels.isFree(3));
        doc.redo();
        QCOMPARE(CellText(doc.state().channels, 3, kColBusyLock), std::string("Off"));
    }

    // The same between any two shown languages, a further language included: after the undo
    // and the redo in another language the channels hold what each step left, since they hold
    // no words, and the bytes are those of the step's two sides.
    void undoAfterASwitchBetweenAnyTwoShownLanguages() {
        const Language languages[] = {kChinese, kEnglish, Language("es")};
        auto show = [](Document& doc, Language lang) {
            doc.setLanguage(lang);
            doc.relabelChannelGrid();
        };
        for (const Language from : languages) {
            for (const Language to : languages) {
                const QString pair = CodeOf(from) + QStringLiteral(" -> ") + CodeOf(to);
                Document doc(StartupState(from));
                show(doc, from);
                const ImageBytes start = EncodedCopy(doc.state());
                doc.changeChannels(ChannelEditLabel(3, 1), {3}, [&](ChannelStores& s) {
                    CommitFrequency(s, doc.state().band, 3, 1, "145.5");
                });
                const ImageBytes afterFrequency = EncodedCopy(doc.state());
                const ProgramState frequencyStep = doc.state();
                doc.changeChannels(ChannelEditLabel(3, 5), {3},
                                   [&](ChannelStores& s) { CommitOption(s, 3, kColPower, 2); });
                const ImageBytes afterPower = EncodedCopy(doc.state());
                const ProgramState powerStep = doc.state();
                show(doc, to);
                // Each step comes back as the values it left, whatever language shows them.
                doc.undo();
                QVERIFY2(doc.state().channels == frequencyStep.channels, qPrintable(pair));
                QVERIFY2(EncodedCopy(doc.state()) == afterFrequency, qPrintable(pair));
                doc.redo();
                QVERIFY2(doc.state().channels == powerStep.channels, qPrintable(pair));
                QVERIFY2(EncodedCopy(doc.state()) == afterPower, qPrintable(pair));
                // Another language shows other words (the catalogue is in place).
                QCOMPARE(CellText(doc.state().channels, 3, kColPower, to) ==
                             CellText(powerStep.channels, 3, kColPower, from),
                         from == to);
                doc.undo();
                doc.undo();
                QVERIFY2(EncodedCopy(doc.state()) == start, qPrintable(pair));
            }
        }
    }

    // What the windows hear, and when the document counts as modified.
    void signalsAndModifiedState() {
        Document doc(StartupState(kEnglish));
        QSignalSpy channels(&doc, &Document::channelsChanged);
        QSignalSpy parts(&doc, &Document::partsChanged);
        QSignalSpy replaced(&doc, &Document::stateReplaced);
        QSignalSpy modified(&doc, &Document::modifiedChanged);
        QVERIFY(!doc.isModified());

        // A change that changes nothing is no step.
        QVERIFY(!doc.change(NewLabel(), {}, kPartPower, [](ProgramState&) {}));
        QVERIFY(!doc.undoStack().canUndo());

        QVERIFY(doc.changeChannels(ChannelEditLabel(7, 10), {7},
                                   [](ChannelStores& s) { StoreName(s, 7, "AB"); }));
        QCOMPARE(channels.count(), 1);
        QCOMPARE(channels.last().at(0).value<QList<int>>(), QList<int>{7});
        QVERIFY(doc.isModified());
        QCOMPARE(modified.count(), 1);

        doc.change(NewLabel(), {}, kPartPower | kPartOptions,
                   [](ProgramState& s) { s.powerGrades[0] = 3; });
        QCOMPARE(parts.last().at(0).toUInt(), unsigned(kPartPower | kPartOptions));
        doc.markSaved();
        QVERIFY(!doc.isModified());
        doc.undo();
        QVERIFY(doc.isModified());
        QCOMPARE(doc.state().powerGrades[0], 218);
        doc.redo();
        QVERIFY(!doc.isModified());

        ProgramState loaded = doc.state();
        loaded.channels.at(1).name = "Z";
        loaded.language = kChinese;  // not the document's to change
        doc.loadState(OpenFileLabel("a.dat"), loaded);
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(doc.state().language, kEnglish);
        QCOMPARE(doc.undoStack().undoText(), QString("Open a.dat"));
        doc.undo();
        QCOMPARE(replaced.count(), 2);
        QCOMPARE(doc.state().channels.at(1).name, std::string());
    }

    // Keys typed into one field are one step; one that ends where it began is none.
    void mergedStepsAndTheirLimit() {
        Document doc(StartupState(kEnglish));
        for (int v : {10, 20, 30}) {
            doc.change(
                NewLabel(), {}, kPartPower, [v](ProgramState& s) { s.powerGrades[1] = v; }, 5);
        }
        QCOMPARE(doc.undoStack().count(), 1);
        doc.change(
            NewLabel(), {}, kPartPower, [](ProgramState& s) { s.powerGrades[1] = 218; }, 5);
        QCOMPARE(doc.undoStack().count(), 0);
        QVERIFY(!doc.isModified());

        for (int k = 0; k < Document::kUndoLimit + 20; ++k) {
            doc.change(NewLabel(), {}, kPartPower,
                       [k](ProgramState& s) { s.powerGrades[2] = k % 256; });
        }
        QCOMPARE(doc.undoStack().count(), Document::kUndoLimit);
        QVERIFY(Document::kUndoLimit >= 500);
    }
};

}  // namespace talvo

QTEST_GUILESS_MAIN(talvo::DocumentHistoryTest)
#include "document_history_test.moc"
