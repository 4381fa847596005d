#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "compare/change_list.h"
#include "model/language.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace talvo {

// The checked write's question: what the write will change on the radio, one line per channel,
// setting or value (old → new), or "No change"; Write goes on, Cancel (or Escape, or closing the
// window) writes nothing.
class ChangeListWindow : public QDialog {
    Q_OBJECT
  public:
    ChangeListWindow(LanguageFlagValue lang, const std::vector<compare::Change>& changes,
                     const QString& backupName, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* writeButton() const { return write_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QLabel* intro_;
    QListWidget* list_;
    QPushButton* write_;
    QPushButton* cancel_;
};

}  // namespace talvo
