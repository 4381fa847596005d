#include "editors/channels/fill_series_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editors/channels/grid_tool_texts.h"
#include "lang/catalogue.h"
#include "print/cell_text.h"
#include "rules/fill_texts.h"
#include "ui/local_msgbox.h"

namespace talvo {
FillSeriesDialog::FillSeriesDialog(Language lang, const ChannelStores& stores,
                                   const BandState& band, const ChannelList& channels,
                                   QWidget* parent)
    : QDialog(parent), lang_(lang), stores_(stores), band_(band), channels_(channels) {
    setObjectName(QStringLiteral("FillSeriesDialog"));
    setWindowTitle(Tr(Counted(TALVO_PLURAL("FillSeriesDialog", "Fill Series (%n channels)",
                                           "Fill Series (%n channel)"),
                              static_cast<int>(channels.size())),
                      lang));
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);

    auto named = [](QWidget* w, const char* object, const QString& accessible) {
        w->setObjectName(QLatin1String(object));
        w->setAccessibleName(accessible);
        return w;
    };
    fillRx_ = new QCheckBox(Tr(TALVO_TEXT("FillSeriesDialog", "&Receive frequencies"), lang), this);
    named(fillRx_, "FillRx", fillRx_->text().remove('&'));
    fillRx_->setChecked(true);
    rxStart_ = new QLineEdit(QStringLiteral("446.00625"), this);
    named(rxStart_, "FillRxStart",
          Tr(TALVO_TEXT("FillSeriesDialog", "Start frequency (MHz)"), lang));
    FilterTyping(rxStart_, EntryKind::Frequency);
    rxStep_ = new QLineEdit(QStringLiteral("12.5"), this);
    named(rxStep_, "FillRxStep", Tr(TALVO_TEXT("FillSeriesDialog", "Step (kHz)"), lang));
    auto* rxRow = new QHBoxLayout;
    rxRow->addWidget(rxStart_);
    rxRow->addWidget(new QLabel(Tr(TALVO_TEXT("FillSeriesDialog", "MHz, step"), lang), this));
    rxRow->addWidget(rxStep_);
    rxRow->addWidget(new QLabel(Tr(TALVO_TEXT("FillSeriesDialog", "kHz"), lang), this));
    form->addRow(fillRx_, rxRow);

    tx_ = new QComboBox(this);
    named(tx_, "FillTx", Tr(TALVO_TEXT("FillSeriesDialog", "Transmit frequency"), lang));
    tx_->addItems({Tr(TALVO_TEXT("FillSeriesDialog", "Leave as it is"), lang),
                   Tr(TALVO_TEXT("FillSeriesDialog", "Same as receive"), lang),
                   Tr(TALVO_TEXT("FillSeriesDialog", "Receive plus offset"), lang)});
    tx_->setCurrentIndex(1);
    txOffset_ = new QLineEdit(QStringLiteral("+5"), this);
    named(txOffset_, "FillTxOffset", Tr(TALVO_TEXT("FillSeriesDialog", "Offset (MHz)"), lang));
    auto* txRow = new QHBoxLayout;
    txRow->addWidget(tx_);
    txRow->addWidget(txOffset_);
    txRow->addWidget(new QLabel(Tr(TALVO_TEXT("FillSeriesDialog", "MHz"), lang), this));
    auto* txLabel = new QLabel(Tr(TALVO_TEXT("FillSeriesDialog", "&Transmit:"), lang), this);
    txLabel->setBuddy(tx_);
    form->addRow(txLabel, txRow);

    fillNames_ = new QCheckBox(Tr(TALVO_TEXT("FillSeriesDialog", "&Names"), lang), this);
    named(fillNames_, "FillNames", fillNames_->text().remove('&'));
    pattern_ = new QLineEdit(QStringLiteral("CH{n}"), this);
    named(pattern_, "FillPattern", Tr(TALVO_TEXT("FillSeriesDialog", "Name pattern"), lang));
    pattern_->setToolTip(
        Tr(TALVO_TEXT("FillSeriesDialog",
                      "{n} is the number, {n:02} the number with two digits (e.g. PMR{n:02})"),
           lang));
    firstNumber_ = new QSpinBox(this);
    named(firstNumber_, "FillFirstNumber",
          Tr(TALVO_TEXT("FillSeriesDialog", "First number"), lang));
    firstNumber_->setRange(0, 99999);
    firstNumber_->setValue(1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(pattern_);
    nameRow->addWidget(new QLabel(Tr(TALVO_TEXT("FillSeriesDialog", "first number"), lang), this));
    nameRow->addWidget(firstNumber_);
    form->addRow(fillNames_, nameRow);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("FillProblem"));
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    column->addWidget(problem_);

