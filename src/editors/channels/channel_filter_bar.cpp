#include "editors/channels/channel_filter_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace talvo {
namespace {

QString Pick(LanguageFlagValue lang, const char* zh, const char* en) {
    return QString::fromUtf8(lang == kChinese ? zh : en);
}

}  // namespace

ChannelFilterBar::ChannelFilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FindBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    label_ = new QLabel(this);
    box_ = new QLineEdit(this);
    box_->setObjectName(QStringLiteral("FindBox"));
    box_->setClearButtonEnabled(true);
    box_->setMinimumWidth(220);
    label_->setBuddy(box_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("FindCount"));
    count_->setMinimumWidth(120);
    closeButton_ = new QToolButton(this);
    closeButton_->setObjectName(QStringLiteral("FindClose"));
    closeButton_->setText(QStringLiteral("×"));
    closeButton_->setAutoRaise(true);
    row->addWidget(label_);
    row->addWidget(box_);
    row->addWidget(count_);
    row->addStretch(1);
    row->addWidget(closeButton_);
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::textChanged, this, &ChannelFilterBar::textChanged);
    connect(closeButton_, &QToolButton::clicked, this, &ChannelFilterBar::close);
    applyLanguage(kChinese);
    hide();
}

QString ChannelFilterBar::text() const {
    return box_->text();
}

void ChannelFilterBar::open() {
    show();
    box_->setFocus(Qt::ShortcutFocusReason);
    box_->selectAll();
}

void ChannelFilterBar::close() {
    const bool had = isVisible() || !box_->text().isEmpty();
    box_->clear();
    hide();
    if (had) emit closed();
}

void ChannelFilterBar::showCount(int found, int position) {
    found_ = found;
    position_ = position;
    QString text;
    if (box_->text().trimmed().isEmpty()) {
        text.clear();
    } else if (position > 0) {
        text = lang_ == kChinese ? QStringLiteral("第 %1 个，共 %2 个").arg(position).arg(found)
                                 : QStringLiteral("%1 of %2").arg(position).arg(found);
    } else {
        text = lang_ == kChinese ? QStringLiteral("找到 %1 个信道").arg(found)
                                 : QStringLiteral("%1 found").arg(found);
    }
    count_->setText(text);
    count_->setAccessibleName(text);
}

void ChannelFilterBar::applyLanguage(LanguageFlagValue lang) {
    if (!IsKnownLanguage(lang)) return;
    lang_ = lang;
    label_->setText(Pick(lang, "查找(&F)：", "&Find:"));
    box_->setAccessibleName(Pick(lang, "查找信道", "Find channels"));
    box_->setPlaceholderText(Pick(lang, "频率、亚音频、名称……", "Frequency, tone, name…"));
    box_->setToolTip(Pick(lang, "只显示含有此文字的信道。回车或F3：下一个；Esc：清除",
                          "Shows only the channels that hold this text. Enter or F3: next; "
                          "Esc: clear"));
    closeButton_->setToolTip(Pick(lang, "关闭查找（Esc）", "Close find (Esc)"));
    closeButton_->setAccessibleName(Pick(lang, "关闭查找", "Close find"));
    showCount(found_, position_);
}

bool ChannelFilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F3:
            emit step(!shift);
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Down:
            emit leaveToGrid();
            return true;
        default:
            return false;
    }
}

}  // namespace talvo
