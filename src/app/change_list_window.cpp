#include "app/change_list_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "compare/change_table.h"
#include "lang/catalogue.h"
#include "ui/language_change.h"

namespace talvo {

namespace {

// A cell of the table with its own order: places in the list's order (channels by number, then
// settings, FM, power); values with the empty ones first, then numbers by value, then texts.
class ChangeCell : public QTableWidgetItem {
  public:
    ChangeCell(const QString& text, int column, int placeOrder, bool empty)
        : QTableWidgetItem(text), column_(column), placeOrder_(placeOrder) {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        bool number = false;
        value_ = text.toDouble(&number);
        rank_ = empty ? 0 : number ? 1 : 2;
    }
    bool operator<(const QTableWidgetItem& item) const override {
        const auto& other = static_cast<const ChangeCell&>(item);
        if (column_ == 0) return placeOrder_ < other.placeOrder_;
        if (rank_ != other.rank_) return rank_ < other.rank_;
        if (rank_ == 1) return value_ < other.value_;
        return text().localeAwareCompare(other.text()) < 0;
    }

  private:
    int column_;
    int placeOrder_;
    int rank_ = 2;  // 0 empty, 1 number, 2 text
    double value_ = 0;
};

// The index in the list of changes of a row's cells (the table may be sorted otherwise).
constexpr int kChangeIndex = Qt::UserRole;

// A tab or a line break inside a cell would split it on paste.
QString OneCell(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

}  // namespace

ChangeListWindow::ChangeListWindow(Language lang, const std::vector<compare::Change>& changes,
                                   const QString& backupName, QWidget* parent)
    : QDialog(parent), lang_(lang), changes_(changes), backupName_(backupName) {
    setObjectName(QStringLiteral("FrmChanges"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    intro_ = new QLabel(this);
    intro_->setObjectName(QStringLiteral("Intro"));
    intro_->setWordWrap(true);

    noChange_ = new QLabel(this);
    noChange_->setObjectName(QStringLiteral("NoChange"));

    table_ = new QTableWidget(static_cast<int>(changes.size()), compare::kChangeColumns, this);
    table_->setObjectName(QStringLiteral("Changes"));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setWordWrap(false);
    // One line of text a row: the style's default row is about two lines high, which shows
    // few of a long list. The height follows the texts in fillRows.
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setStretchLastSection(true);
    // The rows come in the list's own order; a click on a title sorts by that column.
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setVisible(!changes.empty());
    noChange_->setVisible(changes.empty());
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("ChangeCount"));
    count_->setVisible(!changes.empty());

    auto* buttons = new QDialogButtonBox(this);
    copy_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    copy_->setObjectName(QStringLiteral("CopyButton"));
    copy_->setAutoDefault(false);
    copy_->setEnabled(!changes.empty());
    write_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    write_->setObjectName(QStringLiteral("WriteButton"));
    cancel_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    // Nothing is written by pressing Enter without looking: Cancel is the default.
    cancel_->setDefault(true);
    cancel_->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copy_, &QPushButton::clicked, this, &ChangeListWindow::copyRows);
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &ChangeListWindow::copyRows);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro_);
    layout->addWidget(noChange_);
    layout->addWidget(table_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_);
    bottom->addWidget(buttons, 1);
    layout->addLayout(bottom);
    retranslate();
    table_->resizeColumnsToContents();
    resize(720, 420);
}

void ChangeListWindow::changeEvent(QEvent* event) {
    if (TakeLanguage(event, lang_)) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void ChangeListWindow::retranslate() {
    setWindowTitle(Tr(TALVO_TEXT("ChangeListWindow", "Changes to Write"), lang_));
    intro_->setText(
        Tr(TALVO_TEXT(
               "ChangeListWindow",
               "What the radio held is kept in the backup %1.\nWriting will make these changes:"),
           lang_)
            .arg(backupName_));
    noChange_->setText(Tr(compare::NoChangeText(), lang_));
    count_->setText(Tr(Counted(TALVO_PLURAL("ChangeListWindow", "%n changes", "%n change"),
                               static_cast<int>(changes_.size())),
                       lang_));
    table_->setAccessibleName(Tr(TALVO_TEXT("ChangeListWindow", "Changes"), lang_));
    QStringList titles;
    for (const Text& title : compare::ChangeTitles()) titles << Tr(title, lang_);
    table_->setHorizontalHeaderLabels(titles);
    fillRows();
    copy_->setText(Tr(TALVO_TEXT("ChangeListWindow", "&Copy"), lang_));
    write_->setText(Tr(TALVO_TEXT("ChangeListWindow", "&Write"), lang_));
    cancel_->setText(Tr(TALVO_TEXT("ChangeListWindow", "Cancel"), lang_));
}

void ChangeListWindow::fillRows() {
    // The cells are made again in the current words; the sort order and the chosen rows stay.
    std::set<int> chosen;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        chosen.insert(table_->item(index.row(), 0)->data(kChangeIndex).toInt());
    }
    table_->setSortingEnabled(false);
    const std::vector<compare::ChangeRow> rows = compare::ChangeRows(changes_);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        const auto cells = compare::ChangeCells(row);
        const auto& change = changes_[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            const bool empty =
                (c == 2 && change.before.empty()) || (c == 3 && change.after.empty());
            auto* cell = new ChangeCell(Tr(cells[static_cast<std::size_t>(c)], lang_), c,
                                        row.placeOrder, empty);
            cell->setData(kChangeIndex, r);
            table_->setItem(r, c, cell);
        }
    }
    table_->setSortingEnabled(true);
    if (!rows.empty()) {
        // A line of the words now shown (Chinese may take a taller font than English).
        const QAbstractItemView* view = table_;
        table_->verticalHeader()->setDefaultSectionSize(view->sizeHintForRow(0));
    }
    table_->clearSelection();
    for (int r = 0; r < table_->rowCount(); ++r) {
        if (chosen.contains(table_->item(r, 0)->data(kChangeIndex).toInt())) {
            table_->selectionModel()->select(
                table_->model()->index(r, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
}

QString ChangeListWindow::copiedText() const {
    std::set<int> chosen;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        chosen.insert(index.row());
    }
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < table_->columnCount(); ++c) {
        cells << OneCell(table_->horizontalHeaderItem(c)->text());
    }
    lines << cells.join(QLatin1Char('\t'));
    for (int r = 0; r < table_->rowCount(); ++r) {
        if (!chosen.empty() && !chosen.contains(r)) continue;
        cells.clear();
        for (int c = 0; c < table_->columnCount(); ++c)
            cells << OneCell(table_->item(r, c)->text());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ChangeListWindow::copyRows() const {
    if (table_->rowCount() == 0) return;
    QApplication::clipboard()->setText(copiedText());
}

}  // namespace talvo
