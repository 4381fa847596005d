#pragma once

#include <array>
#include <functional>
#include <string>

#include "editors/editor_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvo {

// "DTMF(双音多频)". Its values stay in the program (state().dtmf): no image, no file.
// The window opens on the other-features page; the page selector and the autodial page are
// not shown, so the user cannot switch pages.
class DtmfWindow : public EditorWindow {
    Q_OBJECT
  public:
    DtmfWindow(Document& document, QWidget* parent = nullptr);
    void applyLanguage() override;
    void loadFromModel() override;
    // Puts the defaults back (AniEndCode keeps its text) as one step. New does the same to the
    // state it loads.
    void StartForm();

    // The two page operations.
    void showAutodialPage();
    void showOtherPage();

    QLineEdit* autodialMemory(int i) const { return autodial_[static_cast<std::size_t>(i)]; }
    QLineEdit* aniStartCode() const { return aniStart_; }
    QLineEdit* aniEndCode() const { return aniEnd_; }
    QLineEdit* ownCode() const { return ownCode_; }
    QComboBox* aniMode() const { return aniMode_; }
    QComboBox* dtmfRate() const { return rate_; }
    QComboBox* firstDigitalDelay() const { return delay_; }
    QComboBox* groupCallCode() const { return groupCall_; }
    QGroupBox* autodialPage() const { return autodialFrame_; }
    QGroupBox* otherPage() const { return otherFrame_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // `value` picks the field out of the DTMF values; `caption` names the step.
    QLineEdit* createDtmfText(int maxLength, std::string DtmfSettings::*value, const Text& caption);
    QLineEdit* createDtmfText(int maxLength, int autodialSlot, const Text& caption);
    QComboBox* createList(int DtmfSettings::*value, const Text& caption);
    void changeDtmf(const Text& caption, const std::function<void(DtmfSettings&)>& mutate,
                    Document::MergeKey merge);
    void connectText(QLineEdit* edit, const Text& caption,
                     std::function<void(DtmfSettings&, std::string)> store);

    std::array<QLineEdit*, 8> autodial_{};
    std::array<QLabel*, 8> autodialCaptions_{};
    QLineEdit* aniStart_ = nullptr;
    QLineEdit* aniEnd_ = nullptr;
    QLineEdit* ownCode_ = nullptr;
    QComboBox* aniMode_ = nullptr;
    QComboBox* rate_ = nullptr;
    QComboBox* delay_ = nullptr;
    QComboBox* groupCall_ = nullptr;
    QLabel* aniStartCaption_ = nullptr;
    QLabel* aniEndCaption_ = nullptr;
    QLabel* ownCodeCaption_ = nullptr;
    QLabel* rateCaption_ = nullptr;
    QLabel* delayCaption_ = nullptr;
    QLabel* groupCallCaption_ = nullptr;
    QRadioButton* pageAutodial_ = nullptr;
    QRadioButton* pageOther_ = nullptr;
    QGroupBox* autodialFrame_ = nullptr;
    QGroupBox* otherFrame_ = nullptr;
    // Set until the window shows the model first, and while it copies the model into its
    // fields: filling the lists changes nothing.
    bool loading_ = true;
    bool selfEdit_ = false;
    unsigned nextField_ = 1;
};

}  // namespace talvo
