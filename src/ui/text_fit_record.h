#pragma once

#include <QFont>
#include <QHash>
#include <QString>

class QComboBox;
class QHeaderView;
class QLabel;
class QObject;
class QRect;
class QWidget;

// What the fit passes remember of each widget for its lifetime: what they measured, so that
// texts seen before are not measured again, and what they changed, so that the next pass takes
// it back first (ui/text_fit.h).
namespace talvo::fit {

struct FitRecord {
    bool changed = false;
    QFont font;                  // the font the widths below were measured with
    QHash<QString, int> widths;  // a cell's or a section's text -> the width it needs
    QFont popupFont;             // the font of a list's popup, for the widths below
    QHash<QString, int> popups;  // a list's entries, joined -> the width its popup needs
};

FitRecord& RecordOf(QObject* o);
// The widths `o` knows for `font`; forgotten when the font changed or they grew many.
QHash<QString, int>& KnownWidths(QObject* o, const QFont& font);

// Takes back what an earlier pass changed on `w`, where nothing else changed it since.
void Restore(QWidget* w);

// Changes, each remembered so that the next pass can take it back.
void SetRect(QWidget* w, const QRect& rect);
void SetFont(QWidget* w, const QFont& font);
void ResizeSection(QHeaderView* h, int section, int size);
void SetWordWrap(QLabel* label);
void SetPopupWidth(QComboBox* c, int width);

}  // namespace talvo::fit
