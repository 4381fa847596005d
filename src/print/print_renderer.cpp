#include "print/print_renderer.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "print/print_layout.h"

namespace talvo {
namespace {

constexpr qreal kMarginMillimetres = 15;

// Draws the sides of `r` that `border` asks for, in the order left, top, right, bottom.
void DrawBorder(QPainter& p, const QRectF& r, const QString& border) {
    auto on = [&border](int i) { return i < border.size() && border[i] == QLatin1Char('1'); };
    if (on(0)) p.drawLine(r.topLeft(), r.bottomLeft());
    if (on(1)) p.drawLine(r.topLeft(), r.topRight());
    if (on(2)) p.drawLine(r.topRight(), r.bottomRight());
    if (on(3)) p.drawLine(r.bottomLeft(), r.bottomRight());
}

void Paint(QPainter& p, const PrintBox& box) {
    if (box.fill.isValid()) p.fillRect(box.rect, box.fill);
    if (box.outlined) {
        p.drawRect(box.rect);
    } else {
        DrawBorder(p, box.rect, box.border);
    }
}

// One line in its room as it is; more lines one under the other, the block centred in height.
void Paint(QPainter& p, const PrintedText& t) {
    p.setFont(t.font);
    if (t.lines.size() == 1) {
        p.drawText(t.room, t.alignment, t.lines.front());
        return;
    }
    const qreal spacing = QFontMetricsF(t.font, p.device()).lineSpacing();
    qreal y = t.room.center().y() - spacing * static_cast<qreal>(t.lines.size()) / 2;
    const Qt::Alignment across = (t.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    for (const QString& line : t.lines) {
        p.drawText(QRectF(t.room.left(), y, t.room.width(), spacing), across, line);
        y += spacing;
    }
}

}  // namespace

QPageLayout PrintoutPageLayout() {
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                            kMarginMillimetres);
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins,
                       QPageLayout::Millimeter);
}

QFont PrintFont(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Arial")});
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

int RenderDocument(const std::vector<PrintElement>& elements, QPagedPaintDevice* device) {
    if (!device) return 0;
    const std::vector<PrintPage> pages = LayOutDocument(elements, *device);
    QPainter painter;
    if (!painter.begin(device)) return 0;
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, device->logicalDpiX() / 150.0));
    painter.setPen(pen);

    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) device->newPage();
        for (const auto& item : pages[page].items) {
            std::visit([&painter](const auto& i) { Paint(painter, i); }, item);
        }
    }
    return painter.end() ? static_cast<int>(pages.size()) : 0;
}

}  // namespace talvo
