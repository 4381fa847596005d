#include "app/local_msgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <utility>
#include <vector>

namespace talvo {
namespace {

struct ButtonLabel {
    const char* zh;
    const char* en;
};

// Labels of identifiers 1..7.
constexpr std::array<ButtonLabel, 7> kLabels = {{{"确定", "OK"},
                                                 {"取消", "Cancel"},
                                                 {"放弃", "Abort"},
                                                 {"重试", "Retry"},
                                                 {"忽略", "Ignore"},
                                                 {"是", "Yes"},
                                                 {"否", "No"}}};

std::vector<int> ButtonSet(int style) {
    switch (style & 0xF) {
        case StyleOkCancel: return {IdOk, IdCancel};
        case StyleAbortRetryIgnore: return {IdAbort, IdRetry, IdIgnore};
        case StyleYesNoCancel: return {IdYes, IdNo, IdCancel};
        case StyleYesNo: return {IdYes, IdNo};
        case StyleRetryCancel: return {IdRetry, IdCancel};
        default: return {IdOk};
    }
}

QMessageBox::ButtonRole RoleOf(int id) {
    switch (id) {
        case IdOk:
        case IdYes:
        case IdRetry: return QMessageBox::AcceptRole;
        case IdCancel:
        case IdAbort: return QMessageBox::RejectRole;
        case IdNo: return QMessageBox::NoRole;
        default: return QMessageBox::ActionRole;
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0xF0) {
        case StyleIconError: return QMessageBox::Critical;
        case StyleIconQuestion: return QMessageBox::Question;
        case StyleIconWarning: return QMessageBox::Warning;
        case StyleIconInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

}  // namespace

QString ApplicationTitle(LanguageFlagValue lang) {
    return lang == kChinese ? QStringLiteral("TALVO 对讲机编程软件V1.50")
                            : QStringLiteral("TALVO Radio Programming Software V1.50");
}

int LocalMsgBox(LanguageFlagValue lang, const QString& text, int style, const QString& title,
                QWidget* owner) {
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? ApplicationTitle(lang) : title);
    box.setText(text);
    box.setIcon(IconOf(style));
    // System-modal and task-modal both block the whole program here.
    box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    if (style & StyleSystemModal) box.setWindowModality(Qt::ApplicationModal);

    const std::vector<int> ids = ButtonSet(style);
    std::vector<std::pair<QAbstractButton*, int>> buttons;
    for (int id : ids) {
        const ButtonLabel& l = kLabels[static_cast<std::size_t>(id - 1)];
        // Other language values leave the toolkit's own labels, as the box had them.
        QString label = lang == kChinese   ? QString::fromUtf8(l.zh)
                        : lang == kEnglish ? QString::fromUtf8(l.en)
                                           : QString::fromUtf8(l.en);
        QPushButton* b = box.addButton(label, RoleOf(id));
        buttons.emplace_back(b, id);
    }
    std::size_t defaultPos = 0;
    if (style & StyleDefaultButton2) defaultPos = 1;
    if (style & StyleDefaultButton3) defaultPos = 2;
    if (defaultPos < buttons.size()) {
        box.setDefaultButton(static_cast<QPushButton*>(buttons[defaultPos].first));
    }
    // Escape and the close box: Cancel where there is one, else the only button.
    QAbstractButton* escape = nullptr;
    for (auto& [b, id] : buttons) {
        if (id == IdCancel) escape = b;
    }
    if (!escape && buttons.size() == 1) escape = buttons.front().first;
    if (escape) box.setEscapeButton(escape);

    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (auto& [b, id] : buttons) {
        if (b == clicked) return id;
    }
    return ids.size() == 1 ? ids.front() : IdCancel;
}

int LocalMsgBox(LanguageFlagValue lang, const char* zhText, const char* enText, int style,
                const char* zhTitle, const char* enTitle, QWidget* owner) {
    const bool zh = lang == kChinese;
    return LocalMsgBox(lang, QString::fromUtf8(zh ? zhText : enText), style,
                       QString::fromUtf8(zh ? zhTitle : enTitle), owner);
}

}  // namespace talvo
