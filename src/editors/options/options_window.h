#pragma once

#include <array>
#include <functional>

#include "editors/editor_window.h"
#include "rules/hidden_sequence.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace talvo {

// "Optional Features": radio-wide settings, both VFO records, the hidden modes.
// Every field is built from the descriptor table of the model and writes its value into
// state().options, through the document, as soon as the user changes it.
class OptionsWindow : public EditorWindow {
    Q_OBJECT
  public:
    OptionsWindow(Document& document, QWidget* parent = nullptr);
    void applyLanguage() override;
    void loadFromModel() override;

    // The page selector's two choices.
    void showFunctionPage();
    void showVfoPage();

    // The clock of the hidden sequences, in whole seconds since midnight (tests set their own).
    using Clock = std::function<long()>;
    void setClock(Clock clock);

    QComboBox* list(ListId id) const { return lists_[static_cast<std::size_t>(id)]; }
    QLabel* caption(ListId id) const { return listCaptions_[static_cast<std::size_t>(id)]; }
    QLineEdit* text(TextId id) const { return texts_[static_cast<std::size_t>(id)]; }
    QLabel* caption(TextId id) const { return textCaptions_[static_cast<std::size_t>(id)]; }
    QCheckBox* check(CheckId id) const { return checks_[static_cast<std::size_t>(id)]; }
    QRadioButton* functionPageOption() const { return pageFunction_; }
    QRadioButton* vfoPageOption() const { return pageVfo_; }
    QGroupBox* voxFrame() const { return voxFrame_; }
    QGroupBox* functionFrame() const { return functionFrame_; }
    QGroupBox* vfoFrame(int group) const { return group == 0 ? vfoAFrame_ : vfoBFrame_; }

  signals:
    // A caption click found hidden sequence `sequence` unlocked (0 AnMaMode, 1 DebugMode,
    // 2 FMMaMode): the main window applies its effect (again).
    void hiddenModeEffect(int sequence);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createFields();
    void layoutWindow();
    QComboBox* createList(ListId id);
    QLineEdit* createText(TextId id);
    void fillList(ListId id);
    void relabelList(ListId id, Language lang);
    void onTextChanged(TextId id);
    void runLeaveCheck(TextId id);
    void onCaptionClicked(ListId id);
    void applyLocalEffect(HiddenSequence sequence);
    // One change of the optional features through the document; keys typed into one field
    // merge into one step.
    template <typename Id>
    void changeOption(Id id, const std::function<void(OptionalFeatures&)>& mutate,
                      bool mergeTyping);

    std::array<QComboBox*, kListCount> lists_{};
    std::array<QLabel*, kListCount> listCaptions_{};
    std::array<QLineEdit*, kTextCount> texts_{};
    // What was typed into each editable list while it shows no entry of its own.
    std::array<QString, kListCount> typedText_;
    std::array<QLabel*, kTextCount> textCaptions_{};
    std::array<QCheckBox*, kCheckCount> checks_{};
    QLabel* pronunciationCaption_ = nullptr;
    QRadioButton* pageFunction_ = nullptr;
    QRadioButton* pageVfo_ = nullptr;
    QGroupBox* voxFrame_ = nullptr;
    QGroupBox* functionFrame_ = nullptr;
    QGroupBox* vfoAFrame_ = nullptr;
    QGroupBox* vfoBFrame_ = nullptr;
    Clock clock_;
    // Set while the window copies the model into its fields, so that copy changes nothing.
    bool loading_ = false;
    // Set while the window changes the document, so its own change is not shown again.
    bool selfEdit_ = false;
    // Counts the fields left after typing, so a later return to a field is a step of its own.
    unsigned typingSession_ = 0;
};

}  // namespace talvo
