#include "print/print_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>
#include <tuple>

#include "print/cell_text.h"
#include "print/print_renderer.h"
#include "print/print_text_fit.h"

namespace talvo {
namespace {

constexpr qreal kTitlePoints = 14;  // regular weight
constexpr qreal kHeadingPoints = 12;
constexpr qreal kBodyPoints = 10;
constexpr qreal kGridPoints = 8;
// A grid cell shrinks this far on one line before it wraps (a long header in a narrow column).
constexpr qreal kGridShrinkFloor = 6.5;
constexpr qreal kTwipsPerInch = 1440;
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

qreal LineSpacing(const QFont& font, const QPaintDevice& device) {
    return QFontMetricsF(font, &device).lineSpacing();
}

// The height the lines of `t` take.
qreal LinesHeight(const PrintedText& t, const QPaintDevice& device) {
    return static_cast<qreal>(t.lines.size()) * LineSpacing(t.font, device);
}

class PageLayout {
  public:
    explicit PageLayout(const QPaintDevice& device)
        : device_(device),
          width_(device.width()),
          height_(device.height()),
          pixelsPerTwip_(device.logicalDpiX() / kTwipsPerInch),
          padding_(device.logicalDpiX() / 24.0) {}

    std::vector<PrintPage> pages() && {
        if (pages_.empty()) newPage();  // an empty document still has its page
        return std::move(pages_);
    }

    void newPage() {
        pages_.emplace_back();
        y_ = 0;
    }

    void title(const QString& text) {
        line(text, PrintFont(kTitlePoints, false), 1.6, 0, Qt::AlignCenter);
    }

    void heading(const QString& text) {
        line(text, PrintFont(kHeadingPoints, true), 1.4, columnLeft(),
             Qt::AlignLeft | Qt::AlignVCenter);
    }

    void lineFeed() {
        if (pages_.empty()) newPage();
        y_ += LineSpacing(PrintFont(kBodyPoints, false), device_);
    }

    void cell(const PrintElement& e) { row_.push_back(&e); }

    void endRow() {
        const QFont font = PrintFont(kBodyPoints, false);
        std::vector<PrintBox> boxes;
        std::vector<PrintedText> texts;
        qreal h = LineSpacing(font, device_) + 2 * padding_;
        qreal x = columnLeft();
        for (const PrintElement* c : row_) {
            const qreal w = c->widthTwips * pixelsPerTwip_;
            boxes.push_back({QRectF(x, 0, w, 0), QColor(), c->border, false});
            texts.push_back(fitted(c->text, QRectF(x + padding_, 0, w - 2 * padding_, 0), font,
                                   AlignmentOf(c->alignment), FitWay::Wrap));
            h = std::max(h, LinesHeight(texts.back(), device_) + 2 * padding_);
            x += w;
        }
        row_.clear();
        reserve(h);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            boxes[i].rect.setTop(y_);
            boxes[i].rect.setHeight(h);
            texts[i].room.setTop(y_);
            texts[i].room.setHeight(h);
            add(boxes[i]);
            add(texts[i]);
        }
        y_ += h;
    }

