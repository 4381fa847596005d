#pragma once

#include <array>

#include "editors/editor_window.h"

class QGroupBox;
class QLabel;
class QSlider;
class QTabWidget;

namespace talvo {

// "Debugging": six power calibration sliders, three on each group's tab. Every move
// of a slider writes state().powerGrades at once; one drag is one step of the history.
class DebugWindow : public EditorWindow {
    Q_OBJECT
  public:
    static constexpr int kSliderCount = 6;

    DebugWindow(Document& document, QWidget* parent = nullptr);
    void applyLanguage() override;
    void loadFromModel() override;
    void setSlidersEnabled(bool enabled);

    QTabWidget* tabs() const { return tabs_; }
    QSlider* slider(int i) const { return sliders_[static_cast<std::size_t>(i)]; }
    QLabel* valueCaption(int i) const { return values_[static_cast<std::size_t>(i)]; }
    QGroupBox* frame(int i) const { return frames_[static_cast<std::size_t>(i)]; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QTabWidget* tabs_ = nullptr;
    std::array<QSlider*, kSliderCount> sliders_{};
    std::array<QLabel*, kSliderCount> values_{};
    std::array<QLabel*, kSliderCount> lowEnds_{};
    std::array<QLabel*, kSliderCount> highEnds_{};
    std::array<QGroupBox*, kSliderCount> frames_{};
    // The moves of one drag merge into one step; every other move is a step of its own.
    Document::MergeKey dragKey_ = 0;
    Document::MergeKey nextKey_ = 1;
    bool loading_ = false;
    bool selfEdit_ = false;
};

}  // namespace talvo
