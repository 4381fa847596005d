#include "ui/grid_helpers.h"

#include <QTableWidget>

namespace talvo {

void FillCenteredItems(QTableWidget* grid) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid->setItem(r, c, item);
        }
    }
}

void ShadeEvenRows(QTableWidget* grid, const QColor& colour) {
    for (int r = 1; r < grid->rowCount(); r += 2) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            if (QTableWidgetItem* item = grid->item(r, c)) item->setBackground(colour);
        }
    }
}

void SetCellText(QTableWidget* grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid->item(row, column);
    if (item && item->text() != text) item->setText(text);
}

}  // namespace talvo
