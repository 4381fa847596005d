#include "ui/text_fit.h"

#include <QAbstractItemDelegate>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <utility>

namespace talvo {
namespace {

// What an earlier pass changed: the value before and the value it set, per widget.
constexpr const char* kRectBefore = "talvoFitRectBefore";
constexpr const char* kRectSet = "talvoFitRectSet";
constexpr const char* kFontBefore = "talvoFitFontBefore";
constexpr const char* kFontSet = "talvoFitFontSet";
constexpr const char* kOwnFont = "talvoFitOwnFont";
constexpr const char* kWrapSet = "talvoFitWrapSet";
constexpr const char* kSections = "talvoFitSections";  // header: section -> [before, set]
constexpr const char* kPopupBefore = "talvoFitPopupBefore";
constexpr const char* kPopupSet = "talvoFitPopupSet";

// What the passes know of a widget for its lifetime: whether one changed it (only those are
// taken back), and what was measured before, so that texts seen before are not measured again.
struct FitRecord {
    bool changed = false;
    QFont font;                  // the font the widths below were measured with
    QHash<QString, int> widths;  // a cell's or a section's text -> the width it needs
    QFont popupFont;             // the font of a list's popup, for the widths below
    QHash<QString, int> popups;  // a list's entries, joined -> the width its popup needs
};

QHash<const QObject*, FitRecord>& Records() {
    static QHash<const QObject*, FitRecord> records;
    return records;
}

FitRecord& RecordOf(QObject* o) {
    auto it = Records().find(o);
    if (it == Records().end()) {
        QObject::connect(o, &QObject::destroyed, [o] { Records().remove(o); });
        it = Records().insert(o, {});
    }
    return *it;
}

// The widths `o` knows for `font`; forgotten when the font changed or they grew many.
QHash<QString, int>& KnownWidths(QObject* o, const QFont& font) {
    FitRecord& r = RecordOf(o);
    if (r.font != font || r.widths.size() > 4096) {
        r.font = font;
        r.widths.clear();
    }
    return r.widths;
}

void MarkChanged(QWidget* w) {
    RecordOf(w).changed = true;
}

// A widget's text: the width it needs, aligned in the area the widget draws it in.
struct Measure {
    QString text;
    int need = 0;
    QRect area;
    Qt::Alignment align = Qt::AlignLeft;
    bool vertical = false;  // a wrapped caption: `need` and the area's height are heights
};

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

QList<QWidget*> ShownWidgets(QWidget* root) {
    QList<QWidget*> out;
    if (!root->isHidden() || !root->isWindow()) out << root;
    AddShownChildren(root, out);
    return out;
}

// ---- Tables: header sections and their cells ----

QHeaderView* Columns(QWidget* w) {
    auto* h = qobject_cast<QHeaderView*>(w);
    return h && h->orientation() == Qt::Horizontal && h->isVisibleTo(h->window()) ? h : nullptr;
}

// Up to this many rows a table's column must hold every cell, since scrolling brings each into
// sight; a longer one is measured where it shows.
constexpr int kRowsMeasuredWhole = 1000;

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

QString SectionText(const QHeaderView* h, int section) {
    return h->model() ? h->model()->headerData(section, Qt::Horizontal).toString() : QString();
}

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

// ---- Undoing an earlier pass ----

void Restore(QWidget* w) {
    // Most widgets were never changed: one look in the records, no property lookups.
    const auto record = Records().find(w);
    if (record == Records().end() || !record->changed) return;
    record->changed = false;
    if (w->property(kRectSet).isValid()) {
        if (w->geometry() == w->property(kRectSet).toRect()) {
            w->setGeometry(w->property(kRectBefore).toRect());
        }
        w->setProperty(kRectSet, {});
        w->setProperty(kRectBefore, {});
    }
    if (auto* l = qobject_cast<QLabel*>(w); l && l->property(kWrapSet).isValid()) {
        if (l->wordWrap()) l->setWordWrap(false);
        l->setProperty(kWrapSet, {});
    }
    if (w->property(kFontSet).isValid()) {
        if (w->font() == w->property(kFontSet).value<QFont>()) {
            w->setFont(w->property(kOwnFont).toBool() ? w->property(kFontBefore).value<QFont>()
                                                      : QFont());
        }
        for (const char* name : {kFontSet, kFontBefore, kOwnFont}) w->setProperty(name, {});
    }
    if (auto* h = qobject_cast<QHeaderView*>(w); h && h->property(kSections).isValid()) {
        const QVariantMap sections = h->property(kSections).toMap();
        for (auto it = sections.begin(); it != sections.end(); ++it) {
            const int section = it.key().toInt();
            const QVariantList sizes = it.value().toList();
            if (section < h->count() && h->sectionSize(section) == sizes[1].toInt()) {
                h->resizeSection(section, sizes[0].toInt());
            }
        }
        h->setProperty(kSections, {});
    }
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->property(kPopupSet).isValid()) {
        if (c->view()->minimumWidth() == c->property(kPopupSet).toInt()) {
            c->view()->setMinimumWidth(c->property(kPopupBefore).toInt());
        }
        c->setProperty(kPopupSet, {});
        c->setProperty(kPopupBefore, {});
    }
}

// ---- Changes, each remembered so that the next pass can take it back ----

void SetRect(QWidget* w, const QRect& rect) {
    if (!w->property(kRectBefore).isValid()) w->setProperty(kRectBefore, w->geometry());
    w->setGeometry(rect);
    w->setProperty(kRectSet, w->geometry());
    MarkChanged(w);
}

void SetFont(QWidget* w, const QFont& font) {
    if (!w->property(kFontBefore).isValid()) {
        w->setProperty(kFontBefore, w->font());
        w->setProperty(kOwnFont, w->testAttribute(Qt::WA_SetFont));
    }
    w->setFont(font);
    w->setProperty(kFontSet, w->font());
    MarkChanged(w);
}

void ResizeSection(QHeaderView* h, int section, int size) {
    QVariantMap sections = h->property(kSections).toMap();
    const QString key = QString::number(section);
    const int before =
        sections.contains(key) ? sections[key].toList()[0].toInt() : h->sectionSize(section);
    h->resizeSection(section, size);
    sections[key] = QVariantList{before, h->sectionSize(section)};
    h->setProperty(kSections, sections);
    MarkChanged(h);
}

bool InLayout(const QLayout* layout, const QWidget* w) {
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) return true;
        if (item->layout() && InLayout(item->layout(), w)) return true;
    }
    return false;
}

