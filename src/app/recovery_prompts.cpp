#include "app/recovery_prompts.h"

#include <QDir>
#include <QFileInfo>

#include "app/main_window.h"
#include "document/document.h"
#include "document/recovery_keeper.h"
#include "editors/channels/channel_table_window.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

QString Pick(LanguageFlagValue lang, const char* zh, const char* en) {
    return QString::fromUtf8(lang == kChinese ? zh : en);
}

int AskAbout(const LeftCopy& copy, LanguageFlagValue lang, QWidget* owner) {
    const QString source = copy.sourceFile();
    const QString name = source.isEmpty() ? Pick(lang, "未命名的数据", "an untitled document")
                                          : QDir::toNativeSeparators(source);
    const QString when = copy.written().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString text =
        Pick(lang,
             "上次程序结束时，对 %1 的更改尚未保存（保留于 %2）。\n是否恢复这些更改？\n\n"
             "是：恢复为未保存的更改。\n否：丢弃这些更改。\n取消：下次启动时再决定。",
             "The program ended without saving the changes to %1 (kept at %2).\n"
             "Restore them?\n\nYes: restore them as unsaved changes.\nNo: discard them.\n"
             "Cancel: decide at the next start.")
            .arg(name, when);
    return LocalMsgBox(lang, text, StyleYesNoCancel | StyleIconQuestion,
                       Pick(lang, "恢复未保存的更改", "Recover unsaved changes"), owner);
}

void ReportUnreadable(const LeftCopy& copy, Status status, const QString& keptAs,
                      LanguageFlagValue lang, QWidget* owner) {
    const QString reason = QString::fromStdString(
        StatusMessage(status, lang, QDir::toNativeSeparators(copy.dataPath()).toStdString()));
    LocalMsgBox(lang,
                Pick(lang, "无法读取未保存更改的恢复副本：\n%1\n副本已保留为：\n%2",
                     "A recovery copy of unsaved changes cannot be read:\n%1\nThe copy was "
                     "kept as:\n%2")
                    .arg(reason, QDir::toNativeSeparators(keptAs)),
                StyleIconWarning, Pick(lang, "错误", "Mistake"), owner);
}

}  // namespace

void OfferRecoveredEdits(MainWindow& window, RecoveryKeeper& keeper, const QString& folder) {
    const LanguageFlagValue lang = window.state().LanguageFlag;
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
            const LanguageFlagValue lang = window.state().LanguageFlag;
            LocalMsgBox(lang,
                        Pick(lang,
                             "无法写入 %1，\n程序意外结束时未保存的更改将无法恢复。\n"
                             "请及时保存到文件。",
                             "%1 cannot be written: unsaved changes cannot be recovered "
                             "if the program ends unexpectedly.\nSave your work to a file.")
                            .arg(QDir::toNativeSeparators(path)),
                        StyleIconWarning, Pick(lang, "注意", "Attention"), window.channelWindow());
        });
}

}  // namespace talvo
