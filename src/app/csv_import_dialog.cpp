#include "app/csv_import_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "exchange/decimal_text.h"
#include "exchange/frequency_hz.h"
#include "exchange/import_summary.h"
#include "lang/catalogue.h"
#include "ui/accessible_names.h"
#include "ui/language_change.h"

namespace talvo {
namespace {

constexpr Text kTitle{TALVO_TEXT("CsvImportDialog", "Import Channels (CSV)")};
constexpr Text kPlacement{TALVO_TEXT("CsvImportDialog", "Placement")};
constexpr Text kByLocation{TALVO_TEXT("CsvImportDialog", "By Location: row n becomes channel n")};
constexpr Text kIntoFree{
    TALVO_TEXT("CsvImportDialog", "In file order into the free channels from channel:")};
constexpr Text kImport{TALVO_TEXT("CsvImportDialog", "Import")};
constexpr Text kCancel{TALVO_TEXT("CsvImportDialog", "Cancel")};
constexpr Text kColumns[] = {
    TALVO_TEXT("CsvImportDialog", "Line"),    TALVO_TEXT("CsvImportDialog", "Result"),
    TALVO_TEXT("CsvImportDialog", "Channel"), TALVO_TEXT("CsvImportDialog", "RX MHz"),
    TALVO_TEXT("CsvImportDialog", "Name"),    TALVO_TEXT("CsvImportDialog", "Replaces"),
    TALVO_TEXT("CsvImportDialog", "Details")};
constexpr Text kFates[] = {
    TALVO_TEXT("CsvImportDialog", "imported"), TALVO_TEXT("CsvImportDialog", "adjusted"),
    TALVO_TEXT("CsvImportDialog", "refused"), TALVO_TEXT("CsvImportDialog", "skipped")};
// A row that gives its channel what the channel already holds.
constexpr Text kUnchanged{TALVO_TEXT("CsvImportDialog", "unchanged")};

QString FromName(const std::string& name) {
    // One byte per character, as the radio holds it.
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

CsvImportDialog::CsvImportDialog(ChannelTable table, const ChannelStores& target,
                                 const BandState& band, Language lang, const QString& fileName,
                                 QWidget* parent)
    : QDialog(parent),
      table_(std::move(table)),
      target_(target),
      band_(band),
      lang_(lang),
      fileName_(fileName) {
    setObjectName("CsvImportDialog");
    auto* layout = new QVBoxLayout(this);

    auto* placement = new QHBoxLayout;
    placementLabel_ = new QLabel(this);
    placement->addWidget(placementLabel_);
    byLocation_ = new QRadioButton(this);
    byLocation_->setObjectName("placeByLocation");
    byLocation_->setChecked(true);
    intoFree_ = new QRadioButton(this);
    intoFree_->setObjectName("placeIntoFree");
    firstChannel_ = new QSpinBox(this);
    firstChannel_->setObjectName("firstChannel");
    firstChannel_->setRange(1, kChannelCount);
    firstChannel_->setEnabled(false);
    placement->addWidget(byLocation_);
    placement->addSpacing(12);
    placement->addWidget(intoFree_);
    placement->addWidget(firstChannel_);
    placement->addStretch(1);
    layout->addLayout(placement);

    summary_ = new QLabel(this);
    summary_->setObjectName("summary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    rows_ = new QTableWidget(this);
    rows_->setObjectName("rows");
    NameAfterTitle(rows_, this);
    rows_->setColumnCount(static_cast<int>(std::size(kColumns)));
    rows_->verticalHeader()->hide();
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // A long reason wraps onto as many lines as it needs, in every language and at every
    // width of the dialog, instead of ending in "…".
    rows_->setWordWrap(true);
    rows_->viewport()->installEventFilter(this);
    layout->addWidget(rows_, 1);

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    import_->setObjectName("importButton");
    cancel_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancel_->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(intoFree_, &QRadioButton::toggled, this, [this](bool on) {
        firstChannel_->setEnabled(on);
        replan();
    });
    connect(firstChannel_, &QSpinBox::valueChanged, this, [this] { replan(); });
    resize(900, 520);
    retranslate();
    // Named by the choice's words, once they are written (and again on a language change).
    NameAfterChoice(firstChannel_, intoFree_);
    replan();
}

void CsvImportDialog::changeEvent(QEvent* event) {
    if (TakeLanguage(event, lang_)) {
        retranslate();
        // The plan stays what it was made from; only its words follow the language.
        fillRows();
    }
    QDialog::changeEvent(event);
}

void CsvImportDialog::retranslate() {
    setWindowTitle(Tr(kTitle, lang_));
    placementLabel_->setText(Tr(kPlacement, lang_) + QStringLiteral(":"));
    byLocation_->setText(Tr(kByLocation, lang_));
    intoFree_->setText(Tr(kIntoFree, lang_));
    QStringList headers;
    for (const Text& t : kColumns) headers << Tr(t, lang_);
    rows_->setHorizontalHeaderLabels(headers);
    import_->setText(Tr(kImport, lang_));
    cancel_->setText(Tr(kCancel, lang_));
}

void CsvImportDialog::replan() {
    ImportRequest request;
    if (intoFree_->isChecked()) {
        request.placement = Placement::FreeFrom;
        request.firstChannel = firstChannel_->value();
    }
    plan_ = PlanImport(table_, target_, band_, request);
    fillRows();
}

void CsvImportDialog::fillRows() {
    QStringList lines;
    for (const Message& line : ImportSummary(plan_, fileName_.toStdString())) {
        lines << Tr(line, lang_);
    }
    summary_->setText(lines.join(QLatin1Char('\n')));
    import_->setEnabled(plan_.taken() > 0);

    rows_->setRowCount(static_cast<int>(plan_.rows.size()));
    for (int r = 0; r < rows_->rowCount(); ++r) {
        const ImportRow& row = plan_.rows[static_cast<std::size_t>(r)];
        const bool taken = row.channel > 0;
        QString replaces;
        if (row.overwrites) {
            const Channel& replaced = target_.at(row.channel);
            replaces = QString::fromStdString(FrequencyText(replaced.rx));
            if (!replaced.name.empty()) {
                replaces += QStringLiteral(" ") + FromName(replaced.name);
            }
        }
        QStringList details;
        for (const ExchangeNote& note : row.notes) {
            details << Tr(NoteText(note), lang_);
        }
        const QString cells[] = {
            QString::number(row.line),
            Tr(row.unchanged ? kUnchanged : kFates[static_cast<int>(row.fate)], lang_),
            taken ? QString::number(row.channel) : QString(),
            taken ? QString::fromStdString(MegahertzText(HzOf(*row.read.rx).value_or(0)))
                  : QString(),
            taken ? FromName(row.read.name) : QString(),
            replaces,
            details.join(
                Tr(TALVO_TEXT3("CsvImportDialog", "; ", "between two notes of a row"), lang_)),
        };
        const QColor shade = row.fate == RowFate::Refused    ? QColor(255, 214, 214)
                             : row.fate == RowFate::Adjusted ? QColor(255, 244, 200)
                             : row.fate == RowFate::Skipped  ? QColor(230, 230, 230)
                                                             : QColor();
        for (int c = 0; c < rows_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (shade.isValid()) item->setBackground(shade);
            if (c == rows_->columnCount() - 1) item->setToolTip(cells[c]);
            rows_->setItem(r, c, item);
        }
    }
    // Every column as wide as its content; the details take the rest of the width.
    rows_->resizeColumnsToContents();
    fitDetails();
}

void CsvImportDialog::fitDetails() {
    const int details = rows_->columnCount() - 1;
    int others = 0;
    for (int c = 0; c < details; ++c) others += rows_->columnWidth(c);
    const int least = rows_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12;
    rows_->setColumnWidth(details, std::max(rows_->viewport()->width() - others, least));
    rows_->resizeRowsToContents();
}

bool CsvImportDialog::eventFilter(QObject* watched, QEvent* event) {
    // Set here rather than by the header's stretch, which takes its width only later: the rows'
    // heights follow the width at once.
    if (watched == rows_->viewport() && event->type() == QEvent::Resize) fitDetails();
    return QDialog::eventFilter(watched, event);
}

}  // namespace talvo
