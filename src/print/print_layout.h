#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <variant>
#include <vector>

#include "print/print_document.h"

class QPaintDevice;

namespace talvo {

// A frame or a shaded box: `border` flags the sides drawn (left, top, right, bottom), or
// `outlined` draws the rectangle as one shape (a grid cell); `fill` is invalid for none.
struct PrintBox {
    QRectF rect;
    QColor fill;
    QString border;
    bool outlined = false;
};

// A text where it is painted: `room` is the space it is given (a cell inside its padding),
// `lines` what is painted there, top to bottom, in `font`.
struct PrintedText {
    QRectF room;
    QString text;
    QStringList lines;
    QFont font;
    Qt::Alignment alignment;
    bool fits = true;  // false: broken inside a word at the smallest size
};

struct PrintPage {
    std::vector<std::variant<PrintBox, PrintedText>> items;  // in painting order
};

// The printout laid out on `device`'s pages with its font metrics, nothing painted: titles
// centred, headings and two-cell rows in a centred column, grid tables scaled to the page
// width with their header repeated on every page they run onto. A text too wide for its room
// wraps (a grid cell first shrinks) and its row grows. An empty document has one page.
std::vector<PrintPage> LayOutDocument(const std::vector<PrintElement>& elements,
                                      const QPaintDevice& device);

// A printed text that does not fit, measured anew with `device`'s metrics: a line wider or
// lines taller than its room, a word missing from its lines, or broken inside a word.
struct CutPrintText {
    int page;
    QString text;
    qreal need;  // the widest line, pixels
    qreal room;
};
std::vector<CutPrintText> CutPrintTexts(const std::vector<PrintPage>& pages,
                                        const QPaintDevice& device);

}  // namespace talvo
