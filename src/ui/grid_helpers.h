#pragma once

#include <QColor>
#include <QString>

class QTableWidget;

namespace talvo {

// Window measures are kept in twips; 15 twips make one pixel at normal resolution.
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Fills every cell of `grid` with a read-only item centred both ways.
void FillCenteredItems(QTableWidget* grid);

// Gives every cell of the rows 2, 4, 6, ... (counting the first data row as 1) `colour`.
void ShadeEvenRows(QTableWidget* grid, const QColor& colour);

// Writes `text` into cell (row, column) when it differs (unchanged cells cost no repaint).
void SetCellText(QTableWidget* grid, int row, int column, const QString& text);

}  // namespace talvo
