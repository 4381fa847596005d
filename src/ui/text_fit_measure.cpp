#include "ui/text_fit_measure.h"

#include <QAbstractItemDelegate>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>

#include "ui/text_fit_record.h"

namespace talvo::fit {
namespace {

int TextWidth(const QFontMetrics& fm, const QString& text) {
    return fm.size(Qt::TextShowMnemonic, text).width();
}

Qt::Alignment Horizontal(Qt::Alignment a) {
    if (a & Qt::AlignRight) return Qt::AlignRight;
    if (a & Qt::AlignHCenter) return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

std::optional<Measure> MeasureLabel(const QLabel* l) {
    if (l->text().isEmpty()) return std::nullopt;
    if (l->wordWrap()) {
        return Measure{l->text(), l->heightForWidth(l->width()), l->rect(), Qt::AlignLeft, true};
    }
    return Measure{l->text(), l->sizeHint().width(), l->rect(), Horizontal(l->alignment())};
}

std::optional<Measure> MeasurePushButton(const QPushButton* b) {
    if (b->text().isEmpty()) return std::nullopt;
    QStyleOptionButton opt;
    opt.initFrom(b);
    if (b->autoDefault()) opt.features |= QStyleOptionButton::AutoDefaultButton;
    // The style draws the label inside its frame (and the default button's mark).
    const QRect inside = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    int need = TextWidth(b->fontMetrics(), b->text());
    if (!b->icon().isNull()) need += b->iconSize().width() + 4;
    return Measure{b->text(), need, inside, Qt::AlignHCenter};
}

std::optional<Measure> MeasureGroupBox(const QGroupBox* g) {
    if (g->title().isEmpty()) return std::nullopt;
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.lineWidth = 1;
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isCheckable()) opt.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (g->isFlat()) opt.features |= QStyleOptionFrame::Flat;
    QRect label =
        g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    if (g->isCheckable()) {
        label |=
            g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxCheckBox, g);
    }
    // The frame's line runs on both sides of the title as far as its left indent.
    const Qt::Alignment align = Horizontal(g->alignment());
    const int indent = align == Qt::AlignLeft ? qMax(0, label.left()) : 0;
    return Measure{g->title(), label.width(), g->rect().adjusted(indent, 0, -indent, 0), align};
}

QStyleOptionComboBox ComboOption(const QComboBox* c) {
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    opt.frame = c->hasFrame();
    opt.currentText = c->currentText();
    opt.iconSize = c->iconSize();
    opt.subControls = QStyle::SC_All;
    return opt;
}

std::optional<Measure> MeasureCombo(QComboBox* c) {
    // An editable list shows its text in a line edit, which scrolls.
    if (c->isEditable() || c->currentText().isEmpty()) return std::nullopt;
    const QStyleOptionComboBox opt = ComboOption(c);
    const QRect field =
        c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    QHash<QString, int>& known = KnownWidths(c, c->font());
    auto hit = known.constFind(c->currentText());
    if (hit == known.constEnd()) {
        hit = known.insert(c->currentText(), c->fontMetrics().horizontalAdvance(c->currentText()));
    }
    int need = *hit;
    if (!c->itemIcon(c->currentIndex()).isNull()) need += c->iconSize().width() + 4;
    // The style keeps a pixel free on both sides.
    return Measure{c->currentText(), need, field.adjusted(1, 0, -1, 0), Qt::AlignLeft};
}

}  // namespace