bool PlacedByLayout(const QWidget* w) {
    return w->parentWidget() && InLayout(w->parentWidget()->layout(), w);
}

// Widens `w` by up to `extra` pixels on the side its text grows to, into room of its parent
// that no sibling takes.
void Widen(QWidget* w, int extra) {
    const QRect r = w->geometry();
    const std::optional<Measure> m = MeasureWidget(w);
    const bool leftwards = m && m->align == Qt::AlignRight;
    int limit = leftwards ? 0 : w->parentWidget()->width() - 1;
    for (const QObject* o : w->parentWidget()->children()) {
        const auto* s = qobject_cast<const QWidget*>(o);
        if (!s || s == w || s->isWindow() || s->isHidden()) continue;
        const QRect g = s->geometry();
        if (g.intersects(r) || g.bottom() < r.top() || g.top() > r.bottom()) continue;
        if (leftwards && g.right() < r.left()) limit = qMax(limit, g.right() + 1);
        if (!leftwards && g.left() > r.right()) limit = qMin(limit, g.left() - 1);
    }
    QRect wider = r;
    if (leftwards) {
        wider.setLeft(qMin(r.left(), qMax(limit, r.left() - extra)));
    } else {
        wider.setRight(qMax(r.right(), qMin(limit, r.right() + extra)));
    }
    if (wider != r) SetRect(w, wider);
}

bool Fits(const QWidget* w, const QWidget* root) {
    return !Unfit(w, root);
}

