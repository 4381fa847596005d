// Keys on the grid's current cell that open its editor as a spreadsheet does: F2 opens it
// keeping the cell's text, a typed character opens it with that character as the new entry.
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

#include "editors/channels/channel_table_window.h"
#include "editors/channels/drop_down_list.h"

namespace talvo {

bool ChannelTableWindow::cellKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F2 && modifiers == Qt::NoModifier) {
        gridClickArmed_ = true;
        openEditorOnCurrentCell(false);
        // The text is kept for changing, the cursor after it.
        if (auto* text = qobject_cast<QLineEdit*>(session_.widget)) text->end(false);
        return true;
    }
    const QString typed = event->text();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (typed.isEmpty() || !typed.front().isPrint()) return false;

    // The grid's own search by typed text never runs: it would move the current cell to
    // another channel than the one the user chose.
    gridClickArmed_ = true;
    openEditorOnCurrentCell(false);
    if (!session_.widget) return true;
    // The key goes on to the editor just opened, as if typed there: a text editor (its text
    // selected) takes it in place of the old value through its usual key rules, an open list
    // moves to the first entry that starts with it.
    QWidget* receiver = session_.widget;
    if (auto* list = qobject_cast<DropDownList*>(receiver); list && list->view()->isVisible()) {
        receiver = list->view();
    }
    const std::unique_ptr<QEvent> copy(event->clone());
    QCoreApplication::sendEvent(receiver, copy.get());
    return true;
}

}  // namespace talvo
