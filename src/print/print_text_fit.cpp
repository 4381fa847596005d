#include "print/print_text_fit.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>
#include <algorithm>
#include <optional>

namespace talvo {
namespace {

constexpr qreal kStepPoints = 0.5;

QFont Sized(const QFont& font, qreal points) {
    QFont sized = font;
    sized.setPointSizeF(points);
    return sized;
}

// `text` broken into lines no wider than `width` where the language allows a break (between
// words, between ideographs), or anywhere when `anywhere`. Nothing when a line stays too wide.
std::optional<QStringList> Wrapped(const QString& text, qreal width, const QFont& font,
                                   const QPaintDevice& device, bool anywhere) {
    QTextLayout layout(text, font, &device);
    QTextOption option;
    option.setWrapMode(anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                : QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    lines.removeAll(QString());
    if (lines.isEmpty()) lines << QString();
    if (WidestLine(lines, font, device) > width) return std::nullopt;
    return lines;
}

}  // namespace

qreal WidestLine(const QStringList& lines, const QFont& font, const QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    qreal widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

FittedText FitText(const QString& text, qreal width, const QFont& font, FitWay way,
                   const QPaintDevice& device, qreal shrinkFloor) {
    const qreal advance = QFontMetricsF(font, &device).horizontalAdvance(text);
    if (advance <= width || text.isEmpty()) return {font, {text}, true};
    const qreal base = font.pointSizeF();
    if (way == FitWay::Shrink) {
        // Sizes are not exactly proportional (hinting): aim a little below the width first.
        const qreal aimed = base * width / advance * 0.95;
        for (qreal size = std::max(shrinkFloor, std::min(aimed, base));;
             size = std::max(shrinkFloor, size - kStepPoints / 2)) {
            const QFont smaller = Sized(font, size);
            if (WidestLine({text}, smaller, device) <= width) return {smaller, {text}, true};
            if (size <= shrinkFloor) break;
        }
    }
    for (qreal size = base; size >= kPrintSmallestPoints; size -= kStepPoints) {
        const QFont sized = Sized(font, size);
        if (auto lines = Wrapped(text, width, sized, device, false)) return {sized, *lines, true};
    }
    const QFont smallest = Sized(font, kPrintSmallestPoints);
    return {smallest, Wrapped(text, width, smallest, device, true).value_or(QStringList{text}),
            false};
}

}  // namespace talvo