void FitWidget(QWidget* w, QWidget* root) {
    const std::optional<UnfitText> unfit = Unfit(w, root);
    if (!unfit) return;
    const bool byHand = w != root && !w->isWindow() && !PlacedByLayout(w);
    if (byHand && !qobject_cast<QGroupBox*>(w)) {
        Widen(w, unfit->need - unfit->room);
        if (Fits(w, root)) return;
    }
    auto* label = qobject_cast<QLabel*>(w);
    if (byHand && label && !label->wordWrap() &&
        label->contentsRect().height() >= 2 * label->fontMetrics().lineSpacing()) {
        label->setWordWrap(true);
        label->setProperty(kWrapSet, true);
        MarkChanged(label);
        if (Fits(w, root)) return;
    }
    // A frame's font would shrink every field inside it; a frame stays as it is.
    if (qobject_cast<QGroupBox*>(w)) return;
    QFont font = w->font();
    while (!Fits(w, root) && font.pointSizeF() - 0.5 >= kMinimumFitPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        SetFont(w, font);
    }
}

// The width each column of `view` needs for its header and the cells in sight (0: it fits).
QList<int> ColumnShortfalls(QTableView* view) {
    QHeaderView* h = view->horizontalHeader();
    QList<int> short_;
    for (int c = 0; c < h->count(); ++c) {
        const QHeaderView::ResizeMode mode = h->sectionResizeMode(c);
        int need = 0;
        if (mode == QHeaderView::Interactive || mode == QHeaderView::Fixed) {
            if (h->isVisibleTo(view)) need = SectionNeed(h, c);
            if (auto u = UnfitCells(view, c)) need = qMax(need, u->need);
        }
        short_ << qMax(0, need - h->sectionSize(c));
    }
    return short_;
}

void WidenColumns(QHeaderView* h, const QList<int>& shortfalls, int& allowance) {
    for (int c = 0; c < shortfalls.size() && allowance > 0; ++c) {
        const int grant = qMin(shortfalls[c], allowance);
        if (grant <= 0) continue;
        ResizeSection(h, c, h->sectionSize(c) + grant);
        allowance -= grant;
    }
}

bool HoldsWidgets(const QTableView* view, int column) {
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        if (view->indexWidget(model->index(row, column, view->rootIndex()))) return true;
    }
    return false;
}

// Columns widen first into the room the view has to spare, so that no scroll bar comes; then
// the header's font gets smaller; then the columns widen as far as they need, and scroll.
void FitTable(QTableView* view) {
    QHeaderView* h = view->horizontalHeader();
    if (!view->model()) return;
    QList<int> shortfalls = ColumnShortfalls(view);
    if (std::all_of(shortfalls.begin(), shortfalls.end(), [](int s) { return s == 0; })) return;
    int spare = view->viewport()->width() - h->length();
    WidenColumns(h, shortfalls, spare);
    QFont font = h->font();
    auto headerShort = [&] {
        for (int c = 0; c < h->count(); ++c) {
            if (SectionNeed(h, c) > h->sectionSize(c)) return true;
        }
        return false;
    };
    while (h->isVisibleTo(view) && headerShort() && font.pointSizeF() - 0.5 >= kMinimumFitPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        SetFont(h, font);
    }
    // A table placed by hand takes the free room beside it before it scrolls.
    shortfalls = ColumnShortfalls(view);
    int missing = std::accumulate(shortfalls.begin(), shortfalls.end(), 0) -
                  qMax(0, view->viewport()->width() - h->length());
    if (missing > 0 && view->parentWidget() && !view->isWindow() && !PlacedByLayout(view)) {
        Widen(view, missing);
        // A shown scroll area lays out its viewport as it takes the resize.
        spare = view->viewport()->width() - h->length();
        WidenColumns(h, shortfalls, spare);
        shortfalls = ColumnShortfalls(view);
    }
    // Columns wider than their header and every cell need give up the difference.
    missing = std::accumulate(shortfalls.begin(), shortfalls.end(), 0) -
              qMax(0, view->viewport()->width() - h->length());
    for (int c = 0; c < h->count() && missing > 0; ++c) {
        if (shortfalls[c] > 0 || h->isSectionHidden(c) ||
            h->sectionResizeMode(c) == QHeaderView::Stretch)
            continue;
        if (HoldsWidgets(view, c)) continue;  // a widget's width is not its text's
        const int need = qMax(SectionNeed(h, c), WidestCell(view, c).need);
        const int slack = qMin(h->sectionSize(c) - need, missing);
        if (slack <= 0) continue;
        ResizeSection(h, c, h->sectionSize(c) - slack);
        missing -= slack;
    }
    spare = qMax(0, view->viewport()->width() - h->length());
    WidenColumns(h, shortfalls, spare);
    shortfalls = ColumnShortfalls(view);
    int unlimited = std::numeric_limits<int>::max();
    WidenColumns(h, shortfalls, unlimited);
}

