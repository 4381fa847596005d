#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;

namespace talvo {

// The smallest size a printed text is given to make it fit; below it a text stays readable
// only on a magnifier.
inline constexpr qreal kPrintSmallestPoints = 6;

// How a text that is too wide for its room is made to fit.
enum class FitWay {
    Wrap,    // onto more lines in its size, smaller only when one word is too wide
    Shrink,  // smaller on one line down to `shrinkFloor`, then onto more lines
};

// A text as it is painted: its font and its lines, top to bottom.
struct FittedText {
    QFont font;
    QStringList lines;
    // False when even at kPrintSmallestPoints a word was wider than the room and was broken
    // inside (nothing is dropped, but the text is reported).
    bool fits = true;
};

// Fits `text` into `width` device pixels, measured with `device`'s metrics. A text that fits
// keeps `font` and its one line.
FittedText FitText(const QString& text, qreal width, const QFont& font, FitWay way,
                   const QPaintDevice& device, qreal shrinkFloor = kPrintSmallestPoints);

// The widest of `lines` in `font` on `device`.
qreal WidestLine(const QStringList& lines, const QFont& font, const QPaintDevice& device);

}  // namespace talvo
