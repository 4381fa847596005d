// The main window's commands: New, Open, Save, band selection, port selection, language,
// help, About, the hidden modes' relock and the close question.
#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QUrl>

#include "app/about_window.h"
#include "app/app_icons.h"
#include "app/app_paths.h"
#include "app/band_combo.h"
#include "app/main_window.h"
#include "app/port_list.h"
#include "app/print_preview_window.h"
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
#include "image/data_file.h"
#include "jobs/outcome_words.h"
#include "lang/catalogue.h"
#include "link/port/port_diagnosis.h"
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
    if (band.BandPromptSuppressed) {
        document_.change(BandLabel(index), {}, kPartBand, select);
        return;
    }
    if (index == band.PreviousBandIndex) {
        document_.change(BandLabel(index), {}, kPartBand, select);
    } else {
        const int answer = LocalMsgBox(
            state_.language,
            TALVO_TEXT("MainCommands",
                       "Changing the frequency band will remove the channel tabulation, confirm?"),
            kStyleQuestion, TALVO_TEXT("MainCommands", "Be careful!"), channel_);
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
        reportFileFailure(status, path);
        return false;
    }
    state_.band.BandPromptSuppressed = true;
    document_.loadState(OpenFileLabel(QFileInfo(path).fileName().toStdString()), after);
    document_.markSaved();
    setCurrentFile(path);
    rememberRecentFile(path);
    showDecodedModel();
    showEditor(channel_);
    return true;
}

void MainWindow::reportFileFailure(Status status, const QString& path) {
    // The wrong file type has its own fixed text; every other failure (a missing, unreadable or
    // short file, a failed write) is reported too, never passed over.
    const std::string text = Render(
        StatusMessage(status, QDir::toNativeSeparators(path).toStdString()), state_.language);
    LocalMsgBox(state_.language, QString::fromStdString(text), StyleIconError,
                Tr(TALVO_TEXT("MainCommands", "Mistake"), state_.language), channel_);
}

void MainWindow::saveDataFile() {
    const QString path = chooseFile(true);
    if (path.isEmpty()) return;
    saveTo(path);
}

bool MainWindow::saveTo(const QString& path) {
    const Status status = SaveDataFile(state_, QFile::encodeName(path).toStdString());
    if (status != Status::Ok) {
        reportFileFailure(status, path);
        return false;
    }
    document_.markSaved();
    setCurrentFile(path);
    rememberRecentFile(path);
    return true;
}

void MainWindow::refreshPortList() {
    const auto env = [](const std::string& name) {
        const QByteArray value = qgetenv(name.c_str());
        return value.isEmpty() ? std::nullopt : std::optional<std::string>(value.toStdString());
    };
    portSurvey_ = link::SurveyPorts(portRoots_, link::CurrentUser(), env,
                                    static_cast<int>(QCoreApplication::applicationPid()));
    ShowPortSurvey(portList_, portSurvey_, state_.language);
}

void MainWindow::showPortList() {
    refreshPortList();
    portIndexShown_ = portList_->currentIndex();
    portList_->show();
    portList_->raise();
    portList_->setFocus(Qt::OtherFocusReason);
    portList_->showPopup();
}

link::PortDiagnosis MainWindow::diagnosePort(int number, Status status) {
    refreshPortList();
    return link::DiagnosePort(portSurvey_.at(static_cast<std::size_t>(number - 1)), status,
                              portRoots_, link::CurrentUser(),
                              static_cast<int>(QCoreApplication::applicationPid()));
}

QString MainWindow::portFailureText(int number, Status status) {
    if (number < 1 || number > 16) return {};
    return Tr(link::DiagnosisText(diagnosePort(number, status)), state_.language);
}

int MainWindow::explainPortFailure(int number, Status status) {
    const Language lang = state_.language;
    const QString entry = QString::number(number);
    QString text = Tr(TALVO_TEXT("MainCommands",
                                 "Serial port%1Invalid or has already been used by other "
                                 "procedures, please choose other bunches of mouths or close its "
                                 "procedure."),
                      lang)
                       .arg(entry);
    const link::PortDiagnosis diagnosis = diagnosePort(number, status);
    text += QStringLiteral("\n\n") + Tr(link::DiagnosisText(diagnosis), lang);
    if (status == Status::PermissionDenied &&
        diagnosis.port.access != link::PortAccess::NoPermission) {
        // Say how to get the permission the system refused.
        text += QStringLiteral("\n") + Tr(StatusMessage(status, entry.toStdString()), lang);
    }
    const QString title = Tr(TALVO_TEXT("MainCommands", "Mistake"), lang);
    if (diagnosis.cable && diagnosis.cable->number != number) {
        const QString cable = QString::number(diagnosis.cable->number);
        text += Tr(TALVO_TEXT("MainCommands", "\n\nUse port %1 instead?"), lang).arg(cable);
        if (LocalMsgBox(lang, text, StyleYesNo | StyleIconQuestion, title, channel_) == IdYes)
            return diagnosis.cable->number;
        return 0;
    }
    LocalMsgBox(lang, text, StyleIconWarning, title, channel_);
    return 0;
}