    preview_ = new QTableWidget(0, 5, this);
    named(preview_, "FillPreview", Tr(TALVO_TEXT("FillSeriesDialog", "Preview"), lang));
    preview_->setHorizontalHeaderLabels({ColumnWord(0, lang), ColumnWord(kColRxFreq, lang),
                                         ColumnWord(kColTxFreq, lang), ColumnWord(kColName, lang),
                                         Tr(TALVO_TEXT("FillSeriesDialog", "Result"), lang)});
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_->horizontalHeader()->setStretchLastSection(true);
    preview_->setMinimumSize(560, 260);
    column->addWidget(preview_, 1);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)
        ->setText(Tr(TALVO_TEXT("FillSeriesDialog", "Fill"), lang));
    buttons_->button(QDialogButtonBox::Cancel)->setText(MsgBoxButtonLabel(IdCancel, lang));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons_);

    for (QLineEdit* edit : {rxStart_, rxStep_, txOffset_, pattern_}) {
        connect(edit, &QLineEdit::textChanged, this, &FillSeriesDialog::updatePreview);
    }
    for (QCheckBox* box : {fillRx_, fillNames_}) {
        connect(box, &QCheckBox::toggled, this, &FillSeriesDialog::updatePreview);
    }
    connect(tx_, &QComboBox::currentIndexChanged, this, &FillSeriesDialog::updatePreview);
    connect(firstNumber_, &QSpinBox::valueChanged, this, &FillSeriesDialog::updatePreview);
    rxStart_->setFocus();
    rxStart_->selectAll();
    updatePreview();
}

FillSeries FillSeriesDialog::series() const {
    FillSeries s;
    s.fillRx = fillRx_->isChecked();
    s.rxStartMhz = rxStart_->text().toStdString();
    s.rxStepKhz = rxStep_->text().trimmed().toStdString();
    s.tx = static_cast<TxFill>(tx_->currentIndex());
    s.txOffsetMhz = txOffset_->text().trimmed().toStdString();
    s.fillNames = fillNames_->isChecked();
    s.namePattern = pattern_->text().toStdString();
    s.firstNumber = firstNumber_->value();
    return s;
}

void FillSeriesDialog::updatePreview() {
    rxStart_->setEnabled(fillRx_->isChecked());
    rxStep_->setEnabled(fillRx_->isChecked());
    txOffset_->setEnabled(tx_->currentIndex() == static_cast<int>(TxFill::Offset));
    pattern_->setEnabled(fillNames_->isChecked());
    firstNumber_->setEnabled(fillNames_->isChecked());

    plan_ = PlanFill(stores_, band_, channels_, series());
    problem_->setText(Tr(FillProblemText(plan_.problem), lang_));
    problem_->setVisible(plan_.problem != FillProblem::None);
    preview_->setRowCount(static_cast<int>(plan_.rows.size()));
    int taking = 0;
    for (int r = 0; r < preview_->rowCount(); ++r) {
        const FillRow& row = plan_.rows[static_cast<std::size_t>(r)];
        if (!row.refusal) ++taking;
        const QString result = Tr(FillRowResult(row), lang_);
        const QStringList texts = {QString::number(row.channel), QString::fromStdString(row.rx),
                                   QString::fromStdString(row.tx),
                                   CellToDisplay(kColName, row.name), result};
        for (int c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            if (row.refusal) item->setForeground(QColor(0xb0, 0, 0));
            preview_->setItem(r, c, item);
        }
    }
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(plan_.problem == FillProblem::None && taking > 0);
}

}  // namespace talvo
