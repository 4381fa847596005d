#include "app/port_chooser.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "app/port_list.h"
#include "app/serial_link.h"
#include "app/settings_store.h"
#include "jobs/outcome_words.h"
#include "lang/catalogue.h"
#include "radio/state/program_state.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

int ThisProcess() {
    return static_cast<int>(QCoreApplication::applicationPid());
}

}  // namespace

PortChooser::PortChooser(QComboBox* list, QLabel* panel, ProgramState& state, SerialLink& port,
                         QMdiArea* mdi, QWidget* dialogParent)
    : QObject(list),
      list_(list),
      panel_(panel),
      state_(state),
      port_(port),
      mdi_(mdi),
      dialogParent_(dialogParent) {
    SetUpPortList(list_);
    LabelPortList(list_, kChinese);  // as every text until the first language procedure
    list_->installEventFilter(this);
    list_->view()->installEventFilter(this);
    connect(list_, &QComboBox::activated, this, &PortChooser::onChosen);
    state_.PortNumber = LoadPortNumber();
    showNumber(QString::number(state_.PortNumber));
}

void PortChooser::showNumber(const QString& number) {
    panel_->setText(QStringLiteral("COM: ") + number);
}

void PortChooser::applyLanguage(Language lang) {
    LabelPortList(list_, lang);
}

void PortChooser::refresh() {
    const auto env = [](const std::string& name) {
        const QByteArray value = qgetenv(name.c_str());
        return value.isEmpty() ? std::nullopt : std::optional<std::string>(value.toStdString());
    };
    survey_ = link::SurveyPorts(roots_, link::CurrentUser(), env, ThisProcess());
    ShowPortSurvey(list_, survey_, state_.language);
}

void PortChooser::show() {
    refresh();
    indexShown_ = list_->currentIndex();
    list_->show();
    list_->raise();
    list_->setFocus(Qt::OtherFocusReason);
    list_->showPopup();
}

link::PortDiagnosis PortChooser::diagnose(int number, Status status) {
    refresh();
    return link::DiagnosePort(survey_.at(static_cast<std::size_t>(number - 1)), status, roots_,
                              link::CurrentUser(), ThisProcess());
}

QString PortChooser::failureText(int number, Status status) {
    if (number < 1 || number > 16) return {};
    return Tr(link::DiagnosisText(diagnose(number, status)), state_.language);
}

int PortChooser::explainFailure(int number, Status status) {
    const Language lang = state_.language;
    const QString entry = QString::number(number);
    QString text = Tr(TALVO_TEXT("MainCommands",
                                 "Serial port%1Invalid or has already been used by other "
                                 "procedures, please choose other bunches of mouths or close its "
                                 "procedure."),
                      lang)
                       .arg(entry);
    const link::PortDiagnosis diagnosis = diagnose(number, status);
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
        if (LocalMsgBox(lang, text, StyleYesNo | StyleIconQuestion, title, dialogParent_) == IdYes)
            return diagnosis.cable->number;
        return 0;
    }
    LocalMsgBox(lang, text, StyleIconWarning, title, dialogParent_);
    return 0;
}

void PortChooser::onChosen(int index) {
    ++picks_;
    if (index == kPortRefreshItem) {
        // Refresh: look again and drop the list open once more, the entry as it was.
        list_->setCurrentIndex(indexShown_);
        QTimer::singleShot(0, this, [this] {
            if (list_->isVisible()) show();
        });
        return;
    }
    if (index >= 0 && index < 16) {
        int number = index + 1;
        Status status = port_.open(number);
        if (!port_.isOpen()) {
            if (const int instead = explainFailure(number, status); instead > 0) {
                number = instead;
                status = port_.open(number);
            }
        }
        if (port_.isOpen()) {
            state_.PortNumber = number;
            list_->setCurrentIndex(number - 1);
        } else {
            list_->setCurrentIndex(-1);
        }
    }
    showNumber(list_->currentText());
    leave();
}

void PortChooser::onPopupClosed() {
    // A pick closes the open list before it reports the entry: wait for it.
    const unsigned picks = picks_;
    QTimer::singleShot(0, this, [this, picks] {
        if (picks == picks_ && list_->isVisible() && !list_->view()->isVisible()) leave();
    });
}

void PortChooser::leave() {
    list_->hide();
    // The current one even while the open list keeps the main window inactive.
    if (QMdiSubWindow* active = mdi_->currentSubWindow()) {
        if (active->widget()) active->widget()->setFocus(Qt::OtherFocusReason);
    }
}

bool PortChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->view() && event->type() == QEvent::Hide) onPopupClosed();
    // The list disappears when the keyboard focus leaves it; its own dropped-open list takes
    // the focus only for a while.
    if (watched == list_ && event->type() == QEvent::FocusOut) {
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason && !list_->view()->isVisible()) list_->hide();
    }
    return QObject::eventFilter(watched, event);
}

void PortChooser::attachDemoRadio(int portNumber) {
    numberToStore_ = state_.PortNumber;
    state_.PortNumber = portNumber;
    showNumber(QString::number(portNumber));
}

void PortChooser::storeNumber() const {
    SavePortNumber(numberToStore_.value_or(state_.PortNumber));
}

}  // namespace talvo
