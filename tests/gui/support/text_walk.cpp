#include "support/text_walk.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>

#include "print/print_layout.h"
#include "ui/text_fit.h"

namespace talvo::testing {

bool IsData(const QString& text) {
    static const QRegularExpression data(QStringLiteral(
        "^[-+0-9.,:;/\\s*#A-DKSNIX%()×]*$|^(COM|TONE):? "
        "?[0-9]+$|^D[0-9]{3}[NI]$|^/dev/|^[A-Z+]{2,4}$|^A:[-0-9.]+MHz B:[-0-9.]+MHz$|^关闭$"));
    return text.trimmed().isEmpty() || data.match(text.trimmed()).hasMatch();
}

QString Unmarked(const QString& text) {
    // Innermost first: an argument may itself be a translated text.
    static const QRegularExpression marked(QStringLiteral("\\[[^\\[\\]]*~\\]"));
    QString rest = text;
    for (QString before; before != rest;) {
        before = rest;
        rest.replace(marked, QStringLiteral(" "));
    }
    return rest;
}

void TextWalk::text(const QString& where, const QString& text) {
    ++texts_;
    if (!pseudo_ || exempt_.contains(text) || IsData(text)) return;
    static const QRegularExpression device(QStringLiteral("/dev/\\S*"));
    const QString rest = Unmarked(text).remove(device);
    if (IsData(rest) || exempt_.contains(rest.trimmed())) return;
    faults_ << QStringLiteral("not from the catalogue: %1: %2").arg(where, text);
}

void TextWalk::printoutFits(const QString& where, const std::vector<PrintElement>& elements,
                            const QPaintDevice& device) {
    const std::vector<PrintPage> pages = LayOutDocument(elements, device);
    for (const PrintPage& page : pages) texts_ += static_cast<int>(page.items.size());
    for (const CutPrintText& c : CutPrintTexts(pages, device)) {
        faults_ << QStringLiteral("cut: %1 page %2: %3 (needs %4 px, has %5)")
                       .arg(where)
                       .arg(c.page + 1)
                       .arg(c.text)
                       .arg(c.need)
                       .arg(c.room);
    }
}

QStringList CommandLineLeftover(const QString& output, const QStringList& names) {
    // Each "[" ... "~]" pair, nested or not, is a text from the catalogue.
    QString rest = output;
    QList<qsizetype> open;
    for (qsizetype i = 0; i < output.size(); ++i) {
        if (output[i] == QLatin1Char('[')) {
            open.append(i);
        } else if (output[i] == QLatin1Char(']') && !open.isEmpty()) {
            const qsizetype from = open.takeLast();
            if (i > 0 && output[i - 1] == QLatin1Char('~')) {
                for (qsizetype j = from; j <= i; ++j)
                    if (rest[j] != QLatin1Char('\n')) rest[j] = QLatin1Char(' ');
            }
        }
    }
    static const QRegularExpression data(
        QStringLiteral("talvo-cli|--?[a-z][a-z-]*(=\\S*)?|\\b[A-Z][A-Z0-9_]*(\\.[a-z]+)?\\b"));
    QStringList faults;
    for (QString line : rest.split(QLatin1Char('\n'))) {
        const QString shown = line;
        for (const QString& name : names)
            line.remove(QRegularExpression(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(name))));
        line.remove(data);
        if (line.contains(QRegularExpression(QStringLiteral("\\p{L}")))) faults << shown.trimmed();
    }
    return faults;
}

void TextWalk::commandLine(const QString& where, const QString& output, const QStringList& names) {
    ++texts_;
    if (!pseudo_) return;
    QString shown = output;
    for (const QString& data : exempt_) shown.replace(data, QStringLiteral(" "));
    for (const QString& line : CommandLineLeftover(shown, names))
        faults_ << QStringLiteral("not from the catalogue: %1: %2").arg(where, line);
}

void TextWalk::window(const QString& where, QWidget* root) {
    auto at = [&where](const QObject* o) {
        return where + QLatin1Char(' ') + QString::fromLatin1(o->metaObject()->className()) +
               QLatin1Char(' ') + o->objectName();
    };
    // "[*]" is the toolkit's place for the unsaved-changes mark, not a text.
    text(where + QStringLiteral(" title"),
         QString(root->windowTitle()).remove(QStringLiteral("[*]")));
    // TALVO_WALK_SHOTS=<folder>: a picture of every window walked, to look at.
    if (const QString shots = qEnvironmentVariable("TALVO_WALK_SHOTS"); !shots.isEmpty()) {
        QString name = where;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]+")), QStringLiteral("_"));
        root->grab().save(QStringLiteral("%1/%2.png").arg(shots, name.left(60)));
    }
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w != root && !w->isVisibleTo(root)) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) text(at(l), l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text(at(b), b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) text(at(g), g->title());
        if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable()) {
            for (int i = 0; i < c->count(); ++i) text(at(c), c->itemText(i));
        }
        if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i) text(at(bar), bar->tabText(i));
        }
        if (auto* view = qobject_cast<QTableView*>(w); view && view->model()) {
            const QAbstractItemModel* m = view->model();
            for (int c = 0; c < m->columnCount(); ++c) {
                if (view->isColumnHidden(c)) continue;
                text(at(view) + QStringLiteral(" header"),
                     m->headerData(c, Qt::Horizontal).toString());
                if (columns_.contains({view->objectName(), c})) continue;
                for (int r = 0; r < m->rowCount(); ++r) {
                    text(at(view) + QStringLiteral(" cell %1,%2").arg(r).arg(c),
                         m->index(r, c).data().toString());
                }
            }
        }
    }
    for (const UnfitText& u : UnfitTexts(root)) {
        faults_ << QStringLiteral("cut: %1: %2 (needs %3 px, has %4)")
                       .arg(at(u.widget.data()), u.text)
                       .arg(u.need)
                       .arg(u.room);
    }
}

}  // namespace talvo::testing