void MainWindow::onPortListChosen(int index) {
    ++portPicks_;
    if (index == kPortRefreshItem) {
        // Refresh: look again and drop the list open once more, the entry as it was.
        portList_->setCurrentIndex(portIndexShown_);
        QTimer::singleShot(0, this, [this] {
            if (portList_->isVisible()) showPortList();
        });
        return;
    }
    if (index >= 0 && index < 16) {
        int number = index + 1;
        Status status = port_->open(number);
        if (!port_->isOpen()) {
            if (const int instead = explainPortFailure(number, status); instead > 0) {
                number = instead;
                status = port_->open(number);
            }
        }
        if (port_->isOpen()) {
            state_.PortNumber = number;
            portList_->setCurrentIndex(number - 1);
        } else {
            portList_->setCurrentIndex(-1);
        }
    }
    portPanel_->setText(QStringLiteral("COM: ") + portList_->currentText());
    leavePortList();
}

void MainWindow::onPortPopupClosed() {
    // A pick closes the open list before it reports the entry: wait for it.
    const unsigned picks = portPicks_;
    QTimer::singleShot(0, this, [this, picks] {
        if (picks == portPicks_ && portList_->isVisible() && !portList_->view()->isVisible())
            leavePortList();
    });
}

void MainWindow::leavePortList() {
    portList_->hide();
    // The current one even while the open list keeps the main window inactive.
    if (QMdiSubWindow* active = mdi_->currentSubWindow()) {
        if (active->widget()) active->widget()->setFocus(Qt::OtherFocusReason);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    buildLaterWindowsAfterPaint(watched, event);
    if (historyKeyPassesTextField(watched, event)) return true;
    if (watched == portPopup_ && event->type() == QEvent::Hide) onPortPopupClosed();
    // The port list disappears when the keyboard focus leaves it; its own dropped-open list
    // takes the focus only for a while.
    if (watched == portList_ && event->type() == QEvent::FocusOut) {
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason && !portList_->view()->isVisible()) {
            portList_->hide();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::switchLanguage(Language lang) {
    document_.setLanguage(lang);
    ApplyLanguage();
    channel_->RefreshChannelGrid();
}

QString MainWindow::helpFilePath() const {
    if (!IsKnownLanguage(state_.language)) return {};
    // Each language names its own help file.
    const QString name =
        Tr(TALVO_TEXT3("MainCommands", "HB27E.CHM", "the help file's name"), state_.language);
    return QDir(ProgramFolder()).filePath(name);
}

void MainWindow::showHelp() {
    const QString path = helpFilePath();
    if (path.isEmpty() || !QFileInfo::exists(path)) return;  // a missing file shows nothing
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainWindow::showAbout() {
    about_->exec();
}

void MainWindow::printData() {
    ShowPrintPreview(state_, channel_);
}

void MainWindow::relockClick(int mode) {
    if (mode < 0 || mode > 2) return;
    if (!relock_[static_cast<std::size_t>(mode)].click(now())) return;
    HiddenModes& h = state_.hidden;
    HiddenModeSequence& seq = mode == 0 ? h.anMa : mode == 1 ? h.debug : h.fmMa;
    seq.clicked = {};
    seq.unlocked = false;
    static constexpr const char* kButtons[] = {"TAnMa", "TDebug", "TFMMa"};
    if (auto* a = action(kButtons[mode])) a->setVisible(false);
    if (mode == 1) debugWindow()->setSlidersEnabled(false);
}

void MainWindow::applyHiddenModeEffect(int mode) {
    static constexpr const char* kButtons[] = {"TAnMa", "TDebug", "TFMMa"};
    static constexpr AppIcon kIcons[] = {AppIcon::AnMa, AppIcon::Debug, AppIcon::FmMa};
    if (mode < 0 || mode > 2) return;
    if (auto* a = action(kButtons[mode])) {
        if (a->icon().isNull()) a->setIcon(MakeIcon(kIcons[mode]));
        a->setVisible(true);
    }
    if (mode == 1) debugWindow()->setSlidersEnabled(true);
    if (mode == 2) {
        if (auto* a = action("MNFMset")) a->setEnabled(true);
    }
}

void MainWindow::attachDemoRadio(int portNumber) {
    portToStore_ = state_.PortNumber;
    state_.PortNumber = portNumber;
    portPanel_->setText(QStringLiteral("COM: %1").arg(portNumber));
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
    SavePortNumber(portToStore_.value_or(state_.PortNumber));
    port_->close();
}

}  // namespace talvo
