#include "editors/channels/channel_grid_delegate.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTableWidget>
#include <QToolTip>

namespace talvo {
namespace {

QColor Blend(const QColor& under, const QColor& over, double share) {
    auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share); };
    return QColor(mix(under.red(), over.red()), mix(under.green(), over.green()),
                  mix(under.blue(), over.blue()));
}

}  // namespace

ChannelGridDelegate::ChannelGridDelegate(QTableWidget* grid, ChosenTest chosen)
    : QStyledItemDelegate(grid), grid_(grid), chosen_(std::move(chosen)) {}

void ChannelGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The frame below marks the current cell; the style's own focus mark (which some styles
    // draw only after a Tab) is left out.
    opt.state &= ~QStyle::State_HasFocus;
    const QPalette& colours = grid_->palette();
    const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
    if (chosen_ && chosen_(index.row() + 1)) {
        if (index.column() == 0) {
            opt.backgroundBrush = highlight;
            opt.palette.setColor(QPalette::Text,
                                 colours.color(QPalette::Active, QPalette::HighlightedText));
        } else {
            const QColor under = opt.backgroundBrush.style() == Qt::NoBrush
                                     ? colours.color(QPalette::Active, QPalette::Base)
                                     : opt.backgroundBrush.color();
            opt.backgroundBrush = Blend(under, highlight, 0.35);
        }
    }
    QStyle* style = opt.widget ? opt.widget->style() : grid_->style();
    texts_.drawItem(painter, opt, style);

    if (index == grid_->currentIndex() && index.column() > 0) {
        // Strong while the grid has the keyboard, thinner while it waits for it.
        const bool focused = grid_->hasFocus();
        const int width = focused ? 2 : 1;
        painter->save();
        painter->setPen(QPen(colours.color(QPalette::Active, QPalette::WindowText), width));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(
            QRectF(opt.rect).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
        painter->restore();
    }
}

bool ChannelGridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QStyle* style = opt.widget ? opt.widget->style() : grid_->style();
    const int room = CellTextCache::textRect(opt, style).width();
    if (!opt.text.isEmpty() && opt.fontMetrics.horizontalAdvance(opt.text) > room) {
        QToolTip::showText(event->globalPos(), opt.text, view->viewport(), option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

}  // namespace talvo
