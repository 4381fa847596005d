#pragma once

#include <QWidget>

#include "model/language.h"

class QAction;
class QLabel;
class QLineEdit;
class QToolButton;

namespace talvo {

// The find box above the channel grid: what is typed shows only the channels whose row
// holds it. Enter and F3 step to the next match (with Shift, the one before), Down goes into
// the grid, Escape clears the box and closes the bar.
class ChannelFilterBar : public QWidget {
    Q_OBJECT
  public:
    explicit ChannelFilterBar(QWidget* parent = nullptr);

    QLineEdit* box() const { return box_; }
    QString text() const;
    // Shows the bar with the keyboard in the box, its text selected.
    void open();
    // Empties the box and hides the bar.
    void close();
    // "12 found" (or "3 of 12" while stepping: `position` 1..found, 0 for none).
    void showCount(int found, int position);
    void applyLanguage(Language lang);
    // The keys of `actions` run them while the box has the keyboard, before its own editing
    // keys (Ctrl+E would move the cursor).
    void takeKeysOf(const QList<QAction*>& actions);

  signals:
    void textChanged(const QString& text);
    void step(bool forward);
    void leaveToGrid();
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box_ = nullptr;
    QLabel* label_ = nullptr;
    QLabel* count_ = nullptr;
    QToolButton* closeButton_ = nullptr;
    QList<QAction*> actions_;
    Language lang_ = kChinese;
    int found_ = 0;
    int position_ = 0;
};

}  // namespace talvo
