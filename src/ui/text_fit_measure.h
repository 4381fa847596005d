#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

#include "ui/text_fit.h"

class QComboBox;
class QHeaderView;
class QTableView;
class QWidget;

// How much room the texts of a window need and have (ui/text_fit.h).
namespace talvo::fit {

// A widget's text: the width it needs, aligned in the area the widget draws it in.
struct Measure {
    QString text;
    int need = 0;
    QRect area;
    Qt::Alignment align = Qt::AlignLeft;
    bool vertical = false;  // a wrapped caption: `need` and the area's height are heights
};

// The caption of a label, button, frame or list; none for other widgets and empty texts.
std::optional<Measure> MeasureWidget(const QWidget* w);
// The caption of `w` when it does not fit the room its widget and parents give it.
std::optional<UnfitText> Unfit(const QWidget* w, const QWidget* root);

// The widgets of `root` that show (itself, unless it is a hidden window), parents before their
// children; a hidden widget's children are passed over at once.
QList<QWidget*> ShownWidgets(QWidget* root);

// A table's shown column header, or null.
QHeaderView* Columns(QWidget* w);
// The widest cell of `column`: its text and the width it needs (0 for an empty column).
UnfitText WidestCell(QTableView* view, int column);
// The widest cell of `column` when it is wider than the column allows.
std::optional<UnfitText> UnfitCells(QTableView* view, int column);
// The width a section's title takes with the style's margins on both sides (and the sort mark
// where it shows).
int SectionNeed(const QHeaderView* h, int section);
// The popup of a list shows every entry at full length.
std::optional<UnfitText> UnfitPopup(QComboBox* c);

// Every text of `w` that does not fit: its caption, a list's popup, tabs, sections, cells.
void CollectUnfit(QWidget* w, const QWidget* root, QList<UnfitText>& out);

}  // namespace talvo::fit
