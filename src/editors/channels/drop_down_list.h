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
    // Drops the list open for a mouse press that was made on the cell under the box. The
    // release of that press then leaves the list open, as the release of a press on the box
    // itself would: a click opens the list and a second click picks. A press dragged into the
    // list and released on an entry still picks it.
    void showPopupForPress();

  signals:
    void popupClosed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* popup_ = nullptr;
    bool keepOpenOnRelease_ = false;
};

}  // namespace talvo
