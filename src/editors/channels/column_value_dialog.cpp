#include "editors/channels/column_value_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editors/channels/grid_tool_texts.h"
#include "lang/catalogue.h"
#include "print/cell_text.h"
#include "radio/state/channel_lists.h"
#include "radio/state/tone_list.h"
#include "ui/local_msgbox.h"

namespace talvo {

ColumnValueDialog::ColumnValueDialog(Language lang, int channels, const ColumnValue& start,
                                     QWidget* parent)
    : QDialog(parent), value_(start) {
    setObjectName(QStringLiteral("ColumnValueDialog"));
    const int column = start.column;
    const QString word = ColumnWord(column, lang);
    setWindowTitle(
        Tr(TALVO_TEXT("ColumnValueDialog", "Set %1 of Chosen Channels"), lang).arg(word));
    auto* form = new QFormLayout(this);
    const Text intro = TALVO_PLURAL("ColumnValueDialog",
                                    "%1 of %n channels becomes:", "%1 of %n channel becomes:");
    form->addRow(new QLabel(Tr(Counted(intro, channels), lang).arg(word), this));
    QWidget* field = nullptr;
    const ChannelField& described = *FieldOfColumn(column);
    if (described.kind == FieldKind::Frequency || described.kind == FieldKind::Name) {
        text_ = new QLineEdit(this);
        text_->setObjectName(QStringLiteral("ColumnValueText"));
        text_->setText(CellToDisplay(column, start.text));
        FilterTyping(text_,
                     described.kind == FieldKind::Name ? EntryKind::Name : EntryKind::Frequency);
        text_->selectAll();
        connect(text_, &QLineEdit::textChanged, this, &ColumnValueDialog::updateOk);
        field = text_;
    } else {
        list_ = new QComboBox(this);
        list_->setObjectName(QStringLiteral("ColumnValueList"));
        const int count = EntryCount(described);
        for (int i = 0; i < count; ++i) list_->addItem(Tr(EntryWord(described, i), lang));
        list_->setCurrentIndex(ListIndexValid(column, start.index) ? start.index : 0);
        field = list_;
    }
    field->setAccessibleName(word);
    // The caption's colon is the language's own (a full-width one in Chinese).
    form->addRow(Tr(TALVO_TEXT("ColumnValueDialog", "%1:"), lang).arg(word), field);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(field))) label->setBuddy(field);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(MsgBoxButtonLabel(IdOk, lang));
    buttons_->button(QDialogButtonBox::Cancel)->setText(MsgBoxButtonLabel(IdCancel, lang));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons_);
    field->setFocus();
    updateOk();
}

ColumnValue ColumnValueDialog::value() const {
    ColumnValue v = value_;
    if (text_) v.text = NameToBytes(text_->text());
    if (list_) v.index = list_->currentIndex();
    return v;
}

void ColumnValueDialog::updateOk() {
    // An empty frequency would delete channels or do nothing: Delete does the one.
    const bool frequency = value_.column == kColRxFreq || value_.column == kColTxFreq;
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!(frequency && text_->text().isEmpty()));
}

}  // namespace talvo
