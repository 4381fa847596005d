#include "editors/channels/channel_filter_bar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "lang/catalogue.h"

namespace talvo {

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
        text = Tr(TALVO_TEXT("ChannelFilterBar", "%1 of %2"), lang_).arg(position).arg(found);
    } else {
        text = Tr(Counted(TALVO_PLURAL("ChannelFilterBar", "%n found", "%n found"), found), lang_);
    }
    count_->setText(text);
    count_->setAccessibleName(text);
}

void ChannelFilterBar::applyLanguage(Language lang) {
    if (!IsKnownLanguage(lang)) return;
    lang_ = lang;
    label_->setText(Tr(TALVO_TEXT("ChannelFilterBar", "&Find:"), lang));
    box_->setAccessibleName(Tr(TALVO_TEXT("ChannelFilterBar", "Find channels"), lang));
    box_->setPlaceholderText(Tr(TALVO_TEXT("ChannelFilterBar", "Frequency, tone, name…"), lang));
    box_->setToolTip(
        Tr(TALVO_TEXT("ChannelFilterBar",
                      "Shows only the channels that hold this text. Enter or F3: next; Esc: clear"),
           lang));
    closeButton_->setToolTip(Tr(TALVO_TEXT("ChannelFilterBar", "Close find (Esc)"), lang));
    closeButton_->setAccessibleName(Tr(TALVO_TEXT("ChannelFilterBar", "Close find"), lang));
    showCount(found_, position_);
}

void ChannelFilterBar::takeKeysOf(const QList<QAction*>& actions) {
    actions_ = actions;
    box_->addActions(actions);
}

bool ChannelFilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::ShortcutOverride) {
        // Kept from the box, so that the action's shortcut runs.
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* a : std::as_const(actions_)) {
            if (a->shortcuts().contains(pressed)) return true;
        }
    }
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
