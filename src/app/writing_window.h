#pragma once

#include <QDialog>

#include "model/language.h"

class QLabel;
class QProgressBar;

namespace talvo {

// The transfer's progress window: a title, one label and a progress bar. The transfer sets its
// texts, shows it modally and closes it. A close by the user is reported through
// closeRequested() and left to the transfer to decide.
class WritingWindow : public QDialog {
    Q_OBJECT
  public:
    explicit WritingWindow(QWidget* parent = nullptr);

    // In Chinese the label is emptied; in English it is left as it is.
    void applyLanguage(Language lang);

    QLabel* label() const { return label_; }
    QProgressBar* progressBar() const { return bar_; }

  signals:
    void closeRequested();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* label_;
    QProgressBar* bar_;
};

}  // namespace talvo
