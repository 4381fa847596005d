#include "ui/text_fit_change.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QTableView>
#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

#include "ui/text_fit_measure.h"
#include "ui/text_fit_record.h"

namespace talvo::fit {
namespace {

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

}  // namespace

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
        SetWordWrap(label);
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

namespace {

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

}  // namespace

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
    if (auto u = UnfitPopup(c)) SetPopupWidth(c, u->need);
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

}  // namespace talvo::fit
