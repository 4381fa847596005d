// The main window's commands: New, Open, Save, band selection, language and the close
// question.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>

#include "app/band_combo.h"
#include "app/file_failure.h"
#include "app/main_window.h"
#include "app/port_chooser.h"
#include "app/recent_files_menu.h"
#include "app/serial_link.h"
#include "app/settings_store.h"
#include "app/transfer_controller.h"
#include "document/document.h"
#include "document/edit_labels.h"
#include "editors/channels/channel_table_window.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "rules/channel_table.h"
#include "ui/local_msgbox.h"

namespace talvo {

void MainWindow::onBandPopupOpening() {
    state_.band.PreviousBandIndex = bandList_->currentIndex();
    state_.band.BandPromptSuppressed = false;
}

void MainWindow::onBandSelected(int index) {
    BandState& band = state_.band;
    // An index outside the table changes no limit.
    const auto select = [index](ProgramState& s) { s.band.select(index); };
    if (!band.asksBefore(index)) {
        document_.change(BandLabel(index), {}, kPartBand, select);
    } else {
        const int answer = LocalMsgBox(state_.language, BandChangeQuestion(), kStyleQuestion,
                                       BandChangeTitle(), channel_);
        if (answer == IdOk) {
            // The new band and the emptied table are one step; the grid follows the document.
            std::vector<int> all;
            for (int ch = 1; ch <= kChannelCount; ++ch) all.push_back(ch);
            document_.change(BandLabel(index), all, kPartBand, [index](ProgramState& s) {
                s.band.select(index);
                ClearGrid(s.channels);
            });
        } else {
            // Put the previous band back; the nested change only restores its limits.
            band.BandPromptSuppressed = true;
            bandList_->setCurrentIndex(band.PreviousBandIndex);
        }
    }
    band.BandPromptSuppressed = true;
}

void MainWindow::newData() {
    // Unsaved changes get their own question (Save, Discard, Cancel) instead of this one.
    bool asked = false;
    if (!settleUnsavedChanges(&asked)) return;
    if (!asked &&
        LocalMsgBox(state_.language, TALVO_TEXT("MainCommands", "Unsaved data will be lost, sure?"),
                    kStyleQuestion, TALVO_TEXT("MainCommands", "Attention"), channel_) != IdOk) {
        return;
    }
    // Band 0 without the question, every channel emptied, the DTMF defaults: one step.
    ProgramState after = document_.state();
    after.band.select(0);
    StartForm(after.channels);
    StartForm(after.dtmf);
    state_.band.BandPromptSuppressed = true;
    state_.band.PreviousBandIndex = 0;
    document_.loadState(NewLabel(), after);
    document_.markSaved();
    setCurrentFile({});
    channel_->StartForm();
}

void MainWindow::showDecodedModel() {
    // Windows not built yet show the model when they are.
    for (EditorWindow* w :
         std::initializer_list<EditorWindow*>{channel_, dtmf_, options_, debug_, fm_}) {
        if (w) w->loadFromModel();
    }
    // The decoder chose the band: the list follows without a question.
    state_.band.BandPromptSuppressed = true;
    if (bandList_->currentIndex() != state_.band.index)
        bandList_->setCurrentIndex(state_.band.index);
}

void MainWindow::openDataFile() {
    state_.band.BandPromptSuppressed = true;
    if (!settleUnsavedChanges()) return;
    const QString path = chooseFile(false);
    if (path.isEmpty()) return;
    loadFile(path);
}

bool MainWindow::loadFile(const QString& path) {
    // Read into a copy: a failure leaves the document as it was.
    ProgramState after = document_.state();
    const Status status = OpenDataFile(after, QFile::encodeName(path).toStdString());
    if (status != Status::Ok) {
        ReportFileFailure(status, path, state_.language, channel_);
        return false;
    }
    state_.band.BandPromptSuppressed = true;
    document_.loadState(OpenFileLabel(QFileInfo(path).fileName().toStdString()), after);
    document_.markSaved();
    setCurrentFile(path);
    recentFiles_->remember(path);
    showDecodedModel();
    showEditor(channel_);
    return true;
}

void MainWindow::saveDataFile() {
    const QString path = chooseFile(true);
    if (path.isEmpty()) return;
    saveTo(path);
}

bool MainWindow::saveTo(const QString& path) {
    const Status status = SaveDataFile(state_, QFile::encodeName(path).toStdString());
    if (status != Status::Ok) {
        ReportFileFailure(status, path, state_.language, channel_);
        return false;
    }
    document_.markSaved();
    setCurrentFile(path);
    recentFiles_->remember(path);
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    buildLaterWindowsAfterPaint(watched, event);
    if (historyKeyPassesTextField(watched, event)) return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::switchLanguage(Language lang) {
    document_.setLanguage(lang);
    ApplyLanguage();
    channel_->RefreshChannelGrid();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Unsaved changes get their own question (Save, Discard, Cancel) instead of this one.
    bool asked = false;
    if (!settleUnsavedChanges(&asked)) {
        event->ignore();
        return;
    }
    const int answer =
        asked ? IdOk
              : LocalMsgBox(
                    state_.language,
                    TALVO_TEXT(
                        "MainCommands",
                        "Confirm that withdraws from a procedure?\nLose all in change not kept!"),
                    kStyleQuestion, TALVO_TEXT("MainCommands", "Be careful"), channel_);
    if (answer != IdOk) {
        event->ignore();
        return;
    }
    // A transfer still running ends first, as when its progress window is closed.
    transfer_->abortByUser();
    runExitSequence();
    event->accept();
}

// Stores the two remembered settings. Only this program ends: other running copies keep
// their work.
void MainWindow::runExitSequence() {
    // The flag, with the code of a further language beside it.
    SaveLanguage(state_.language, furtherLanguages_.keys());
    ports_->storeNumber();
    port_->close();
}

}  // namespace talvo
