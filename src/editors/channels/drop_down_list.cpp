#include "editors/channels/drop_down_list.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QScrollBar>

namespace talvo {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    // The list drops open below the cell, at most maxVisibleItems() entries high, whatever
    // the style would do by itself (some put the popup over the box and let a long list,
    // like the 265 tones, fill the screen).
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    // The list's popup window may close itself (Escape) without going through hidePopup(),
    // so its hiding is watched directly.
    popup_ = view()->parentWidget();
    if (popup_) popup_->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
}

void DropDownList::showPopupForPress() {
    showPopup();
    keepOpenOnRelease_ = view()->isVisible();
}

void DropDownList::showPopup() {
    // The box is only as wide as its cell; the entries of a narrow column ("Middle" under
    // "Power") must still be readable in full.
    QAbstractItemView* list = view();
    const int bar = count() > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(list->sizeHintForColumn(0) + bar + 2 * list->frameWidth());
    QComboBox::showPopup();
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == popup_) {
        switch (event->type()) {
            case QEvent::Hide:
                keepOpenOnRelease_ = false;
                emit popupClosed();
                break;
            case QEvent::MouseButtonPress:
                keepOpenOnRelease_ = false;
                break;
            case QEvent::MouseButtonRelease:
                // While the list is open the pointer belongs to it: the release of the press
                // that opened it arrives here, outside the entries, and would close it again.
                if (keepOpenOnRelease_) {
                    keepOpenOnRelease_ = false;
                    return true;
                }
                break;
            default:
                break;
        }
    } else if (watched == view()->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                                 event->type() == QEvent::MouseButtonRelease)) {
        // The opening press ended over the entries: the list handles it as its own.
        keepOpenOnRelease_ = false;
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace talvo
