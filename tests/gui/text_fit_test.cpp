// The fit pass over windows made of random captions, buttons and check boxes placed by hand,
// with random texts: afterwards every text fits (measured here on its own) or its font is at
// the smallest and the pass says so; nothing overlaps a sibling it did not overlap; a text that
// fitted is left exactly as it was; and once the texts are short again, the next pass gives back
// the window as it was made. Installed, the pass follows language changes in windows laid out by
// layouts: no caption shrinks that its layout makes room for, and going back gives the look as
// made.
#include "ui/text_fit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <random>

namespace talvo {

class TextFitTest : public QObject {
    Q_OBJECT
  private slots:
    void randomWindowsFitWithoutNewOverlaps();
    void headersWidenIntoSpareRoomThenShrink();
    void cellsChangedLaterFitUsingTheRoomBeside();
    // Installs the pass for the whole program: last.
    void languageChangesFitInLayoutsAndGoBack();
};

namespace {

struct Look {
    QRect rect;
    QFont font;
    bool wrap = false;
};

Look LookOf(const QWidget* w) {
    const auto* l = qobject_cast<const QLabel*>(w);
    return {w->geometry(), w->font(), l && l->wordWrap()};
}

QString RandomText(std::mt19937& rng) {
    static const QString words[] = {"Frequency", "Scan", "Channel", "Power",   "Búsqueda",
                                    "[Ŝàvé ~~]", "频道", "OK",      "Retardo", "ABC"};
    const int n = std::uniform_int_distribution<int>(1, 6)(rng);
    QStringList out;
    for (int i = 0; i < n; ++i) out << words[std::uniform_int_distribution<int>(0, 9)(rng)];
    return out.join(QLatin1Char(' '));
}

void SetText(QWidget* w, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
}

QString TextOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return qobject_cast<const QAbstractButton*>(w)->text();
}

// Measured here, apart from the pass: the pixels the text itself takes in its widget.
bool FitsOnItsOwn(const QWidget* w) {
    const QFontMetrics fm(w->font());
    const QString text = TextOf(w);
    if (auto* l = qobject_cast<const QLabel*>(w); l && l->wordWrap()) {
        return fm.boundingRect(QRect(0, 0, w->width(), 10000), Qt::TextWordWrap, text).height() <=
               w->height();
    }
    // A button's text stays inside its frame line.
    const int room = qobject_cast<const QLabel*>(w) ? w->width() : w->width() - 2;
    return fm.horizontalAdvance(text) <= room;
}

int Advance(const QHeaderView* h, int section) {
    return h->fontMetrics().horizontalAdvance(
        h->model()->headerData(section, Qt::Horizontal).toString());
}

// Captions and lists in a grid layout, written on the language-change event as the program's
// windows do; language 0 is short words.
class Captions : public QWidget {
  public:
    explicit Captions(std::mt19937& rng, int languages) {
        auto* grid = new QGridLayout(this);
        const int rows = std::uniform_int_distribution<int>(2, 8)(rng);
        for (int row = 0; row < rows; ++row) {
            labels_ << new QLabel(this);
            lists_ << new QComboBox(this);
            grid->addWidget(labels_.back(), row, 0, Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(lists_.back(), row, 1);
        }
        table_ = new QTableWidget(2, 2, this);
        table_->setMinimumHeight(150);  // both rows in sight
        table_->setWordWrap(false);     // a cell's width is its text's
        grid->addWidget(table_, rows, 0, 1, 2);
        for (int lang = 0; lang < languages; ++lang) {
            QStringList words;
            for (int i = 0; i < rows * 3 + 4; ++i) {
                words << (lang == 0 ? QStringLiteral("Ab") : RandomText(rng));
            }
            words_ << words;
        }
        retranslate();
    }

    void switchTo(int lang) {
        lang_ = lang;
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(this, &change);
    }

    QList<QLabel*> labels_;
    QList<QComboBox*> lists_;
    QTableWidget* table_;

  protected:
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::LanguageChange) retranslate();
        QWidget::changeEvent(e);
    }

  private:
    void retranslate() {
        const QStringList& words = words_[lang_];
        for (int row = 0; row < labels_.size(); ++row) {
            labels_[row]->setText(words[row * 3]);
            lists_[row]->clear();
            lists_[row]->addItems({QStringLiteral("1"), words[row * 3 + 1], words[row * 3 + 2]});
        }
        const qsizetype t = labels_.size() * 3;
        table_->setHorizontalHeaderLabels({words[t], words[t + 1]});
        table_->setItem(0, 0, new QTableWidgetItem(words[t + 2]));
        table_->setItem(1, 1, new QTableWidgetItem(words[t + 3]));
    }

    QList<QStringList> words_;
    int lang_ = 0;
};

}  // namespace

