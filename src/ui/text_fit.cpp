#include "ui/text_fit.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QSet>
#include <QTableView>
#include <QTimer>
#include <utility>

#include "ui/text_fit_change.h"
#include "ui/text_fit_measure.h"
#include "ui/text_fit_record.h"

namespace talvo {

using namespace fit;

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
