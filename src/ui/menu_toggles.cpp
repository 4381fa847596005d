#include "ui/menu_toggles.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace talvo {
namespace {

class ToggleKeeper : public QObject {
  public:
    ToggleKeeper(QMenu* menu, const QList<QAction*>& toggles)
        : QObject(menu), menu_(menu), toggles_(toggles) {
        menu->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != menu_) return false;
        QAction* entry = nullptr;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                entry = menu_->actionAt(mouse->position().toPoint());
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
                entry = menu_->activeAction();
        }
        if (!entry || !entry->isEnabled() || !toggles_.contains(entry)) return false;
        entry->trigger();
        menu_->update();
        return true;
    }

  private:
    QMenu* menu_;
    QList<QAction*> toggles_;
};

}  // namespace

void KeepOpenOnToggles(QMenu* menu, const QList<QAction*>& toggles) {
    new ToggleKeeper(menu, toggles);
}

}  // namespace talvo
