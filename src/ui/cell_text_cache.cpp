#include "ui/cell_text_cache.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <utility>

namespace talvo {
namespace {

// More than a full channel grid's 1,408 cells, so all of a grid's texts fit at once; the
// bound only keeps a long session's memory flat.
constexpr qsizetype kMaxEntries = 2048;

}  // namespace

QRect CellTextCache::textRect(const QStyleOptionViewItem& option, QStyle* style) {
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget)
        .adjusted(margin, 0, -margin, 0);
}

QRect CellTextCache::room(const QStyleOptionViewItem& option, QStyle* style) {
    using Item = QStyleOptionViewItem;
    if (option.features & (Item::HasCheckIndicator | Item::HasDecoration)) {
        return textRect(option, style);
    }
    const RoomKey key{option.rect.size(), option.features.toInt(), option.direction, style};
    auto at = rooms_.constFind(key);
    if (at == rooms_.cend()) {
        if (rooms_.size() >= kMaxEntries) rooms_.clear();
        const QRect text = textRect(option, style);
        const QRect cell = option.rect;
        at = rooms_.insert(key,
                           QMargins(text.left() - cell.left(), text.top() - cell.top(),
                                    cell.right() - text.right(), cell.bottom() - text.bottom()));
    }
    return option.rect.marginsRemoved(*at);
}

void CellTextCache::useFont(const QFont& font) {
    if (font == font_) return;
    entries_.clear();
    rooms_.clear();
    font_ = font;
}

const CellTextCache::Line& CellTextCache::line(const Key& key) {
    if (entries_.size() >= kMaxEntries) entries_.clear();
    auto at = entries_.constFind(key);
    if (at == entries_.cend()) {
        // Laid out as the style lays out a cell's text: one line as wide as the room, the
        // alignment taken by the line.
        auto made = std::make_shared<Line>();
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        option.setTextDirection(key.direction);
        option.setAlignment(key.align);
        made->layout.setText(key.text);
        made->layout.setFont(font_);
        made->layout.setTextOption(option);
        made->layout.setCacheEnabled(true);
        made->layout.beginLayout();
        QTextLine line = made->layout.createLine();
        line.setLineWidth(key.width);
        line.setPosition(QPointF(0, 0));
        made->height = static_cast<int>(line.height());
        // A line separator in the text starts a second line; the style elides the first.
        QTextLine second = made->layout.createLine();
        made->oneLine = !second.isValid();
        if (second.isValid()) second.setLineWidth(key.width);
        made->layout.endLayout();
        at = entries_.insert(key, std::move(made));
    }
    return **at;
}

void CellTextCache::drawItem(QPainter* painter, QStyleOptionViewItem option, QStyle* style) {
    useFont(option.font);
    const QString text = std::exchange(option.text, QString());
    // Without its text the style neither lays it out to measure it nor draws it.
    const QRect room = this->room(option, style);
    const Qt::Alignment align = QStyle::visualAlignment(option.direction, option.displayAlignment);
    const Line* cached = nullptr;
    if (!text.isEmpty() && !(option.state & QStyle::State_Editing)) {
        cached = &line({text, room.width(), align, option.direction});
        if (!cached->oneLine) cached = nullptr;
    }
    if (!cached) {
        option.text = text;
        style->drawControl(QStyle::CE_ItemViewItem, &option, painter, option.widget);
        return;
    }
    // Told the cell shows no text at all, the style does not lay out an empty one to size it.
    // The focus frame, and a selection that leaves the decoration out, are placed by the text,
    // so those cells keep the flag.
    const QStyleOptionViewItem::ViewItemFeatures features = option.features;
    if (!(option.state & QStyle::State_HasFocus) && option.showDecorationSelected) {
        option.features &= ~QStyleOptionViewItem::HasDisplay;
    }
    style->drawControl(QStyle::CE_ItemViewItem, &option, painter, option.widget);
    option.features = features;

    int y = room.top();
    if (align & Qt::AlignBottom) {
        y += room.height() - cached->height;
    } else if (align & Qt::AlignVCenter) {
        // Halved apart, as QStyle::alignedRect does: a line taller than the cell by one
        // pixel starts one pixel above it.
        y += room.height() / 2 - cached->height / 2;
    }
    QPalette::ColorGroup group =
        option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(option.state & QStyle::State_Active)) {
        group = QPalette::Inactive;
    }
    const QPalette::ColorRole role =
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;

    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    painter->setPen(option.palette.color(group, role));
    cached->layout.draw(painter, QPointF(room.left(), y));
    painter->restore();
}

}  // namespace talvo