    void grid(const PrintGrid& g, const QString& caption) {
        const QFont captionFont = PrintFont(kBodyPoints, true);
        const QFont font = PrintFont(kGridPoints, false);

        const int totalTwips = std::accumulate(g.columnTwips.begin(), g.columnTwips.end(), 0);
        const qreal scale =
            totalTwips > 0 ? std::min(pixelsPerTwip_, width_ / totalTwips) : pixelsPerTwip_;
        std::vector<qreal> widths;
        for (int t : g.columnTwips) widths.push_back(t * scale);
        const qreal left = (width_ - totalTwips * scale) / 2;

        // One row's boxes and texts, laid out from the top 0, and its height.
        auto rowOf = [&](const QStringList& texts, const QColor& fill) {
            std::vector<PrintBox> boxes;
            std::vector<PrintedText> placed;
            qreal h = LineSpacing(font, device_) + padding_;
            qreal x = left;
            for (std::size_t c = 0; c < widths.size(); ++c) {
                const QString text = c < static_cast<std::size_t>(texts.size())
                                         ? texts[static_cast<qsizetype>(c)]
                                         : QString();
                boxes.push_back({QRectF(x, 0, widths[c], 0), fill, QString(), true});
                placed.push_back(fitted(text, QRectF(x + padding_ / 2, 0, widths[c] - padding_, 0),
                                        font, Qt::AlignCenter, FitWay::Shrink));
                h = std::max(h, LinesHeight(placed.back(), device_) + padding_);
                x += widths[c];
            }
            return std::make_tuple(std::move(boxes), std::move(placed), h);
        };
        auto place = [&](const auto& row) {
            const auto& [boxes, texts, h] = row;
            for (std::size_t c = 0; c < boxes.size(); ++c) {
                PrintBox box = boxes[c];
                box.rect.moveTop(y_);
                box.rect.setHeight(h);
                PrintedText text = texts[c];
                text.room.moveTop(y_);
                text.room.setHeight(h);
                add(box);
                add(text);
            }
            y_ += h;
        };

        const auto header = rowOf(g.header, kGridHeaderColour);
        std::vector<decltype(rowOf(g.header, {}))> rows;
        for (const QStringList& row : g.rows) {
            // Rows keep the shading of the grid on screen: even channel numbers.
            const bool even = !row.isEmpty() && row.first().toInt() % 2 == 0;
            rows.push_back(rowOf(row, even ? kChannelEvenRowColour : QColor()));
        }

        // The caption never stands alone at the foot of a page.
        PrintedText title = fitted(caption, QRectF(left, 0, width_ - left, 0), captionFont,
                                   Qt::AlignLeft | Qt::AlignVCenter, FitWay::Wrap);
        const qreal captionHeight = grown(title, 1.4);
        const qreal firstRow = rows.empty() ? std::get<2>(header) : std::get<2>(rows.front());
        reserve(captionHeight + std::get<2>(header) + firstRow);
        title.room.moveTop(y_);
        title.room.setHeight(captionHeight);
        add(title);
        y_ += captionHeight;

        place(header);
        for (const auto& row : rows) {
            if (y_ + std::get<2>(row) > height_) {
                newPage();
                place(header);
            }
            place(row);
        }
    }

  private:
    // Two 4500-twip cells make the column that headings and rows share.
    qreal columnLeft() const { return std::max<qreal>(0, (width_ - 9000 * pixelsPerTwip_) / 2); }

    PrintedText fitted(const QString& text, const QRectF& room, const QFont& font,
                       Qt::Alignment alignment, FitWay way) const {
        FittedText fit = FitText(text, room.width(), font, way, device_, kGridShrinkFloor);
        return {room, text, std::move(fit.lines), fit.font, alignment, fit.fits};
    }

    // A title's or heading's height: `spacing` lines of its font, and more for further lines.
    qreal grown(const PrintedText& t, qreal spacing) const {
        const qreal line = LineSpacing(t.font, device_);
        return std::max(line * spacing, LinesHeight(t, device_) + line * (spacing - 1));
    }

    // A title or heading: one line of its own from `left` to the right edge.
    void line(const QString& text, const QFont& font, qreal spacing, qreal left,
              Qt::Alignment alignment) {
        PrintedText t =
            fitted(text, QRectF(left, 0, width_ - left, 0), font, alignment, FitWay::Wrap);
        const qreal h = grown(t, spacing);
        reserve(h);
        t.room.moveTop(y_);
        t.room.setHeight(h);
        add(t);
        y_ += h;
    }

    void add(std::variant<PrintBox, PrintedText> item) {
        pages_.back().items.push_back(std::move(item));
    }

    void reserve(qreal h) {
        if (pages_.empty() || (y_ + h > height_ && y_ > 0)) newPage();
    }

    const QPaintDevice& device_;
    qreal width_;
    qreal height_;
    qreal pixelsPerTwip_;
    qreal padding_;
    qreal y_ = 0;
    std::vector<PrintPage> pages_;
    std::vector<const PrintElement*> row_;
};

// Every word of `text`, in order, is in `lines` (a break may fall inside a word).
bool Complete(const QString& text, const QStringList& lines) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return QString(text).remove(space) == lines.join(QString()).remove(space);
}

}  // namespace

std::vector<PrintPage> LayOutDocument(const std::vector<PrintElement>& elements,
                                      const QPaintDevice& device) {
    PageLayout layout(device);
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
    return std::move(layout).pages();
}

std::vector<CutPrintText> CutPrintTexts(const std::vector<PrintPage>& pages,
                                        const QPaintDevice& device) {
    // Rounding of the metrics between a layout and its measure.
    constexpr qreal kSlack = 0.01;
    std::vector<CutPrintText> cut;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (const auto& item : pages[page].items) {
            const auto* t = std::get_if<PrintedText>(&item);
            if (!t) continue;
            const qreal need = WidestLine(t->lines, t->font, device);
            const bool fits = t->fits && need <= t->room.width() + kSlack &&
                              LinesHeight(*t, device) <= t->room.height() + kSlack &&
                              Complete(t->text, t->lines);
            if (!fits) cut.push_back({static_cast<int>(page), t->text, need, t->room.width()});
        }
    }
    return cut;
}

}  // namespace talvo
