#include "editors/channels/channel_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QWidget>

#include "lang/catalogue.h"

namespace talvo {
namespace {

struct OpSpec {
    const char* objectName;
    Text text;
    QList<QKeySequence> keys;
};

const std::array<OpSpec, kChannelOpCount>& Specs() {
    static const std::array<OpSpec, kChannelOpCount> specs = {{
        {"MNChCut", TALVO_TEXT("ChannelActions", "Cut Channels(&T)"),
         QKeySequence::keyBindings(QKeySequence::Cut)},
        {"MNChCopy", TALVO_TEXT("ChannelActions", "Copy Channels(&C)"),
         QKeySequence::keyBindings(QKeySequence::Copy)},
        {"MNChPaste", TALVO_TEXT("ChannelActions", "Paste Channels(&V)"),
         QKeySequence::keyBindings(QKeySequence::Paste)},
        {"MNChDelete",
         TALVO_TEXT("ChannelActions", "Delete Channels(&E)"),
         {QKeySequence(Qt::Key_Delete)}},
        {"MNChInsert",
         TALVO_TEXT("ChannelActions", "Insert Free Channel(&I)"),
         {QKeySequence(Qt::Key_Insert)}},
        {"MNChDeleteUp",
         TALVO_TEXT("ChannelActions", "Delete and Move Up(&L)"),
         {QKeySequence(Qt::CTRL | Qt::Key_Delete)}},
        {"MNChMoveUp",
         TALVO_TEXT("ChannelActions", "Move Channels Up(&U)"),
         {QKeySequence(Qt::ALT | Qt::Key_Up)}},
        {"MNChMoveDown",
         TALVO_TEXT("ChannelActions", "Move Channels Down(&O)"),
         {QKeySequence(Qt::ALT | Qt::Key_Down)}},
    }};
    return specs;
}

}  // namespace

ChannelActions::ChannelActions(QWidget* grid) {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const OpSpec& spec = Specs()[i];
        auto* action = new QAction(grid);
        action->setObjectName(QLatin1String(spec.objectName));
        action->setShortcuts(spec.keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        grid->addAction(action);
        actions_[i] = action;
    }
    applyLanguage(kChinese);
}

void ChannelActions::addTo(QMenu* menu) const {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const auto op = static_cast<ChannelOp>(i);
        if (op == ChannelOp::Insert || op == ChannelOp::MoveUp) menu->addSeparator();
        menu->addAction(actions_[i]);
    }
}

void ChannelActions::applyLanguage(Language lang) {
    if (!IsKnownLanguage(lang)) return;
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const OpSpec& spec = Specs()[i];
        actions_[i]->setText(Tr(spec.text, lang));
    }
}

}  // namespace talvo