std::optional<Measure> MeasureWidget(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return MeasureLabel(l);
    if (auto* b = qobject_cast<const QPushButton*>(w)) return MeasurePushButton(b);
    if (auto* b = qobject_cast<const QToolButton*>(w)) {
        if (b->text().isEmpty() || b->toolButtonStyle() == Qt::ToolButtonIconOnly ||
            (b->toolButtonStyle() == Qt::ToolButtonFollowStyle && !b->icon().isNull())) {
            return std::nullopt;
        }
        return Measure{b->text(), b->sizeHint().width(), b->rect(), Qt::AlignHCenter};
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {  // check boxes, radio buttons
        if (b->text().isEmpty()) return std::nullopt;
        return Measure{b->text(), b->sizeHint().width(), b->rect(), Qt::AlignLeft};
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return MeasureGroupBox(g);
    if (auto* c = qobject_cast<const QComboBox*>(w)) return MeasureCombo(const_cast<QComboBox*>(c));
    return std::nullopt;
}

// The part of `w` that its parents show, in its own coordinates. A scroll area's viewport does
// not count: what it hides is scrolled, not cut.
QRect Shown(const QWidget* w, const QWidget* root) {
    QRect shown = w->rect();
    if (w == root || w->isWindow()) return shown;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        const auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
        if (area && area->viewport() == p) break;
        shown &= QRect(w->mapFrom(p, QPoint(0, 0)), p->size());
        if (p == root || p->isWindow()) break;
    }
    return shown;
}

// Where an aligned text of `need` pixels lies in `area`, and whether `room` holds it.
bool Holds(const Measure& m, const QRect& room) {
    if (m.vertical) return m.need <= m.area.height() && room.height() >= m.area.height();
    int left = m.area.left();
    if (m.align == Qt::AlignRight) left = m.area.right() + 1 - m.need;
    if (m.align == Qt::AlignHCenter) left = m.area.left() + (m.area.width() - m.need) / 2;
    return m.need <= m.area.width() && left >= room.left() && left + m.need - 1 <= room.right();
}

std::optional<UnfitText> Unfit(const QWidget* w, const QWidget* root) {
    const std::optional<Measure> m = MeasureWidget(w);
    if (!m) return std::nullopt;
    const QRect room = m->area & Shown(w, root);
    if (Holds(*m, room)) return std::nullopt;
    return UnfitText{const_cast<QWidget*>(w), m->text, m->need,
                     m->vertical ? room.height() : room.width()};
}

namespace {

// The widgets of `root` that show (itself, unless it is a hidden window), parents before their
// children; a hidden widget's children are passed over at once.
void AddShownChildren(const QWidget* parent, QList<QWidget*>& out) {
    for (QObject* o : parent->children()) {
        if (!o->isWidgetType()) continue;
        auto* w = static_cast<QWidget*>(o);
        if (w->isHidden()) continue;
        if (!w->isWindow()) out << w;
        AddShownChildren(w, out);
    }
}

}  // namespace

QList<QWidget*> ShownWidgets(QWidget* root) {
    QList<QWidget*> out;
    if (!root->isHidden() || !root->isWindow()) out << root;
    AddShownChildren(root, out);
    return out;
}

QHeaderView* Columns(QWidget* w) {
    auto* h = qobject_cast<QHeaderView*>(w);
    return h && h->orientation() == Qt::Horizontal && h->isVisibleTo(h->window()) ? h : nullptr;
}

namespace {

// Up to this many rows a table's column must hold every cell, since scrolling brings each into
// sight; a longer one is measured where it shows.
constexpr int kRowsMeasuredWhole = 1000;

}  // namespace

// The widest cell of `column`: its text and the width it needs (0 for an empty column).
UnfitText WidestCell(QTableView* view, int column) {
    QAbstractItemModel* model = view->model();
    UnfitText widest{view, QString(), 0, view->columnWidth(column)};
    if (!model || view->isColumnHidden(column)) return widest;
    const int rows = model->rowCount(view->rootIndex());
    int first = 0;
    int last = rows - 1;
    if (rows > kRowsMeasuredWhole) {
        first = qMax(0, view->rowAt(0));
        last = view->rowAt(view->viewport()->height() - 1);
        if (last < 0) last = rows - 1;
    }
    const int grid = view->showGrid() ? 1 : 0;
    QStyleOptionViewItem opt;
    opt.initFrom(view);
    opt.widget = view;
    opt.font = view->font();
    opt.fontMetrics = view->fontMetrics();
    opt.decorationSize = view->iconSize().isValid()
                             ? view->iconSize()
                             : QSize(view->style()->pixelMetric(QStyle::PM_SmallIconSize),
                                     view->style()->pixelMetric(QStyle::PM_SmallIconSize));
    opt.features = view->wordWrap() ? QStyleOptionViewItem::WrapText : QStyleOptionViewItem::None;
    QHash<QString, int>& known = KnownWidths(view, view->font());
    for (int row = first; row <= last; ++row) {
        if (view->isRowHidden(row) || view->columnSpan(row, column) != 1) continue;
        const QModelIndex index = model->index(row, column, view->rootIndex());
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty() || view->indexWidget(index)) continue;
        // A plain cell's need follows from its text; others are measured each time.
        const bool plain = !view->wordWrap() && !index.data(Qt::FontRole).isValid() &&
                           !index.data(Qt::DecorationRole).isValid() &&
                           !index.data(Qt::CheckStateRole).isValid();
        auto hit = plain ? known.constFind(text) : known.constEnd();
        int need = 0;
        if (hit != known.constEnd()) {
            need = *hit;
        } else {
            opt.rect = view->visualRect(index);
            need = view->itemDelegateForIndex(index)->sizeHint(opt, index).width() + grid;
            if (plain) known.insert(text, need);
        }
        if (need > widest.need) {
            widest.text = text;
            widest.need = need;
        }
    }
    return widest;
}