void TextFitTest::randomWindowsFitWithoutNewOverlaps() {
    std::mt19937 rng(18);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int fitted = 0, atMinimum = 0, widened = 0;
    for (int round = 0; round < 40; ++round) {
        QWidget window;
        window.resize(pick(200, 600), pick(100, 400));
        QList<QWidget*> widgets;
        for (int i = 0; i < pick(2, 12); ++i) {
            QWidget* w = nullptr;
            switch (pick(0, 2)) {
                case 0:
                    w = new QLabel(&window);
                    break;
                case 1:
                    w = new QPushButton(&window);
                    break;
                default:
                    w = new QCheckBox(&window);
                    break;
            }
            const QSize size(pick(50, 200), pick(18, 60));
            w->setGeometry(QRect(QPoint(pick(0, window.width() - size.width()),
                                        pick(0, window.height() - size.height())),
                                 size));
            SetText(w, QStringLiteral("Ab"));
            widgets << w;
        }
        window.show();
        QVERIFY(FitTexts(&window).isEmpty());
        QList<Look> made;
        for (QWidget* w : widgets) made << LookOf(w);

        QList<QString> texts;
        for (QWidget* w : widgets) {
            texts << RandomText(rng);
            SetText(w, texts.back());
        }
        QList<bool> fitBefore;
        for (QWidget* w : widgets) fitBefore << FitsOnItsOwn(w);
        const QList<UnfitText> unfit = FitTexts(&window);

        for (int i = 0; i < widgets.size(); ++i) {
            QWidget* w = widgets[i];
            const bool reported = std::any_of(unfit.begin(), unfit.end(),
                                              [w](const UnfitText& u) { return u.widget == w; });
            if (FitsOnItsOwn(w)) {
                ++fitted;
            } else {
                QVERIFY2(reported && w->font().pointSizeF() < kMinimumFitPoints + 0.5,
                         qPrintable(QStringLiteral("%1 %2 %3x%4 wrap %5 pt %6 advance %7")
                                        .arg(w->metaObject()->className(), texts[i])
                                        .arg(w->width())
                                        .arg(w->height())
                                        .arg(LookOf(w).wrap)
                                        .arg(w->font().pointSizeF())
                                        .arg(QFontMetrics(w->font()).horizontalAdvance(texts[i]))));
                ++atMinimum;
            }
            if (w->geometry() != made[i].rect) ++widened;
            // A caption that fitted with room to spare is left exactly as it was.
            if (fitBefore[i] && qobject_cast<QLabel*>(w) &&
                QFontMetrics(made[i].font).horizontalAdvance(texts[i]) < made[i].rect.width() - 2) {
                QCOMPARE(w->geometry(), made[i].rect);
                QCOMPARE(w->font(), made[i].font);
            }
            for (int j = 0; j < widgets.size(); ++j) {
                if (j == i || made[i].rect.intersects(made[j].rect)) continue;
                QVERIFY2(!w->geometry().intersects(widgets[j]->geometry()),
                         qPrintable(texts[i] + QStringLiteral(" over ") + texts[j]));
            }
            QVERIFY(window.rect().contains(w->geometry()) || w->geometry() == made[i].rect);
        }

        // Short texts again: the window as it was made.
        for (QWidget* w : widgets) SetText(w, QStringLiteral("Ab"));
        QVERIFY(FitTexts(&window).isEmpty());
        for (int i = 0; i < widgets.size(); ++i) {
            QCOMPARE(LookOf(widgets[i]).rect, made[i].rect);
            QCOMPARE(LookOf(widgets[i]).font, made[i].font);
            QCOMPARE(LookOf(widgets[i]).wrap, made[i].wrap);
        }
    }
    // The rounds reached every way out.
    QVERIFY(fitted > 0 && atMinimum > 0 && widened > 0);
}

void TextFitTest::headersWidenIntoSpareRoomThenShrink() {
    QWidget window;
    window.resize(400, 300);
    auto* table = new QTableWidget(3, 2, &window);
    table->setGeometry(0, 0, 400, 300);
    table->setColumnWidth(0, 60);
    table->setColumnWidth(1, 60);
    table->setHorizontalHeaderLabels({QStringLiteral("Ab"), QStringLiteral("Cd")});
    window.show();
    QVERIFY(FitTexts(&window).isEmpty());
    QCOMPARE(table->columnWidth(0), 60);  // a header that fits keeps its width

    table->setHorizontalHeaderLabels(
        {QStringLiteral("[Fréqûéñçý(MHz) ~~~~~~]"), QStringLiteral("[Çhàññél ~]")});
    table->setItem(0, 1, new QTableWidgetItem(QStringLiteral("146.52000 a long cell")));
    QVERIFY(FitTexts(&window).isEmpty());
    QHeaderView* h = table->horizontalHeader();
    for (int c = 0; c < 2; ++c) QVERIFY(Advance(h, c) < h->sectionSize(c));
    QCOMPARE(h->font(), table->font());  // there was room: widened, not shrunk

    // No room to spare: the header's font gets smaller before the columns scroll.
    table->setColumnWidth(0, 200);
    table->setColumnWidth(1, table->viewport()->width() - 200);
    table->setItem(0, 1, nullptr);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("[Fréqûéñçý(MHz) ~~~~~~~~~~~~~~~~~]"), QStringLiteral("[Çhàññél ~]")});
    FitTexts(&window);
    QVERIFY(h->font().pointSizeF() < table->font().pointSizeF());
    QVERIFY(Advance(h, 0) < h->sectionSize(0));
}

