#include "app/recovery_prompts.h"

#include <QDir>
#include <QFileInfo>

#include "app/main_window.h"
#include "document/document.h"
#include "document/recovery_keeper.h"
#include "editors/channels/channel_table_window.h"
#include "jobs/outcome_words.h"
#include "lang/catalogue.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

int AskAbout(const LeftCopy& copy, Language lang, QWidget* owner) {
    const QString source = copy.sourceFile();
    const QString name = source.isEmpty()
                             ? Tr(TALVO_TEXT("RecoveryPrompts", "an untitled document"), lang)
                             : QDir::toNativeSeparators(source);
    const QString when = copy.written().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString text =
        Tr(TALVO_TEXT("RecoveryPrompts",
                      "The program ended without saving the changes to %1 (kept at %2).\nRestore "
                      "them?\n\nYes: restore them as unsaved changes.\nNo: discard them.\nCancel: "
                      "decide at the next start."),
           lang)
            .arg(name, when);
    return LocalMsgBox(lang, text, StyleYesNoCancel | StyleIconQuestion,
                       Tr(TALVO_TEXT("RecoveryPrompts", "Recover unsaved changes"), lang), owner);
}

void ReportUnreadable(const LeftCopy& copy, Status status, const QString& keptAs, Language lang,
                      QWidget* owner) {
    const QString reason =
        Tr(StatusMessage(status, QDir::toNativeSeparators(copy.dataPath()).toStdString()), lang);
    LocalMsgBox(
        lang,
        Tr(TALVO_TEXT(
               "RecoveryPrompts",
               "A recovery copy of unsaved changes cannot be read:\n%1\nThe copy was kept as:\n%2"),
           lang)
            .arg(reason, QDir::toNativeSeparators(keptAs)),
        StyleIconWarning, Tr(TALVO_TEXT("RecoveryPrompts", "Mistake"), lang), owner);
}

}  // namespace

void OfferRecoveredEdits(MainWindow& window, RecoveryKeeper& keeper, const QString& folder) {
    const Language lang = window.state().language;
    QWidget* owner = window.channelWindow();
    for (const auto& copy : FindLeftCopies(folder)) {
        // Bytes 0xC00 on keep their value, as when a file is opened.
        ImageBytes image = window.document().state().RadioImage;
        const Status status = copy->read(image);
        if (status != Status::Ok) {
            const QString keptAs = copy->setAside();
            ReportUnreadable(*copy, status, keptAs, lang, owner);
            continue;
        }
        const int answer = AskAbout(*copy, lang, owner);
        if (answer == IdNo) {
            copy->discard();
            continue;
        }
        if (answer != IdYes) return;
        window.restoreRecovered(image, copy->sourceFile());
        // The left copy goes only once this program's own copy holds its changes.
        keeper.writeNow();
        keeper.waitForWriter();
        if (keeper.lastWriteStatus() == Status::Ok) copy->discard();
        return;
    }
}

void ReportRecoveryFailures(MainWindow& window, RecoveryKeeper& keeper) {
    auto reported = std::make_shared<bool>(false);
    QObject::connect(
        &keeper, &RecoveryKeeper::copyFailed, &window, [&window, reported](const QString& path) {
            if (*reported) return;
            *reported = true;
            const Language lang = window.state().language;
            LocalMsgBox(
                lang,
                Tr(TALVO_TEXT("RecoveryPrompts",
                              "%1 cannot be written: unsaved changes cannot be recovered if the "
                              "program ends unexpectedly.\nSave your work to a file."),
                   lang)
                    .arg(QDir::toNativeSeparators(path)),
                StyleIconWarning, Tr(TALVO_TEXT("RecoveryPrompts", "Attention"), lang),
                window.channelWindow());
        });
}

}  // namespace talvo
