#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "compare/change_list.h"
#include "model/language.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace talvo {

// The checked write's question: what the write will change on the radio, one row per change
// (channel or setting, field, old value, new value) in a table sorted by a click on a column's
// title, or "No change". Copy (or Ctrl+C) puts the chosen rows, or all of them, on the
// clipboard as tab-separated lines under the titles. Write goes on, Cancel (or Escape, or
// closing the window) writes nothing.
class ChangeListWindow : public QDialog {
    Q_OBJECT
  public:
    ChangeListWindow(Language lang, const std::vector<compare::Change>& changes,
                     const QString& backupName, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // Shown instead of the table when nothing changes.
    QLabel* noChangeNote() const { return noChange_; }
    // How many changes the table lists (hidden when there are none).
    QLabel* countNote() const { return count_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* writeButton() const { return write_; }
    QPushButton* cancelButton() const { return cancel_; }
    // What Copy puts on the clipboard: the titles, then the chosen rows (all rows when none is
    // chosen) in the order shown, cells separated by tabs.
    QString copiedText() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void copyRows() const;
    void retranslate();
    void fillRows();

    Language lang_;
    std::vector<compare::Change> changes_;
    QString backupName_;

    QLabel* intro_;
    QLabel* noChange_;
    QLabel* count_;
    QTableWidget* table_;
    QPushButton* copy_;
    QPushButton* write_;
    QPushButton* cancel_;
};

}  // namespace talvo
