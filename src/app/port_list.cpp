#include "app/port_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "lang/catalogue.h"

namespace talvo {

namespace {

constexpr int kDeviceRole = Qt::UserRole + 1;       // the device path, empty for nothing
constexpr int kDescriptionRole = Qt::UserRole + 2;  // what it is, and why it cannot open

// Draws a number entry as three columns: number, device, description; a number that reaches
// nothing in the disabled colour.
class PortItemDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int deviceWidth = 0;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString device = index.data(kDeviceRole).toString();
        const QString description = index.data(kDescriptionRole).toString();
        if (description.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString number = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const bool selected = opt.state & QStyle::State_Selected;
        QPalette::ColorGroup group = device.isEmpty() ? QPalette::Disabled : QPalette::Normal;
        painter->save();
        painter->setPen(
            opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics fm(opt.font);
        const int gap = fm.horizontalAdvance(QStringLiteral("   "));
        QRect r = opt.rect.adjusted(fm.horizontalAdvance(QLatin1Char(' ')), 0, 0, 0);
        const int numberWidth = fm.horizontalAdvance(QStringLiteral("16"));
        painter->drawText(QRect(r.left(), r.top(), numberWidth, r.height()),
                          Qt::AlignVCenter | Qt::AlignRight, number);
        r.setLeft(r.left() + numberWidth + gap);
        painter->drawText(r, Qt::AlignVCenter | Qt::AlignLeft,
                          device.isEmpty() ? QStringLiteral("—") : device);
        r.setLeft(r.left() + deviceWidth + gap);
        painter->drawText(r, Qt::AlignVCenter | Qt::AlignLeft, description);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString description = index.data(kDescriptionRole).toString();
        if (!description.isEmpty()) {
            const QFontMetrics fm(option.font);
            size.setWidth(fm.horizontalAdvance(QStringLiteral(" 16   ")) + deviceWidth +
                          fm.horizontalAdvance(QStringLiteral("   ") + description + "  "));
        }
        return size;
    }
};

}  // namespace

void SetUpPortList(QComboBox* list) {
    for (int n = 1; n <= 16; ++n) list->addItem(QString::number(n));
    list->insertSeparator(16);
    list->addItem(QString());  // the Refresh entry, labelled by LabelPortList
    list->setItemDelegate(new PortItemDelegate(list));
    list->view()->setTextElideMode(Qt::ElideNone);
    list->setCurrentIndex(-1);
    new NumberTypeAhead(list);
}

void ShowPortSurvey(QComboBox* list, const std::vector<link::PortEntry>& ports, Language lang) {
    auto* delegate = static_cast<PortItemDelegate*>(list->itemDelegate());
    const QFontMetrics fm(list->view()->font());
    int deviceWidth = fm.horizontalAdvance(QStringLiteral("—"));
    int widest = 0;
    for (const link::PortEntry& p : ports) {
        if (p.number < 1 || p.number > 16) continue;
        const int item = p.number - 1;
        const QString device = p.device ? QString::fromStdString(*p.device) : QString();
        QString description = Tr(link::DescriptionText(p.info), lang);
        if (p.device && p.access != link::PortAccess::Free) {
            description += QStringLiteral("  — ") + Tr(link::AccessText(p), lang);
        }
        list->setItemData(item, device, kDeviceRole);
        list->setItemData(item, description, kDescriptionRole);
        list->setItemData(item, device.isEmpty() ? description : device + "  " + description,
                          Qt::ToolTipRole);
        deviceWidth = std::max(deviceWidth, fm.horizontalAdvance(device));
        widest = std::max(widest, fm.horizontalAdvance(description));
    }
    delegate->deviceWidth = deviceWidth;
    LabelPortList(list, lang);
    // The dropped-open list is as wide as its longest line; the closed list keeps its place.
    const int width = fm.horizontalAdvance(QStringLiteral(" 16      ")) + deviceWidth + widest +
                      fm.horizontalAdvance(QStringLiteral("      ")) +
                      list->view()->verticalScrollBar()->sizeHint().width();
    list->view()->setMinimumWidth(width);
}

void LabelPortList(QComboBox* list, Language lang) {
    list->setItemText(kPortRefreshItem, Tr(TALVO_TEXT("PortList", "Refresh"), lang));
}

NumberTypeAhead::NumberTypeAhead(QComboBox* list) : QObject(list), list_(list) {
    list->view()->installEventFilter(this);
}

bool NumberTypeAhead::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_->view()) return false;
    if (event->type() == QEvent::Show) typed_.clear();  // a list dropped open starts afresh
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isDigit() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    if (!since_.isValid() || since_.elapsed() > QApplication::keyboardInputInterval())
        typed_.clear();
    since_.start();
    const auto find = [this](const QString& wanted) {
        for (int i = 0; i < 16; ++i) {
            if (list_->itemText(i) == wanted) return i;
        }
        return -1;
    };
    int row = find(typed_ + text);
    if (row >= 0) {
        typed_ += text;
    } else {
        // The digits so far and this one name no number: this digit starts a new one.
        typed_ = text;
        row = find(typed_);
    }
    if (row >= 0) {
        QAbstractItemView* view = list_->view();
        const QModelIndex index =
            view->model()->index(row, list_->modelColumn(), view->rootIndex());
        view->setCurrentIndex(index);
        view->scrollTo(index);
    }
    return true;
}

}  // namespace talvo
