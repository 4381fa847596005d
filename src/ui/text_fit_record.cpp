#include "ui/text_fit_record.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QRect>
#include <QVariant>
#include <QWidget>

namespace talvo::fit {
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

QHash<const QObject*, FitRecord>& Records() {
    static QHash<const QObject*, FitRecord> records;
    return records;
}

void MarkChanged(QWidget* w) {
    RecordOf(w).changed = true;
}

}  // namespace

FitRecord& RecordOf(QObject* o) {
    auto it = Records().find(o);
    if (it == Records().end()) {
        QObject::connect(o, &QObject::destroyed, [o] { Records().remove(o); });
        it = Records().insert(o, {});
    }
    return *it;
}

QHash<QString, int>& KnownWidths(QObject* o, const QFont& font) {
    FitRecord& r = RecordOf(o);
    if (r.font != font || r.widths.size() > 4096) {
        r.font = font;
        r.widths.clear();
    }
    return r.widths;
}

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

void SetWordWrap(QLabel* label) {
    label->setWordWrap(true);
    label->setProperty(kWrapSet, true);
    MarkChanged(label);
}

void SetPopupWidth(QComboBox* c, int width) {
    if (!c->property(kPopupBefore).isValid()) {
        c->setProperty(kPopupBefore, c->view()->minimumWidth());
    }
    c->view()->setMinimumWidth(width);
    c->setProperty(kPopupSet, c->view()->minimumWidth());
    MarkChanged(c);
}

}  // namespace talvo::fit
