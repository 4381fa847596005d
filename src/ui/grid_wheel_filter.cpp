#include "ui/grid_wheel_filter.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

namespace talvo {

GridWheelFilter::GridWheelFilter(QAbstractScrollArea* grid) : QObject(grid) {
    // The cells, the scroll bars and, through the grid itself, the headers (whose unused
    // wheel events pass up to the grid).
    grid->viewport()->installEventFilter(this);
    grid->verticalScrollBar()->installEventFilter(this);
    grid->horizontalScrollBar()->installEventFilter(this);
    grid->installEventFilter(this);
}

bool GridWheelFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    emit turned(wheel->angleDelta().y());
    return true;
}

void ScrollOneRow(QTableView* grid, int rotation) {
    if (rotation == 0) return;
    // Rows scroll per item, so the vertical bar's value is the first visible row; the bar
    // clamps the value to the grid's rows.
    QScrollBar* bar = grid->verticalScrollBar();
    bar->setValue(bar->value() + (rotation < 0 ? 1 : -1));
}

}  // namespace talvo
