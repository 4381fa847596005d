#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "ui/cell_text_cache.h"

class QTableWidget;

namespace talvo {

// Draws the channel grid's cells with two marks of its own: the channels chosen for the
// channel operations (the number cell filled, the row tinted) and a frame around the current
// cell, so the keyboard's place is visible whatever the style does with focus. The columns keep
// their fixed widths, so a cell whose text they cut tells its whole text in its tool tip.
class ChannelGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using ChosenTest = std::function<bool(int channel)>;
    ChannelGridDelegate(QTableWidget* grid, ChosenTest chosen);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // A cell too narrow for its text shows the whole text as its tool tip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  private:
    QTableWidget* grid_;
    ChosenTest chosen_;
    mutable CellTextCache texts_;
};

}  // namespace talvo
