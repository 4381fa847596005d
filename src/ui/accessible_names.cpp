#include "ui/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QToolBar>
#include <QWidget>

namespace talvo {
namespace {

// "Open(&O)" is read as "Open(O)", as menus are; "&&" is a plain "&".
QString WithoutMnemonic(QString text) {
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    text.replace(mark, QStringLiteral("\\1"));
    return text;
}

// Watches `source` and renames `control` whenever `change` happens to it.
class NameFollower : public QObject {
  public:
    using Source = QString (*)(const QWidget*);
    NameFollower(QWidget* control, QWidget* source, QEvent::Type change, Source read)
        : QObject(control), control_(control), source_(source), change_(change), read_(read) {
        source->installEventFilter(this);
        rename();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != source_ || event->type() != change_) return false;
        if (change_ == QEvent::LanguageChange) {
            // The window retranslates its texts on the same event, perhaps after this filter.
            QMetaObject::invokeMethod(this, &NameFollower::rename, Qt::QueuedConnection);
        } else {
            rename();
        }
        return false;
    }

  private:
    void rename() { control_->setAccessibleName(read_(source_)); }

    QWidget* control_;
    QWidget* source_;
    QEvent::Type change_;
    Source read_;
};

QString TitleOf(const QWidget* w) {
    // The main window's title marks unsaved changes with "[*]".
    QString title = w->windowTitle();
    title.remove(QStringLiteral("[*]"));
    return title.trimmed();
}

QString ToolTipOf(const QWidget* w) {
    return WithoutMnemonic(w->toolTip());
}

// Names an editor after the header of the column it edits, and again when the headers change.
class ColumnFollower : public QObject {
  public:
    static constexpr const char* kName = "accessibleNameColumn";
    ColumnFollower(QWidget* editor, const QAbstractItemView* view)
        : QObject(editor), editor_(editor), view_(view) {
        setObjectName(QLatin1String(kName));
        connect(view->model(), &QAbstractItemModel::headerDataChanged, this,
                &ColumnFollower::rename);
    }
    void setColumn(int column) {
        column_ = column;
        rename();
    }

  private:
    void rename() {
        editor_->setAccessibleName(
            view_->model()->headerData(column_, Qt::Horizontal).toString().trimmed());
    }

    QWidget* editor_;
    const QAbstractItemView* view_;
    int column_ = 0;
};

}  // namespace

void NameAfterColumn(QWidget* editor, const QAbstractItemView* view, int column) {
    auto* follower = static_cast<ColumnFollower*>(editor->findChild<QObject*>(
        QLatin1String(ColumnFollower::kName), Qt::FindDirectChildrenOnly));
    if (!follower) follower = new ColumnFollower(editor, view);
    follower->setColumn(column);
}

void NameAfterTitle(QWidget* control, QWidget* titled) {
    new NameFollower(control, titled, QEvent::WindowTitleChange, TitleOf);
}

void NameToolBarButtons(QToolBar* bar) {
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) continue;
        if (QWidget* button = bar->widgetForAction(action))
            new NameFollower(button, button, QEvent::ToolTipChange, ToolTipOf);
    }
}

void NameAfterCommand(QWidget* control, QAction* command) {
    auto rename = [control, command] {
        control->setAccessibleName(WithoutMnemonic(command->text()));
    };
    QObject::connect(command, &QAction::changed, control, rename);
    rename();
}

void NameAfterChoice(QWidget* control, QAbstractButton* choice) {
    // A button's text changes without an event; a language switch is when it does.
    new NameFollower(control, choice, QEvent::LanguageChange, [](const QWidget* w) {
        return WithoutMnemonic(static_cast<const QAbstractButton*>(w)->text());
    });
}

void NameFileDialogFields(QFileDialog* dialog) {
    for (const auto& [label, field] :
         {std::pair{"lookInLabel", "lookInCombo"}, std::pair{"fileTypeLabel", "fileTypeCombo"},
          std::pair{"fileNameLabel", "fileNameEdit"}}) {
        auto* caption = dialog->findChild<QLabel*>(QLatin1String(label));
        auto* widget = dialog->findChild<QWidget*>(QLatin1String(field));
        if (caption && widget && !caption->buddy()) caption->setBuddy(widget);
    }
}

}  // namespace talvo
