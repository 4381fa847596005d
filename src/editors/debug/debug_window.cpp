#include "editors/debug/debug_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "document/edit_labels.h"
#include "editors/debug/debug_texts.h"
#include "editors/options/window_support.h"
#include "lang/catalogue.h"
#include "ui/accessible_names.h"

namespace talvo {

DebugWindow::DebugWindow(Document& document, QWidget* parent) : EditorWindow(document, parent) {
    setObjectName("debugWindow");
    const Language lang = CreationLanguage(state_.language);
    const DebugWindowTexts& t = DebugTexts();
    setWindowTitle(Tr(t.title, lang));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("calibrationTabs");
    NameAfterTitle(tabs_, this);
    for (int tab = 0; tab < 2; ++tab) {
        auto* page = new QWidget;
        auto* column = new QVBoxLayout(page);
        for (int i = tab * 3; i < tab * 3 + 3; ++i) {
            const auto at = static_cast<std::size_t>(i);
            auto* frame = new QGroupBox(Tr(PowerFrameCaption(i), lang), page);
            auto* row = new QHBoxLayout(frame);
            auto* slider = new QSlider(Qt::Horizontal, frame);
            slider->setRange(0, 255);
            slider->setSingleStep(1);
            slider->setPageStep(5);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(16);
            auto* value = new QLabel(frame);
            value->setMinimumWidth(Twips(450));
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            lowEnds_[at] = new QLabel(Tr(t.lowEnd, lang), frame);
            highEnds_[at] = new QLabel(Tr(t.highEnd, lang), frame);
            row->addWidget(lowEnds_[at]);
            row->addWidget(slider, 1);
            row->addWidget(highEnds_[at]);
            row->addWidget(value);
            column->addWidget(frame);
            // Follows every change, dragging, keyboard and wheel alike.
            connect(slider, &QSlider::valueChanged, this, [this, at, slider](int v) {
                values_[at]->setText(QString::number(v));
                if (loading_) return;
                const Document::MergeKey key =
                    (Document::MergeKey{4} << 32) |
                    (slider->isSliderDown() && dragKey_ ? dragKey_ : nextKey_++);
                selfEdit_ = true;
                document_.change(
                    WindowEditLabel(DebugTexts().title, PowerFrameCaption(int(at))), {}, kPartPower,
                    [at, v](ProgramState& s) { s.powerGrades[at] = v; }, key);
                selfEdit_ = false;
            });
            connect(slider, &QSlider::sliderPressed, this, [this] { dragKey_ = nextKey_++; });
            connect(slider, &QSlider::sliderReleased, this, [this] { dragKey_ = 0; });
            frames_[at] = frame;
            sliders_[at] = slider;
            values_[at] = value;
        }
        tabs_->addTab(page, Tr(t.tabs[static_cast<std::size_t>(tab)], lang));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    loadFromModel();
    resize(Twips(6000), Twips(4200));
    connect(&document_, &Document::stateReplaced, this, &DebugWindow::loadFromModel);
    connect(&document_, &Document::partsChanged, this, [this](unsigned parts) {
        if ((parts & kPartPower) && !selfEdit_) loadFromModel();
    });
}

void DebugWindow::loadFromModel() {
    loading_ = true;
    for (std::size_t i = 0; i < sliders_.size(); ++i) {
        sliders_[i]->setValue(state_.powerGrades[i]);
        // The caption shows the model's value even when the slider had it already.
        values_[i]->setText(QString::number(sliders_[i]->value()));
    }
    loading_ = false;
    // A value outside the sliders' range is taken as the slider shows it (not on an undo or a
    // redo, which put back what was).
    if (document_.replaying()) return;
    document_.change(WindowEditLabel(DebugTexts().title, DebugTexts().title), {}, kPartPower,
                     [this](ProgramState& s) {
                         for (std::size_t i = 0; i < sliders_.size(); ++i)
                             s.powerGrades[i] = sliders_[i]->value();
                     });
}

void DebugWindow::applyLanguage() {
    const Language lang = state_.language;
    if (!IsKnownLanguage(lang)) return;
    const DebugWindowTexts& t = DebugTexts();
    setWindowTitle(Tr(t.title, lang));
    for (int tab = 0; tab < 2; ++tab)
        tabs_->setTabText(tab, Tr(t.tabs[static_cast<std::size_t>(tab)], lang));
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        frames_[i]->setTitle(Tr(PowerFrameCaption(static_cast<int>(i)), lang));
        lowEnds_[i]->setText(Tr(t.lowEnd, lang));
        highEnds_[i]->setText(Tr(t.highEnd, lang));
    }
}

void DebugWindow::setSlidersEnabled(bool enabled) {
    for (QSlider* s : sliders_) s->setEnabled(enabled);
}

void DebugWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    HideWindowHost(this);
}

}  // namespace talvo
