#include "editors/channels/drop_down_list.h"

#include <QAbstractItemView>
#include <QEvent>

namespace talvo {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    // The list's popup window may close itself (Escape) without going through hidePopup(),
    // so its hiding is watched directly.
    popup_ = view()->parentWidget();
    if (popup_) popup_->installEventFilter(this);
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == popup_ && event->type() == QEvent::Hide) emit popupClosed();
    return QComboBox::eventFilter(watched, event);
}

}  // namespace talvo
