#pragma once

#include <QComboBox>

namespace talvo {

// A floating drop-down list that tells whenever its list closes, whatever closed it (a pick,
// Escape, a click elsewhere), so that a list closed without a pick can end the edit.
class DropDownList : public QComboBox {
    Q_OBJECT
  public:
    explicit DropDownList(QWidget* parent = nullptr);

    // Drops the list open at least as wide as its longest entry.
    void showPopup() override;

  signals:
    void popupClosed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* popup_ = nullptr;
};

}  // namespace talvo