void FitPopup(QComboBox* c) {
    if (auto u = UnfitPopup(c)) {
        if (!c->property(kPopupBefore).isValid()) {
            c->setProperty(kPopupBefore, c->view()->minimumWidth());
        }
        c->view()->setMinimumWidth(u->need);
        c->setProperty(kPopupSet, c->view()->minimumWidth());
        MarkChanged(c);
    }
}

// A window that a layout places grows to what the layout needs when a text of it is cut.
void GrowToLayout(QWidget* window) {
    // A main window's layout is the toolkit's frame for bars and docks, not the window's own.
    if (!window->layout() || qobject_cast<QMainWindow*>(window)) return;
    const QSize need = window->minimumSizeHint().expandedTo(window->size());
    if (need == window->size()) return;
    QWidget* frame = window;
    // An editor inside a child window: the child window grows around it.
    if (auto* host = qobject_cast<QMdiSubWindow*>(window->parentWidget())) frame = host;
    const QSize grow = need - window->size();
    SetRect(frame, QRect(frame->pos(), frame->size() + grow));
}

}  // namespace

namespace {

QList<UnfitText> UnfitAmong(const QList<QWidget*>& widgets, const QWidget* root) {
    QList<UnfitText> out;
    for (QWidget* w : widgets) CollectUnfit(w, root, out);
    return out;
}

}  // namespace

QList<UnfitText> UnfitTexts(const QWidget* root) {
    return UnfitAmong(ShownWidgets(const_cast<QWidget*>(root)), root);
}

namespace {

bool Fit(QWidget* root);

// The window or child window whose pass fits `w`.
QWidget* FitRoot(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w)) return w;
    }
    return nullptr;
}

constexpr const char* kWatchedModel = "talvoFitWatchedModel";
constexpr const char* kRefitQueued = "talvoFitRefitQueued";

// A table's cells change with no show and no language change (a read from the radio, a file, a
// paste, an undo): its window is fitted again once the changes of that moment are done.
void WatchCells(QTableView* view) {
    QAbstractItemModel* model = view->model();
    if (!model || view->property(kWatchedModel).value<QObject*>() == model) return;
    view->setProperty(kWatchedModel, QVariant::fromValue<QObject*>(model));
    auto refit = [view] {
        if (view->property(kRefitQueued).toBool()) return;
        view->setProperty(kRefitQueued, true);
        QTimer::singleShot(0, view, [view] {
            view->setProperty(kRefitQueued, {});
            QWidget* root = FitRoot(view);
            if (root && view->isVisible()) Fit(root);
        });
    };
    QObject::connect(model, &QAbstractItemModel::dataChanged, view, refit);
    QObject::connect(model, &QAbstractItemModel::modelReset, view, refit);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, view, refit);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, view, refit);
}

