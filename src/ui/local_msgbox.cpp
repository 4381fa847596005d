#include "ui/local_msgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <array>
#include <utility>
#include <vector>

#include "lang/catalogue.h"

namespace talvo {
namespace {

struct ButtonSpec {
    QMessageBox::StandardButton standard;
    Text label;
};

// Identifiers 1..9 in order.
constexpr std::array<ButtonSpec, 9> kButtons = {
    {{QMessageBox::Ok, TALVO_TEXT("LocalMsgbox", "OK")},
     {QMessageBox::Cancel, TALVO_TEXT("LocalMsgbox", "Cancel")},
     {QMessageBox::Abort, TALVO_TEXT("LocalMsgbox", "Abort")},
     {QMessageBox::Retry, TALVO_TEXT("LocalMsgbox", "Retry")},
     {QMessageBox::Ignore, TALVO_TEXT("LocalMsgbox", "Ignore")},
     {QMessageBox::Yes, TALVO_TEXT("LocalMsgbox", "Yes")},
     {QMessageBox::No, TALVO_TEXT("LocalMsgbox", "No")},
     {QMessageBox::Save, TALVO_TEXT("LocalMsgbox", "Save")},
     {QMessageBox::Discard, TALVO_TEXT("LocalMsgbox", "Discard")}}};

// The buttons of a set in their order on the box (the order the default-button flag counts in).
std::vector<int> ButtonSet(int style) {
    switch (style & 0xF) {
        case StyleOkCancel:
            return {IdOk, IdCancel};
        case StyleAbortRetryIgnore:
            return {IdAbort, IdRetry, IdIgnore};
        case StyleYesNoCancel:
            return {IdYes, IdNo, IdCancel};
        case StyleYesNo:
            return {IdYes, IdNo};
        case StyleRetryCancel:
            return {IdRetry, IdCancel};
        case StyleSaveDiscardCancel:
            return {IdSave, IdDiscard, IdCancel};
        default:
            return {IdOk};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0xF0) {
        case StyleIconError:
            return QMessageBox::Critical;
        case StyleIconQuestion:
            return QMessageBox::Question;
        case StyleIconWarning:
            return QMessageBox::Warning;
        case StyleIconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// The width a title bar needs to show `title` whole: the text in a bold title font (window
// managers draw titles bold and often larger than the dialog text), plus the frame's icon,
// its buttons (close, and on some desktops minimise and maximise) and margins.
int TitleBarWidth(const QString& title) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    const QFontMetrics fm(font);
    return fm.horizontalAdvance(title) + 8 * fm.height();
}

// A short message gives a narrow box whose frame cuts the title (or drops it): a spacer
// across the box's layout keeps it at least as wide as the title bar needs. The toolkit fixes
// the box's size from its layout on every show, so a plain minimum width would not hold.
void ReserveTitleWidth(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    int width = TitleBarWidth(box.windowTitle());
    if (const QScreen* screen = box.screen()) {
        width = qMin(width, screen->availableGeometry().width() * 9 / 10);
    }
    const QMargins margins = grid->contentsMargins();
    width -= margins.left() + margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QString ApplicationTitle(Language lang) {
    return Tr(TALVO_TEXT("LocalMsgbox", "TALVO Radio Programming Software V1.50"), lang);
}

QString MsgBoxButtonLabel(int id, Language lang) {
    if (id < IdOk || id > IdDiscard || !IsKnownLanguage(lang)) return {};
    const ButtonSpec& b = kButtons[static_cast<std::size_t>(id - 1)];
    return Tr(b.label, lang);
}

int LocalMsgBox(Language lang, const QString& text, int style, const QString& title,
                QWidget* owner) {
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? ApplicationTitle(lang) : title);
    box.setText(text);
    box.setIcon(IconOf(style));
    // A system-modal box blocks the whole program; so does an owned box (the program has one
    // top-level window that matters).
    box.setWindowModality((style & StyleSystemModal) || !owner ? Qt::ApplicationModal
                                                               : Qt::WindowModal);

    const std::vector<int> ids = ButtonSet(style);
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    for (int id : ids) {
        QPushButton* b = box.addButton(kButtons[static_cast<std::size_t>(id - 1)].standard);
        const QString label = MsgBoxButtonLabel(id, lang);
        if (!label.isEmpty()) b->setText(label);
        b->setProperty(kMsgBoxIdProperty, id);
        buttons.emplace_back(b, id);
    }
    std::size_t defaultPos = 0;
    if (style & StyleDefaultButton2) defaultPos = 1;
    if (style & StyleDefaultButton3) defaultPos = 2;
    if (defaultPos >= buttons.size()) defaultPos = 0;
    box.setDefaultButton(static_cast<QPushButton*>(buttons[defaultPos].first));

    // Escape and the close box press Cancel where the box has one, else a lone button
    // (else the toolkit's choice: Abort, or No).
    for (auto& [b, id] : buttons) {
        if (id == IdCancel) box.setEscapeButton(b);
    }

    ReserveTitleWidth(box);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (auto& [b, id] : buttons) {
        if (b == clicked) return id;
    }
    return ids.size() == 1 ? ids.front() : IdCancel;
}

int LocalMsgBox(Language lang, const Message& text, int style, const Message& title,
                QWidget* owner) {
    return LocalMsgBox(lang, Tr(text, lang), style, Tr(title, lang), owner);
}

}  // namespace talvo