// Cells filled after the window showed (a read from the radio) fit once the data has changed,
// also in rows scrolled out of sight; a table placed by hand widens into free room beside it
// before its columns scroll.
void TextFitTest::cellsChangedLaterFitUsingTheRoomBeside() {
    QWidget window;
    window.resize(500, 200);
    auto* table = new QTableWidget(60, 2, &window);
    table->setWordWrap(false);  // one line per cell, as in the channel grid
    table->setGeometry(0, 0, 300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    table->setColumnWidth(0, 60);
    table->setColumnWidth(1, table->viewport()->width() - 60);
    QVERIFY(FitTexts(&window).isEmpty());
    const int before = table->width();

    const QString wide = QStringLiteral("[Éstréçhà ~~~~]");
    table->setItem(55, 0, new QTableWidgetItem(wide));
    QTRY_VERIFY(table->columnWidth(0) > table->fontMetrics().horizontalAdvance(wide));
    QVERIFY(UnfitTexts(&window).isEmpty());
    QVERIFY(table->width() > before && table->geometry().right() < window.width());
    QCOMPARE(table->horizontalHeader()->length(), table->viewport()->width());
    QVERIFY(!table->horizontalScrollBar()->isVisible());

    // No free room left beside it: a column wider than its texts need gives up the difference,
    // and when none has any to give the columns scroll.
    window.resize(table->geometry().right() + 1, window.height());
    const int second = table->columnWidth(1);
    table->setItem(58, 1, new QTableWidgetItem(QStringLiteral("short")));
    table->setItem(10, 0, new QTableWidgetItem(wide + wide));
    QTRY_VERIFY(table->columnWidth(0) > table->fontMetrics().horizontalAdvance(wide + wide));
    QVERIFY(UnfitTexts(&window).isEmpty());
    QCOMPARE(table->horizontalHeader()->length(), table->viewport()->width());
    QVERIFY(table->columnWidth(1) < second);
    QVERIFY(table->columnWidth(1) >
            table->fontMetrics().horizontalAdvance(QStringLiteral("short")));
    table->setItem(20, 1, new QTableWidgetItem(QString(40, QLatin1Char('W'))));
    QTRY_VERIFY(UnfitTexts(&window).isEmpty());
    QVERIFY(table->horizontalHeader()->length() > table->viewport()->width());
    QTRY_VERIFY(table->horizontalScrollBar()->isVisible());
}

void TextFitTest::languageChangesFitInLayoutsAndGoBack() {
    InstallTextFit(qApp);
    std::mt19937 rng(25);
    for (int round = 0; round < 12; ++round) {
        constexpr int kLanguages = 4;
        Captions window(rng, kLanguages);
        window.show();
        QCoreApplication::processEvents();
        QVERIFY(UnfitTexts(&window).isEmpty());
        const QFont font = window.labels_[0]->font();

        for (int step = 0; step < 5; ++step) {
            const int lang =
                step == 5 ? 0 : std::uniform_int_distribution<int>(0, kLanguages - 1)(rng);
            window.switchTo(lang);
            QCoreApplication::processEvents();
            const QList<UnfitText> unfit = UnfitTexts(&window);
            QVERIFY2(unfit.isEmpty(), qPrintable(unfit.isEmpty() ? QString() : unfit[0].text));
            // The layout makes room for every caption: none needs a smaller font.
            for (QLabel* l : window.labels_) QCOMPARE(l->font(), font);
            // Measured here, not by what the pass remembers from an earlier language.
            const QHeaderView* h = window.table_->horizontalHeader();
            for (int c = 0; c < 2; ++c) {
                QVERIFY(Advance(h, c) < h->sectionSize(c));
                const QTableWidgetItem* cell = window.table_->item(c, c);
                QVERIFY(window.table_->fontMetrics().horizontalAdvance(cell->text()) <
                        window.table_->columnWidth(c));
            }
        }
    }
}

}  // namespace talvo

QTEST_MAIN(talvo::TextFitTest)
#include "text_fit_test.moc"
