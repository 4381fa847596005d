#pragma once

class QComboBox;
class QTableView;
class QWidget;

// The changes that make a cut text fit, each remembered so that the next pass can take it back
// (ui/text_fit.h).
namespace talvo::fit {

// A widget placed by hand widens into free room beside it, a caption with room for more lines
// wraps, and only then its font gets smaller, down to kMinimumFitPoints.
void FitWidget(QWidget* w, QWidget* root);
// Columns widen first into the room the view has to spare, so that no scroll bar comes; then
// the header's font gets smaller; then the columns widen as far as they need, and scroll.
void FitTable(QTableView* view);
// A list's popup widens to its widest entry.
void FitPopup(QComboBox* c);
// A window that a layout places grows to what the layout needs when a text of it is cut.
void GrowToLayout(QWidget* window);

}  // namespace talvo::fit
