#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QObject;
class QWidget;

namespace talvo {

// A shown text that does not fit the room its widget gives it.
struct UnfitText {
    QPointer<QWidget> widget;
    QString text;
    int need = 0;  // pixels the text needs
    int room = 0;  // pixels it has (its widget's, less what the widget's parents cut off)
};

// The smallest font a text is made to fit with; a text that needs smaller stays cut.
inline constexpr double kMinimumFitPoints = 7.0;

// Every text shown in `root` (itself included) that does not fit: captions, buttons, check
// boxes, radio buttons, frame titles, tabs, a list's shown entry and its popup's entries, table
// headers and cells. Hidden widgets, line edits (data) and the rows a table has scrolled out of
// sight are left out; a parent that cuts a widget off counts, a scroll area's viewport does not.
QList<UnfitText> UnfitTexts(const QWidget* root);

// Makes the texts of `root` fit, in the order that changes the look least: a widget placed by
// hand widens into free room beside it (never over a sibling it did not overlap), a caption
// with room for more lines wraps, and only then its font gets smaller, down to
// kMinimumFitPoints. A window laid out by a layout grows to the layout's minimum; headers and
// columns widen to their contents; a list's popup to its widest entry. A text that fits is left
// exactly as it is, and what an earlier pass changed (and nothing changed since) goes back
// first, so a language whose texts fit looks as the windows were made. Returns what still does
// not fit.
QList<UnfitText> FitTexts(QWidget* root);

// From now on, as long as `owner` lives, every window is fitted when it is shown and after its
// texts change language.
void InstallTextFit(QObject* owner);

}  // namespace talvo
