#include "app/band_combo.h"

namespace talvo {

void BandCombo::showPopup() {
    emit popupOpening();
    QComboBox::showPopup();
}

}  // namespace talvo