// The widest cell of `column` when it is wider than the column allows.
std::optional<UnfitText> UnfitCells(QTableView* view, int column) {
    const UnfitText widest = WidestCell(view, column);
    if (widest.need > widest.room) return widest;
    return std::nullopt;
}

namespace {

QString SectionText(const QHeaderView* h, int section) {
    return h->model() ? h->model()->headerData(section, Qt::Horizontal).toString() : QString();
}

}  // namespace

// The width a section's title takes with the style's margins on both sides (and the sort mark
// where it shows); the toolkit's own size hint keeps room for a sort mark that may never show.
int SectionNeed(const QHeaderView* h, int section) {
    const QString text = SectionText(h, section);
    if (text.isEmpty() || h->isSectionHidden(section)) return 0;
    const QStyle* style = h->style();
    const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
    int need = 2 * margin;
    if (const QVariant f = h->model()->headerData(section, Qt::Horizontal, Qt::FontRole);
        f.canConvert<QFont>()) {
        need += QFontMetrics(f.value<QFont>().resolve(h->font())).size(0, text).width();
    } else {
        QHash<QString, int>& known = KnownWidths(const_cast<QHeaderView*>(h), h->font());
        auto hit = known.constFind(text);
        if (hit == known.constEnd())
            hit = known.insert(text, h->fontMetrics().size(0, text).width());
        need += *hit;
    }
    if (h->isSortIndicatorShown() && h->sortIndicatorSection() == section) {
        need += style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, h) + margin;
    }
    return need;
}

namespace {

std::optional<UnfitText> UnfitSection(QHeaderView* h, int section) {
    const QString text = SectionText(h, section);
    const int need = SectionNeed(h, section);
    if (text.isEmpty() || need <= h->sectionSize(section)) return std::nullopt;
    return UnfitText{h, text, need, h->sectionSize(section)};
}

std::optional<UnfitText> UnfitTab(QTabBar* bar, int i) {
    if (!bar->isTabVisible(i) || bar->tabText(i).isEmpty()) return std::nullopt;
    int need = TextWidth(bar->fontMetrics(), bar->tabText(i)) +
               bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    if (!bar->tabIcon(i).isNull()) need += bar->iconSize().width() + 4;
    if (need <= bar->tabRect(i).width()) return std::nullopt;
    return UnfitText{bar, bar->tabText(i), need, bar->tabRect(i).width()};
}

// The width a list's popup needs for its entries. Measuring every entry is dear; a set of
// entries seen before (the list in another language, say) is not measured again.
int PopupNeed(QComboBox* c) {
    QStringList texts;
    texts.reserve(c->count());
    for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    FitRecord& record = RecordOf(c);
    if (record.popupFont != c->view()->font() || record.popups.size() > 16) {
        record.popupFont = c->view()->font();
        record.popups.clear();
    }
    QHash<QString, int>& known = record.popups;
    const QString key = texts.join(QChar(0));
    if (auto hit = known.constFind(key); hit != known.constEnd()) return *hit;
    return *known.insert(key, c->view()->sizeHintForColumn(c->modelColumn()));
}

}  // namespace

// The popup of a list shows every entry at full length.
std::optional<UnfitText> UnfitPopup(QComboBox* c) {
    if (c->count() == 0) return std::nullopt;
    const int need = PopupNeed(c);
    const int room = qMax(c->width(), c->view()->minimumWidth());
    if (need <= room) return std::nullopt;
    // Named by its longest entry (counted, not measured: the name is for people to read).
    QString longest;
    for (int i = 0; i < c->count(); ++i) {
        if (c->itemText(i).size() > longest.size()) longest = c->itemText(i);
    }
    return UnfitText{c, longest, need, room};
}

void CollectUnfit(QWidget* w, const QWidget* root, QList<UnfitText>& out) {
    if (auto u = Unfit(w, root)) out << *u;
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (auto u = UnfitPopup(c)) out << *u;
    }
    if (auto* bar = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < bar->count(); ++i) {
            if (auto u = UnfitTab(bar, i)) out << *u;
        }
    }
    if (QHeaderView* h = Columns(w)) {
        for (int s = 0; s < h->count(); ++s) {
            if (auto u = UnfitSection(h, s)) out << *u;
        }
    }
    if (auto* view = qobject_cast<QTableView*>(w)) {
        for (int c = 0; view->model() && c < view->model()->columnCount(view->rootIndex()); ++c) {
            if (auto u = UnfitCells(view, c)) out << *u;
        }
    }
}

}  // namespace talvo::fit
