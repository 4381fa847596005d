#pragma once

#include <QDialog>
#include <QString>

#include "model/language.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace talvo {

// File → Backups…: the backups every read left (newest first) with the date and time, how many
// channels are used and the first channel names; Open takes the chosen one.
class BackupsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit BackupsWindow(Language lang, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QPushButton* openButton() const { return open_; }
    // The chosen backup's path after Open; empty otherwise.
    QString chosen() const { return chosen_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void fill();
    void retranslate();

    Language lang_;
    QLabel* intro_;
    QTableWidget* table_;
    QPushButton* open_;
    QPushButton* cancel_;
    QString chosen_;
};

}  // namespace talvo
