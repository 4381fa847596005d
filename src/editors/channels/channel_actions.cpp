#include "editors/channels/channel_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QWidget>

namespace talvo {
namespace {

struct OpSpec {
    const char* objectName;
    const char* zh;
    const char* en;
    QList<QKeySequence> keys;
};

const std::array<OpSpec, kChannelOpCount>& Specs() {
    static const std::array<OpSpec, kChannelOpCount> specs = {{
        {"MNChCut", "剪切信道(&T)", "Cut Channels(&T)",
         QKeySequence::keyBindings(QKeySequence::Cut)},
        {"MNChCopy", "复制信道(&C)", "Copy Channels(&C)",
         QKeySequence::keyBindings(QKeySequence::Copy)},
        {"MNChPaste", "粘贴信道(&V)", "Paste Channels(&V)",
         QKeySequence::keyBindings(QKeySequence::Paste)},
        {"MNChDelete", "删除信道(&E)", "Delete Channels(&E)", {QKeySequence(Qt::Key_Delete)}},
        {"MNChInsert", "插入空信道(&I)", "Insert Free Channel(&I)", {QKeySequence(Qt::Key_Insert)}},
        {"MNChDeleteUp",
         "删除并上移(&L)",
         "Delete and Move Up(&L)",
         {QKeySequence(Qt::CTRL | Qt::Key_Delete)}},
        {"MNChMoveUp",
         "上移信道(&U)",
         "Move Channels Up(&U)",
         {QKeySequence(Qt::ALT | Qt::Key_Up)}},
        {"MNChMoveDown",
         "下移信道(&O)",
         "Move Channels Down(&O)",
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

void ChannelActions::applyLanguage(LanguageFlagValue lang) {
    if (!IsKnownLanguage(lang)) return;
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const OpSpec& spec = Specs()[i];
        actions_[i]->setText(QString::fromUtf8(lang == kChinese ? spec.zh : spec.en));
    }
}

}  // namespace talvo
