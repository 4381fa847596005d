#include "editors/options/window_support.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollArea>
#include <algorithm>

namespace talvo {
namespace {

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

class LeaveCheckFilter : public QObject {
  public:
    LeaveCheckFilter(QWidget* field, EnterKey enter, std::function<void()> check)
        : QObject(field), enter_(enter), check_(std::move(check)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (IsEnter(event)) {
            if (enter_ == EnterKey::RunsCheck && check_) check_();
            return true;
        }
        if (event->type() == QEvent::FocusOut && check_) {
            // A context menu opened on the field is not leaving it.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) check_();
        }
        return false;
    }

  private:
    EnterKey enter_;
    std::function<void()> check_;
};

class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget* widget, std::function<void()> onClick)
        : QObject(widget), onClick_(std::move(onClick)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            onClick_();
        }
        return false;
    }

  private:
    std::function<void()> onClick_;
};

}  // namespace

void RelabelEntries(QComboBox* list, int count, const std::function<QString(int)>& entry) {
    const QSignalBlocker block(list);
    for (int i = 0; i < count; ++i) {
        if (i < list->count()) {
            list->setItemText(i, entry(i));
        } else if (i == list->count()) {
            list->addItem(entry(i));
        }
    }
}

void HideWindowHost(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        frame->hide();
    } else {
        window->hide();
    }
}

void GrowFrameToContents(QWidget* window) {
    QScrollArea* scroll = nullptr;
    QMdiSubWindow* frame = nullptr;
    for (QWidget* w = window->parentWidget(); w && !frame; w = w->parentWidget()) {
        if (!scroll) scroll = qobject_cast<QScrollArea*>(w);
        frame = qobject_cast<QMdiSubWindow*>(w);
    }
    if (!scroll || !frame) return;
    const QSize grow =
        (window->minimumSizeHint() - scroll->maximumViewportSize()).expandedTo(QSize(0, 0));
    if (grow.isNull()) return;
    QSize size = frame->size() + grow;
    QMdiArea* area = frame->mdiArea();
    if (area) size = size.boundedTo(area->viewport()->size()).expandedTo(frame->size());
    frame->resize(size);
    if (area) {
        // Whole inside the area, as a frame is placed when shown.
        const QSize room = area->viewport()->size() - frame->size();
        frame->move(std::clamp(frame->x(), 0, std::max(0, room.width())),
                    std::clamp(frame->y(), 0, std::max(0, room.height())));
    }
}

void InstallTextFilter(QLineEdit* edit, std::function<std::string(std::string_view)> filter) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, filter](const QString& text) {
        const std::string typed = text.toStdString();
        const std::string kept = filter(typed);
        if (kept == typed) return;
        const QString before = text.left(edit->cursorPosition());
        const int cursor =
            static_cast<int>(QString::fromStdString(filter(before.toStdString())).size());
        edit->setText(QString::fromStdString(kept));
        edit->setCursorPosition(cursor);
    });
}

void InstallLeaveCheck(QLineEdit* edit, EnterKey enter, std::function<void()> check) {
    edit->installEventFilter(new LeaveCheckFilter(edit, enter, std::move(check)));
}

void DropEnterKey(QWidget* widget) {
    widget->installEventFilter(new LeaveCheckFilter(widget, EnterKey::Dropped, nullptr));
}

void InstallClickHandler(QWidget* widget, std::function<void()> onClick) {
    widget->installEventFilter(new ClickFilter(widget, std::move(onClick)));
}

}  // namespace talvo
