#pragma once

#include <QFont>
#include <QHash>
#include <QMargins>
#include <QSize>
#include <QString>
#include <QStyleOptionViewItem>
#include <QTextLayout>
#include <memory>

class QPainter;
class QRect;
class QStyle;

namespace talvo {

// Draws item view cells as the style does, their one-line texts from layouts kept per
// distinct text and width. Laying each text out again on every paint (the style's way) is
// most of the cost of repainting a full grid. Entries are keyed by the text itself, so a cell
// whose text changes simply finds (or makes) another entry and can never show a stale one.
class CellTextCache {
  public:
    // Draws the cell `option` describes as style->drawControl(CE_ItemViewItem) does. A text of
    // more than one line, or a cell being edited, is left wholly to the style.
    void drawItem(QPainter* painter, QStyleOptionViewItem option, QStyle* style);
    // The room the style leaves for a cell's text: its text rectangle less its margins.
    static QRect textRect(const QStyleOptionViewItem& option, QStyle* style);

  private:
    struct Key {
        QString text;
        int width = 0;
        Qt::Alignment align;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed) {
            return qHashMulti(seed, key.text, key.width, key.align.toInt(), key.direction);
        }
    };
    struct Line {
        QTextLayout layout;
        int height = 0;
        bool oneLine = true;
    };
    // A plain cell's text room is the same for every cell of its size: asked of the style once.
    struct RoomKey {
        QSize size;
        unsigned features = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        const QStyle* style = nullptr;
        bool operator==(const RoomKey&) const = default;
        friend size_t qHash(const RoomKey& key, size_t seed) {
            return qHashMulti(seed, key.size.width(), key.size.height(), key.features,
                              key.direction, key.style);
        }
    };
    // Starts afresh when the cells' font changes.
    void useFont(const QFont& font);
    QRect room(const QStyleOptionViewItem& option, QStyle* style);
    const Line& line(const Key& key);

    QFont font_;
    QHash<Key, std::shared_ptr<const Line>> entries_;
    QHash<RoomKey, QMargins> rooms_;
};

}  // namespace talvo