// Fits the texts of `root`; true when something was cut (and may still be).
bool Fit(QWidget* root) {
    const QList<QWidget*> widgets = ShownWidgets(root);
    for (QWidget* w : widgets) {
        if (auto* view = qobject_cast<QTableView*>(w)) WatchCells(view);
    }
    for (QWidget* w : widgets) Restore(w);
    if (auto* host = qobject_cast<QMdiSubWindow*>(root)) Restore(host);
    const QList<UnfitText> unfit = UnfitAmong(widgets, root);
    if (unfit.isEmpty()) return false;
    // Only the widgets with a cut text change; the rest were measured once, above.
    QSet<QWidget*> cut;
    for (const UnfitText& u : unfit) cut.insert(u.widget);
    // Windows placed by layouts that hold a cut text grow first; their fields follow.
    QSet<QWidget*> grown;
    for (QWidget* p : std::as_const(cut)) {
        for (; p; p = p->parentWidget()) {
            const bool window =
                p == root || p->isWindow() || qobject_cast<QMdiSubWindow*>(p->parentWidget());
            if (window && !grown.contains(p)) {
                grown.insert(p);
                GrowToLayout(p);
            }
            if (p == root || p->isWindow()) break;
        }
    }
    for (QWidget* w : widgets) {
        if (!cut.contains(w)) continue;
        if (auto* h = Columns(w)) {
            if (auto* view = qobject_cast<QTableView*>(h->parentWidget())) cut.insert(view);
        }
    }
    for (QWidget* w : widgets) {
        if (!cut.contains(w)) continue;
        if (auto* view = qobject_cast<QTableView*>(w)) FitTable(view);
        if (auto* c = qobject_cast<QComboBox*>(w)) FitPopup(c);
    }
    for (QWidget* w : widgets) {
        if (cut.contains(w)) FitWidget(w, root);
    }
    return true;
}

}  // namespace

QList<UnfitText> FitTexts(QWidget* root) {
    return Fit(root) ? UnfitTexts(root) : QList<UnfitText>();
}

namespace {

// Set on a window from its Show event to its Hide event.
constexpr const char* kWindowShown = "talvoFitWindowShown";

// Fits each window when it is shown and once its texts have changed language.
class TextFitFilter : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (!o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        if (e->type() == QEvent::Show && IsFitted(w)) {
            if (w->isWindow()) {
                w->setProperty(kWindowShown, true);
            } else if (!w->window()->property(kWindowShown).toBool()) {
                // Shown with its window, whose own Show comes next and fits both in one pass.
                return false;
            }
            Fit(w);
        } else if (e->type() == QEvent::Hide && w->isWindow()) {
            w->setProperty(kWindowShown, {});
        } else if (e->type() == QEvent::LanguageChange) {
            // The window retranslates in its own handler, after this filter; fit after that.
            // Every window of one switch is fitted in one queued pass.
            // Qt passes the event on to every child: most come from the window added last.
            QWidget* window = w->window();
            if ((pending_.isEmpty() || pending_.constLast() != window) &&
                !pending_.contains(window)) {
                pending_.removeAll(nullptr);  // windows gone before their pass
                pending_ << window;
            }
            if (!queued_) {
                queued_ = true;
                QTimer::singleShot(0, this, [this] { fitPending(); });
            }
        }
        return false;
    }

  private:
    static bool IsFitted(const QWidget* w) {
        if (qobject_cast<const QMdiSubWindow*>(w)) return true;
        const Qt::WindowType type = w->windowType();
        return w->isWindow() && (type == Qt::Window || type == Qt::Dialog);
    }

    void fitPending() {
        queued_ = false;
        // New texts change what layouts need: let them place their widgets before measuring,
        // or a caption is taken for cut in the room its old text had. A layout that grows
        // asks its parent's layout in turn, hence twice.
        for (int i = 0; i < 2; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QList<QPointer<QWidget>> windows = std::exchange(pending_, {});
        for (const QPointer<QWidget>& window : windows) {
            if (window && window->isVisible()) Fit(window);
        }
    }

    QList<QPointer<QWidget>> pending_;
    bool queued_ = false;
};

}  // namespace

void InstallTextFit(QObject* owner) {
    static QPointer<QObject> installed;
    if (installed) return;
    installed = new TextFitFilter(owner);
    qApp->installEventFilter(installed);
}

}  // namespace talvo
