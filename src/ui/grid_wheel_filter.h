#pragma once

#include <QObject>

class QAbstractScrollArea;
class QTableView;

namespace talvo {

// Takes every wheel event over a grid (cells, headers, scroll bars) away from it, so its own
// wheel scrolling never runs, and reports each one, whatever its distance, as one `turned`.
class GridWheelFilter : public QObject {
    Q_OBJECT
  public:
    explicit GridWheelFilter(QAbstractScrollArea* grid);

  signals:
    // `rotation` > 0: the wheel turned away from the user; < 0: towards the user.
    void turned(int rotation);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Moves the first visible data row of `grid` one row up (rotation > 0) or down (rotation < 0),
// staying within the grid's rows. A rotation of 0 moves nothing.
void ScrollOneRow(QTableView* grid, int rotation);

}  // namespace talvo
