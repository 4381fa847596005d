// The channel grid draws its cell texts from glyphs kept between paints. Whatever the cells
// held before, the grid must look exactly as the style draws the same cells from scratch.
#include <QImage>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTest>
#include <random>

#include "channel_table_fixture.h"
#include "editors/channels/grid_tools.h"
#include "lang/catalogue.h"

namespace talvo {

class ChannelGridPaintTest : public testing::ChannelTableFixture {
    Q_OBJECT

  private:
    // The viewport as drawn now, the current cell's frame (the grid's own mark) painted over.
    QImage shot() {
        QImage image = grid_->viewport()->grab().toImage();
        const QRect current = grid_->visualRect(grid_->currentIndex());
        for (int y = std::max(current.top() - 1, 0); y <= current.bottom() + 1; ++y) {
            for (int x = std::max(current.left() - 1, 0); x <= current.right() + 1; ++x) {
                if (image.rect().contains(x, y)) image.setPixel(x, y, 0);
            }
        }
        return image;
    }

  private slots:
    // Random images, languages, scroll places, filters and cell texts (some wider than their
    // cell, some Latin-1), one after the other on one grid: each time the grid's drawing equals
    // the style's own drawing of the same cells.
    void cachedTextsDrawAsTheStyleDoes() {
        open(kChinese);
        QAbstractItemDelegate* own = grid_->itemDelegate();
        QStyledItemDelegate plain;
        std::mt19937 rng(20);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const QStringList odd = {
            QStringLiteral("446.00625"), QStringLiteral("WIDE NAME TEXT X"),
            QStringLiteral("Ñandú é"),   QStringLiteral("中文信道"),
            QStringLiteral("i"),         QStringLiteral("mmmmmmmmmmmmmmmmmmmmmmmm")};
        for (unsigned round = 1; round <= 10; ++round) {
            loadRandom(round);
            document_->setLanguage(round % 2 ? kEnglish : kChinese);
            window_->gridTools().setFilterText(pick(0, 2) ? QString() : QString::number(round));
            for (int i = 0; i < 12; ++i) {
                grid_->item(pick(0, kChannelCount - 1), pick(1, kGridColumns - 1))
                    ->setText(odd[pick(0, static_cast<int>(odd.size()) - 1)]);
            }
            grid_->scrollToItem(grid_->item(pick(0, kChannelCount - 1), 1));
            const QImage drawn = shot();
            grid_->setItemDelegate(&plain);
            const QImage reference = shot();
            grid_->setItemDelegate(own);
            QVERIFY2(drawn == reference, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
};

}  // namespace talvo

QTEST_MAIN(talvo::ChannelGridPaintTest)
#include "channel_grid_paint_test.moc"
