#pragma once

#include <QComboBox>

namespace talvo {

// A drop-down list that tells when the user opens it, before any choice is made: the band
// question is armed at that moment.
class BandCombo : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;
    void showPopup() override;

  signals:
    void popupOpening();
};

}  // namespace talvo
