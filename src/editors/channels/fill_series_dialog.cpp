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
#include "print/cell_text.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

QString Pick(LanguageFlagValue lang, const char* zh, const char* en) {
    return QString::fromUtf8(lang == kChinese ? zh : en);
}

QString ProblemText(FillProblem problem, LanguageFlagValue lang) {
    switch (problem) {
        case FillProblem::None:
            return {};
        case FillProblem::NothingToFill:
            return Pick(lang, "请选择要填充的内容", "Choose what to fill");
        case FillProblem::BadStart:
            return Pick(lang, "起始频率不是数字", "The start frequency is no number");
        case FillProblem::BadStep:
            return Pick(lang, "步进不是数字（千赫）", "The step is no number (kHz)");
        case FillProblem::BadOffset:
            return Pick(lang, "频差不是数字（兆赫）", "The offset is no number (MHz)");
        case FillProblem::BadPattern:
            return Pick(lang, "名称格式只能含名称允许的字符和 {n} 或 {n:02}",
                        "The name pattern may hold only name characters and {n} or {n:02}");
    }
    return {};
}

}  // namespace

FillSeriesDialog::FillSeriesDialog(LanguageFlagValue lang, const ChannelStores& stores,
                                   const BandState& band, const ChannelList& channels,
                                   QWidget* parent)
    : QDialog(parent), lang_(lang), stores_(stores), band_(band), channels_(channels) {
    setObjectName(QStringLiteral("FillSeriesDialog"));
    setWindowTitle(lang == kChinese
                       ? QStringLiteral("填充信道序列（%1 个信道）").arg(channels.size())
                       : QStringLiteral("Fill Series (%1 channels)").arg(channels.size()));
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);

    auto named = [](QWidget* w, const char* object, const QString& accessible) {
        w->setObjectName(QLatin1String(object));
        w->setAccessibleName(accessible);
        return w;
    };
    fillRx_ = new QCheckBox(Pick(lang, "接收频率(&R)", "&Receive frequencies"), this);
    named(fillRx_, "FillRx", fillRx_->text().remove('&'));
    fillRx_->setChecked(true);
    rxStart_ = new QLineEdit(QStringLiteral("446.00625"), this);
    named(rxStart_, "FillRxStart", Pick(lang, "起始频率（兆赫）", "Start frequency (MHz)"));
    FilterTyping(rxStart_, EntryKind::Frequency);
    rxStep_ = new QLineEdit(QStringLiteral("12.5"), this);
    named(rxStep_, "FillRxStep", Pick(lang, "步进（千赫）", "Step (kHz)"));
    auto* rxRow = new QHBoxLayout;
    rxRow->addWidget(rxStart_);
    rxRow->addWidget(new QLabel(Pick(lang, "兆赫，步进", "MHz, step"), this));
    rxRow->addWidget(rxStep_);
    rxRow->addWidget(new QLabel(Pick(lang, "千赫", "kHz"), this));
    form->addRow(fillRx_, rxRow);

    tx_ = new QComboBox(this);
    named(tx_, "FillTx", Pick(lang, "发射频率", "Transmit frequency"));
    tx_->addItems({Pick(lang, "不变", "Leave as it is"),
                   Pick(lang, "与接收频率相同", "Same as receive"),
                   Pick(lang, "接收频率加频差", "Receive plus offset")});
    tx_->setCurrentIndex(1);
    txOffset_ = new QLineEdit(QStringLiteral("+5"), this);
    named(txOffset_, "FillTxOffset", Pick(lang, "频差（兆赫）", "Offset (MHz)"));
    auto* txRow = new QHBoxLayout;
    txRow->addWidget(tx_);
    txRow->addWidget(txOffset_);
    txRow->addWidget(new QLabel(Pick(lang, "兆赫", "MHz"), this));
    auto* txLabel = new QLabel(Pick(lang, "发射频率(&T)：", "&Transmit:"), this);
    txLabel->setBuddy(tx_);
    form->addRow(txLabel, txRow);

    fillNames_ = new QCheckBox(Pick(lang, "名称(&N)", "&Names"), this);
    named(fillNames_, "FillNames", fillNames_->text().remove('&'));
    pattern_ = new QLineEdit(QStringLiteral("CH{n}"), this);
    named(pattern_, "FillPattern", Pick(lang, "名称格式", "Name pattern"));
    pattern_->setToolTip(Pick(lang, "{n} 为编号，{n:02} 为两位编号（如 PMR{n:02}）",
                              "{n} is the number, {n:02} the number with two digits "
                              "(e.g. PMR{n:02})"));
    firstNumber_ = new QSpinBox(this);
    named(firstNumber_, "FillFirstNumber", Pick(lang, "起始编号", "First number"));
    firstNumber_->setRange(0, 99999);
    firstNumber_->setValue(1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(pattern_);
    nameRow->addWidget(new QLabel(Pick(lang, "起始编号", "first number"), this));
    nameRow->addWidget(firstNumber_);
    form->addRow(fillNames_, nameRow);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("FillProblem"));
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    column->addWidget(problem_);

    preview_ = new QTableWidget(0, 5, this);
    named(preview_, "FillPreview", Pick(lang, "预览", "Preview"));
    preview_->setHorizontalHeaderLabels({ColumnWord(0, lang), ColumnWord(kColRxFreq, lang),
                                         ColumnWord(kColTxFreq, lang), ColumnWord(kColName, lang),
                                         Pick(lang, "结果", "Result")});
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_->horizontalHeader()->setStretchLastSection(true);
    preview_->setMinimumSize(560, 260);
    column->addWidget(preview_, 1);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(Pick(lang, "填充", "Fill"));
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
    problem_->setText(ProblemText(plan_.problem, lang_));
    problem_->setVisible(plan_.problem != FillProblem::None);
    preview_->setRowCount(static_cast<int>(plan_.rows.size()));
    int taking = 0;
    for (int r = 0; r < preview_->rowCount(); ++r) {
        const FillRow& row = plan_.rows[static_cast<std::size_t>(r)];
        QString result;
        if (row.refusal) {
            result = Pick(lang_, "不变：", "Stays: ") + Words(RefusalText(*row.refusal), lang_);
        } else {
            ++taking;
            result =
                row.starts ? Pick(lang_, "新信道", "New channel") : Pick(lang_, "填充", "Filled");
        }
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
