#pragma once

#include <QDialog>

#include "model/language.h"
#include "rules/column_edit.h"

class QComboBox;
class QDialogButtonBox;
class QLineEdit;

namespace talvo {

// Asks for the value that one column of the chosen channels takes: a text box for frequencies
// and names (taking what the grid's editors take), a list for tones and the other settings.
// It starts at the value of the current cell.
class ColumnValueDialog : public QDialog {
    Q_OBJECT
  public:
    // `start`: the current cell's value (its text, or its list index).
    ColumnValueDialog(Language lang, int channels, const ColumnValue& start,
                      QWidget* parent = nullptr);

    ColumnValue value() const;

  private:
    void updateOk();

    ColumnValue value_;
    QLineEdit* text_ = nullptr;
    QComboBox* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace talvo
