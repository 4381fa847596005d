// The main window's side of the document: Undo and Redo, the title with the file name and the
// unsaved-changes mark, the Save / Discard / Cancel question, dropped files and
// the loads of a Read.
#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUndoStack>

#include "app/band_combo.h"
#include "app/main_window.h"
#include "document/document.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "lang/catalogue.h"
#include "radio/codecs/decode.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

// A local file whose name ends in ".dat", from a drag; empty when there is none.
QString DroppedDataFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) {
            return path;
        }
    }
    return {};
}

}  // namespace

void MainWindow::buildHistoryCommands(QMenu* edit) {
    edit->addSeparator()->setObjectName("MNLineHistory");
    QAction* undo = addCommand(edit, "MNUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), nullptr);
    QAction* redo = addCommand(edit, "MNRedo", QKeySequence(Qt::CTRL | Qt::Key_Y), nullptr);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo, &QAction::triggered, this, [this] { document_.undo(); });
    connect(redo, &QAction::triggered, this, [this] { document_.redo(); });
    QUndoStack& stack = document_.undoStack();
    connect(&stack, &QUndoStack::undoTextChanged, this, &MainWindow::applyHistoryTexts);
    connect(&stack, &QUndoStack::redoTextChanged, this, &MainWindow::applyHistoryTexts);
    connect(&stack, &QUndoStack::canUndoChanged, this, &MainWindow::applyHistoryTexts);
    connect(&stack, &QUndoStack::canRedoChanged, this, &MainWindow::applyHistoryTexts);
}

void MainWindow::applyHistoryTexts() {
    const Language lang = titleLanguage_;
    const QUndoStack& stack = document_.undoStack();
    // "Undo <step>": the entries name the step they take back or do again.
    const auto text = [](const QString& base, const QString& step) {
        return step.isEmpty() ? base : base + QLatin1Char(' ') + step;
    };
    const QString undo = text(Tr(TALVO_TEXT("MainDocument", "Undo"), lang), stack.undoText());
    const QString redo = text(Tr(TALVO_TEXT("MainDocument", "Redo"), lang), stack.redoText());
    const auto show = [this](const char* entry, const char* button, bool enabled,
                             const QString& text) {
        if (QAction* a = action(entry)) {
            a->setEnabled(enabled);
            a->setText(text);
        }
        if (QAction* a = action(button)) {
            a->setEnabled(enabled);
            a->setToolTip(text);
        }
    };
    show("MNUndo", "TUndo", stack.canUndo(), undo);
    show("MNRedo", "TRedo", stack.canRedo(), redo);
}

void MainWindow::updateTitle() {
    const QString name = currentFile_.isEmpty()
                             ? Tr(TALVO_TEXT("MainDocument", "Untitled"), titleLanguage_)
                             : QFileInfo(currentFile_).fileName();
    const QString recovered =
        recovered_ && document_.isModified()
            ? Tr(TALVO_TEXT("MainDocument", " (recovered, unsaved)"), titleLanguage_)
            : QString();
    setWindowTitle(baseTitle_ + QStringLiteral(" - ") + name + recovered + QStringLiteral("[*]"));
    setWindowModified(document_.isModified());
}

void MainWindow::setCurrentFile(const QString& path) {
    currentFile_ = path;
    recovered_ = false;
    updateTitle();
}

bool MainWindow::settleUnsavedChanges(bool* asked) {
    if (asked) *asked = false;
    if (!document_.isModified()) return true;
    if (asked) *asked = true;
    const Language lang = state_.language;
    const int answer = LocalMsgBox(
        lang, Tr(TALVO_TEXT("MainDocument", "There are unsaved changes. Save them first?"), lang),
        StyleSaveDiscardCancel | StyleIconQuestion,
        Tr(TALVO_TEXT("MainDocument", "Attention"), lang), channel_);
    if (answer == IdDiscard) return true;
    if (answer != IdSave) return false;
    // Save asks for the file as Save always does; cancelling it keeps everything as it was.
    const QString path = chooseFile(true);
    return !path.isEmpty() && saveTo(path);
}

bool MainWindow::openPath(const QString& path) {
    state_.band.BandPromptSuppressed = true;
    if (!settleUnsavedChanges()) return false;
    return loadFile(path);
}

bool MainWindow::historyKeyPassesTextField(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || !isAncestorOf(field)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeyCombination pressed = key->keyCombination();
    const bool undo = pressed == QKeyCombination(Qt::CTRL | Qt::Key_Z);
    const bool redo = pressed == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
                      pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    // Left unanswered, the key goes on to the menu's shortcut.
    return (undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable());
}

void MainWindow::syncBandList() {
    if (bandList_->currentIndex() == state_.band.index) return;
    state_.band.BandPromptSuppressed = true;
    bandList_->setCurrentIndex(state_.band.index);
}

void MainWindow::loadReadResult(const ImageBytes& imageBefore) {
    ProgramState after = document_.state();  // its RadioImage holds what was read
    DecodeImage(after);
    // The step's earlier side keeps the image that was there before the read.
    state_.RadioImage = imageBefore;
    state_.band.BandPromptSuppressed = true;
    document_.loadState(ReadLabel(), after);
    document_.markSaved();
    setCurrentFile({});
    showDecodedModel();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDataFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedDataFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The question and the open run after the drop has ended, not inside it.
    QTimer::singleShot(0, this, [this, path] { openPath(path); });
}

}  // namespace talvo
