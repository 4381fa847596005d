#include "print/print_renderer.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <numeric>

#include "print/cell_text.h"

namespace talvo {
namespace {

constexpr qreal kTitlePoints = 14;  // regular weight
constexpr qreal kHeadingPoints = 12;
constexpr qreal kBodyPoints = 10;
constexpr qreal kGridPoints = 8;
constexpr qreal kTwipsPerInch = 1440;
constexpr qreal kMarginMillimetres = 15;
const QColor kGridHeaderColour(225, 225, 225);

Qt::Alignment AlignmentOf(int code) {
    switch (code) {
        case 1:
            return Qt::AlignRight | Qt::AlignVCenter;
        case 2:
            return Qt::AlignCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Draws the sides of `r` that `border` asks for, in the order left, top, right, bottom.
void DrawBorder(QPainter& p, const QRectF& r, const QString& border) {
    auto on = [&border](int i) { return i < border.size() && border[i] == QLatin1Char('1'); };
    if (on(0)) p.drawLine(r.topLeft(), r.bottomLeft());
    if (on(1)) p.drawLine(r.topLeft(), r.topRight());
    if (on(2)) p.drawLine(r.topRight(), r.bottomRight());
    if (on(3)) p.drawLine(r.bottomLeft(), r.bottomRight());
}

// Draws `text` centred in `r`, in a smaller size when it is too wide (a long header in a
// narrow column), and cut off with an ellipsis only below the smallest readable size.
void DrawFitted(QPainter& p, const QRectF& r, const QString& text, const QFont& font) {
    constexpr qreal kSmallestPoints = 5.5;
    const qreal advance = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    QFont fitted = font;
    if (advance > r.width() && advance > 0) {
        // Sizes are not exactly proportional (hinting): aim a little below the width.
        const qreal size = font.pointSizeF() * r.width() / advance * 0.95;
        fitted.setPointSizeF(std::max(kSmallestPoints, size));
    }
    p.setFont(fitted);
    const QString shown =
        QFontMetricsF(fitted, p.device()).elidedText(text, Qt::ElideRight, r.width());
    p.drawText(r, Qt::AlignCenter, shown);
    p.setFont(font);
}

class PageLayout {
  public:
    PageLayout(QPainter& painter, QPagedPaintDevice* device)
        : p_(painter),
          device_(device),
          width_(device->width()),
          height_(device->height()),
          pixelsPerTwip_(device->logicalDpiX() / kTwipsPerInch),
          padding_(device->logicalDpiX() / 24.0) {}

    int pages() const { return pages_; }

    void newPage() {
        if (pages_ > 0) device_->newPage();
        ++pages_;
        y_ = 0;
    }

    void title(const QString& text) {
        const QFont font = PrintFont(kTitlePoints, false);
        const qreal h = QFontMetricsF(font, device_).lineSpacing() * 1.6;
        reserve(h);
        p_.setFont(font);
        p_.drawText(QRectF(0, y_, width_, h), Qt::AlignCenter, text);
        y_ += h;
    }

    void heading(const QString& text) {
        const QFont font = PrintFont(kHeadingPoints, true);
        const qreal h = QFontMetricsF(font, device_).lineSpacing() * 1.4;
        reserve(h);
        p_.setFont(font);
        p_.drawText(QRectF(columnLeft(), y_, width_ - columnLeft(), h),
                    Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += h;
    }

    void lineFeed() {
        if (pages_ == 0) newPage();
        y_ += QFontMetricsF(PrintFont(kBodyPoints, false), device_).lineSpacing();
    }

    void cell(const PrintElement& e) { row_.push_back(&e); }

    void endRow() {
        const QFont font = PrintFont(kBodyPoints, false);
        const qreal h = QFontMetricsF(font, device_).lineSpacing() + 2 * padding_;
        reserve(h);
        p_.setFont(font);
        const QFontMetricsF metrics(font, device_);
        qreal x = columnLeft();
        for (const PrintElement* c : row_) {
            const QRectF r(x, y_, c->widthTwips * pixelsPerTwip_, h);
            DrawBorder(p_, r, c->border);
            const QRectF inner = r.adjusted(padding_, 0, -padding_, 0);
            p_.drawText(inner, AlignmentOf(c->alignment),
                        metrics.elidedText(c->text, Qt::ElideRight, inner.width()));
            x += r.width();
        }
        row_.clear();
        y_ += h;
    }

    void grid(const PrintGrid& g, const QString& caption) {
        const QFont captionFont = PrintFont(kBodyPoints, true);
        const QFont font = PrintFont(kGridPoints, false);
        const qreal rowHeight = QFontMetricsF(font, device_).lineSpacing() + padding_;
        const qreal captionHeight = QFontMetricsF(captionFont, device_).lineSpacing() * 1.4;

        const int totalTwips = std::accumulate(g.columnTwips.begin(), g.columnTwips.end(), 0);
        const qreal scale =
            totalTwips > 0 ? std::min(pixelsPerTwip_, width_ / totalTwips) : pixelsPerTwip_;
        std::vector<qreal> widths;
        for (int t : g.columnTwips) widths.push_back(t * scale);
        const qreal left = (width_ - totalTwips * scale) / 2;

        // The caption never stands alone at the foot of a page.
        reserve(captionHeight + 2 * rowHeight);
        p_.setFont(captionFont);
        p_.drawText(QRectF(left, y_, width_ - left, captionHeight),
                    Qt::AlignLeft | Qt::AlignVCenter, caption);
        y_ += captionHeight;

        p_.setFont(font);
        auto drawRow = [&](const QStringList& texts, const QColor& fill) {
            qreal x = left;
            for (std::size_t c = 0; c < widths.size(); ++c) {
                const QRectF r(x, y_, widths[c], rowHeight);
                if (fill.isValid()) p_.fillRect(r, fill);
                p_.drawRect(r);
                const QString text = c < static_cast<std::size_t>(texts.size())
                                         ? texts[static_cast<qsizetype>(c)]
                                         : QString();
                const QRectF inner = r.adjusted(padding_ / 2, 0, -padding_ / 2, 0);
                DrawFitted(p_, inner, text, font);
                x += widths[c];
            }
            y_ += rowHeight;
        };
        drawRow(g.header, kGridHeaderColour);
        for (const QStringList& row : g.rows) {
            if (y_ + rowHeight > height_) {
                newPage();
                drawRow(g.header, kGridHeaderColour);
            }
            // Rows keep the shading of the grid on screen: even channel numbers.
            const bool even = !row.isEmpty() && row.first().toInt() % 2 == 0;
            drawRow(row, even ? kChannelEvenRowColour : QColor());
        }
    }

  private:
    // Two 4500-twip cells make the column that headings and rows share.
    qreal columnLeft() const { return std::max<qreal>(0, (width_ - 9000 * pixelsPerTwip_) / 2); }

    void reserve(qreal h) {
        if (pages_ == 0) {
            newPage();
        } else if (y_ + h > height_ && y_ > 0) {
            newPage();
        }
    }

    QPainter& p_;
    QPagedPaintDevice* device_;
    qreal width_;
    qreal height_;
    qreal pixelsPerTwip_;
    qreal padding_;
    qreal y_ = 0;
    int pages_ = 0;
    std::vector<const PrintElement*> row_;
};

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
    QPainter painter;
    if (!painter.begin(device)) return 0;
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, device->logicalDpiX() / 150.0));
    painter.setPen(pen);

    PageLayout layout(painter, device);
    for (const PrintElement& e : elements) {
        switch (e.kind) {
            case PrintElementKind::NewPage:
                layout.newPage();
                break;
            case PrintElementKind::Title:
                layout.title(e.text);
                break;
            case PrintElementKind::Heading:
                layout.heading(e.text);
                break;
            case PrintElementKind::LineFeed:
                layout.lineFeed();
                break;
            case PrintElementKind::Cell:
                layout.cell(e);
                break;
            case PrintElementKind::EndRow:
                layout.endRow();
                break;
            case PrintElementKind::GridTable:
                layout.grid(e.grid, e.text);
                break;
        }
    }
    if (layout.pages() == 0) layout.newPage();  // an empty document still has its page
    return painter.end() ? layout.pages() : 0;
}

}  // namespace talvo
