#pragma once

#include <QDialog>

#include "model/language.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"
#include "rules/channel_fill.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace talvo {

// Fills the chosen channels with a series: receive frequencies from a start in steps, the
// transmit frequency as the receive one or at an offset, names from a pattern with a number.
// A table shows what each channel will hold (or why it stays as it is) before anything is
// applied; OK is offered only for a series that changes something.
class FillSeriesDialog : public QDialog {
    Q_OBJECT
  public:
    FillSeriesDialog(Language lang, const ChannelStores& stores, const BandState& band,
                     const ChannelList& channels, QWidget* parent = nullptr);

    FillSeries series() const;
    // What OK applies, as the preview shows it.
    const FillPlan& plan() const { return plan_; }
    QTableWidget* preview() const { return preview_; }

  private:
    void updatePreview();

    Language lang_;
    const ChannelStores& stores_;
    BandState band_;
    ChannelList channels_;
    FillPlan plan_;

    QCheckBox* fillRx_ = nullptr;
    QLineEdit* rxStart_ = nullptr;
    QLineEdit* rxStep_ = nullptr;
    QComboBox* tx_ = nullptr;
    QLineEdit* txOffset_ = nullptr;
    QCheckBox* fillNames_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QSpinBox* firstNumber_ = nullptr;
    QLabel* problem_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace talvo
