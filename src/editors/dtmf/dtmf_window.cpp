#include "editors/dtmf/dtmf_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/edit_labels.h"
#include "editors/dtmf/dtmf_texts.h"
#include "editors/options/window_support.h"
#include "lang/catalogue.h"
#include "rules/dtmf_filter.h"

namespace talvo {
namespace {

constexpr int kDtmfTextLength = 16;
constexpr int kOwnCodeLength = 8;

void AddRow(QGridLayout* grid, QLabel* caption, QWidget* field) {
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(field, row, 1);
    caption->setBuddy(field);
}

}  // namespace

DtmfWindow::DtmfWindow(Document& document, QWidget* parent) : EditorWindow(document, parent) {
    setObjectName("dtmfWindow");
    const Language lang = CreationLanguage(state_.language);
    const DtmfWindowTexts& t = DtmfTexts();
    setWindowTitle(Tr(t.title, lang));

    pageAutodial_ = new QRadioButton(Tr(t.pageAutodial, lang), this);
    pageOther_ = new QRadioButton(Tr(t.pageOther, lang), this);
    connect(pageAutodial_, &QRadioButton::clicked, this, &DtmfWindow::showAutodialPage);
    connect(pageOther_, &QRadioButton::clicked, this, &DtmfWindow::showOtherPage);

    autodialFrame_ = new QGroupBox(this);
    auto* autodialGrid = new QGridLayout(autodialFrame_);
    for (std::size_t i = 0; i < autodial_.size(); ++i) {
        autodial_[i] = createDtmfText(kDtmfTextLength, static_cast<int>(i), t.autodialCaptions[i]);
        autodial_[i]->setObjectName(QStringLiteral("autodialCode%1").arg(i));
        autodialCaptions_[i] = new QLabel(Tr(t.autodialCaptions[i], lang), this);
        AddRow(autodialGrid, autodialCaptions_[i], autodial_[i]);
    }

    otherFrame_ = new QGroupBox(this);
    auto* otherGrid = new QGridLayout(otherFrame_);
    rate_ = createList(&DtmfSettings::DtmfRate, t.dtmfRate);
    rate_->setObjectName("dtmfRateList");
    for (const Text& e : t.dtmfRates) rate_->addItem(Tr(e, lang));
    rateCaption_ = new QLabel(Tr(t.dtmfRate, lang), this);
    AddRow(otherGrid, rateCaption_, rate_);

    delay_ = createList(&DtmfSettings::FirstDigitalDelay, t.firstDigitalDelay);
    delay_->setObjectName("firstDigitDelayList");
    for (const char* e : t.delaysAtCreation) delay_->addItem(QString::fromUtf8(e));
    delayCaption_ = new QLabel(Tr(t.firstDigitalDelay, lang), this);
    AddRow(otherGrid, delayCaption_, delay_);

    aniStart_ = createDtmfText(kDtmfTextLength, &DtmfSettings::AniStartCode, t.aniStartCode);
    aniStart_->setObjectName("aniStartCodeEditor");
    aniStartCaption_ = new QLabel(Tr(t.aniStartCode, lang), this);
    AddRow(otherGrid, aniStartCaption_, aniStart_);

    aniEnd_ = createDtmfText(kDtmfTextLength, &DtmfSettings::AniEndCode, t.aniEndCode);
    aniEnd_->setObjectName("aniEndCodeEditor");
    aniEndCaption_ = new QLabel(Tr(t.aniEndCode, lang), this);
    AddRow(otherGrid, aniEndCaption_, aniEnd_);

    aniMode_ = createList(&DtmfSettings::AniMode, t.aniModeCaption);
    aniMode_->setObjectName("aniModeList");
    for (const Text& e : t.aniModes) aniMode_->addItem(Tr(e, lang));
    AddRow(otherGrid, new QLabel(Tr(t.aniModeCaption, lang), this), aniMode_);

    groupCall_ = createList(&DtmfSettings::GroupCallCode, t.groupCallCode);
    groupCall_->setObjectName("groupCallCodeList");
    groupCall_->addItem(Tr(t.groupCallEmpty, lang));
    for (const char* e : t.groupCallCodes) groupCall_->addItem(QString::fromUtf8(e));
    groupCallCaption_ = new QLabel(Tr(t.groupCallCode, lang), this);
    AddRow(otherGrid, groupCallCaption_, groupCall_);

    ownCode_ = createDtmfText(kOwnCodeLength, &DtmfSettings::OwnCode, t.ownCode);
    ownCode_->setObjectName("ownCodeEditor");
    ownCodeCaption_ = new QLabel(Tr(t.ownCode, lang), this);
    AddRow(otherGrid, ownCodeCaption_, ownCode_);
    for (QWidget* w : std::initializer_list<QWidget*>{groupCall_, groupCallCaption_, ownCode_,
                                                      ownCodeCaption_}) {
        w->setVisible(false);
    }
    otherGrid->setRowStretch(otherGrid->rowCount(), 1);

    auto* pages = new QHBoxLayout;
    pages->addWidget(pageAutodial_);
    pages->addWidget(pageOther_);
    pages->addStretch(1);
    pageAutodial_->setVisible(false);
    pageOther_->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages);
    layout->addWidget(autodialFrame_);
    layout->addWidget(otherFrame_);

    resize(Twips(5750), Twips(3600));
    loadFromModel();
    showOtherPage();
    connect(&document_, &Document::stateReplaced, this, &DtmfWindow::loadFromModel);
    connect(&document_, &Document::partsChanged, this, [this](unsigned parts) {
        if ((parts & kPartDtmf) && !selfEdit_) loadFromModel();
    });
}

void DtmfWindow::changeDtmf(const Text& caption, const std::function<void(DtmfSettings&)>& mutate,
                            Document::MergeKey merge) {
    selfEdit_ = true;
    document_.change(
        WindowEditLabel(DtmfTexts().title, BareCaption(caption)), {}, kPartDtmf,
        [&mutate](ProgramState& s) { mutate(s.dtmf); }, merge);
    selfEdit_ = false;
}

void DtmfWindow::connectText(QLineEdit* edit, const Text& caption,
                             std::function<void(DtmfSettings&, std::string)> store) {
    // Keys typed into one field merge into one step.
    const Document::MergeKey key = (Document::MergeKey{5} << 32) | nextField_++;
    // The field's own text, not the signal's: a filtered edit reports its raw text last.
    connect(edit, &QLineEdit::textChanged, this, [this, edit, caption, store, key] {
        if (loading_) return;
        const std::string text = edit->text().toStdString();
        changeDtmf(
            caption, [&](DtmfSettings& d) { store(d, text); }, key);
    });
}

QLineEdit* DtmfWindow::createDtmfText(int maxLength, std::string DtmfSettings::*value,
                                      const Text& caption) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(maxLength);
    InstallTextFilter(edit, FilterDtmfText);
    connectText(edit, caption,
                [value](DtmfSettings& d, std::string text) { d.*value = std::move(text); });
    return edit;
}

QLineEdit* DtmfWindow::createDtmfText(int maxLength, int autodialSlot, const Text& caption) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(maxLength);
    InstallTextFilter(edit, FilterDtmfText);
    const auto slot = static_cast<std::size_t>(autodialSlot);
    connectText(edit, caption, [slot](DtmfSettings& d, std::string text) {
        d.AutodialMemory[slot] = std::move(text);
    });
    return edit;
}

QComboBox* DtmfWindow::createList(int DtmfSettings::*value, const Text& caption) {
    auto* box = new QComboBox(this);
    connect(box, &QComboBox::currentIndexChanged, this, [this, value, caption](int index) {
        if (loading_) return;
        changeDtmf(
            caption, [value, index](DtmfSettings& d) { d.*value = index; }, 0);
    });
    return box;
}

void DtmfWindow::loadFromModel() {
    loading_ = true;
    const DtmfSettings& d = state_.dtmf;
    for (std::size_t i = 0; i < autodial_.size(); ++i) {
        autodial_[i]->setText(QString::fromStdString(d.AutodialMemory[i]));
    }
    aniStart_->setText(QString::fromStdString(d.AniStartCode));
    aniEnd_->setText(QString::fromStdString(d.AniEndCode));
    ownCode_->setText(QString::fromStdString(d.OwnCode));
    aniMode_->setCurrentIndex(d.AniMode);
    rate_->setCurrentIndex(d.DtmfRate);
    delay_->setCurrentIndex(d.FirstDigitalDelay);
    groupCall_->setCurrentIndex(d.GroupCallCode);
    loading_ = false;
}

void DtmfWindow::StartForm() {
    changeDtmf(
        DtmfTexts().title, [](DtmfSettings& d) { talvo::StartForm(d); }, 0);
    loadFromModel();
}

void DtmfWindow::showAutodialPage() {
    pageAutodial_->setChecked(true);
    otherFrame_->setVisible(false);
    autodialFrame_->setVisible(true);
    autodial_[0]->setFocus(Qt::OtherFocusReason);
}

void DtmfWindow::showOtherPage() {
    pageOther_->setChecked(true);
    autodialFrame_->setVisible(false);
    otherFrame_->setVisible(true);
    rate_->setFocus(Qt::OtherFocusReason);
}

void DtmfWindow::applyLanguage() {
    const Language lang = state_.language;
    if (!IsKnownLanguage(lang)) return;
    const DtmfWindowTexts& t = DtmfTexts();
    // The first call appends the two entries the created list lacks.
    RelabelEntries(delay_, kFirstDigitDelayCount,
                   [lang](int i) { return QString::fromStdString(FirstDigitDelayEntry(i, lang)); });
    pageAutodial_->setText(Tr(t.pageAutodial, lang));
    pageOther_->setText(Tr(t.pageOther, lang));
    for (std::size_t i = 0; i < autodialCaptions_.size(); ++i) {
        autodialCaptions_[i]->setText(Tr(t.autodialCaptions[i], lang));
    }
    aniStartCaption_->setText(Tr(t.aniStartCode, lang));
    aniEndCaption_->setText(Tr(t.aniEndCode, lang));
    ownCodeCaption_->setText(Tr(t.ownCode, lang));
    rateCaption_->setText(Tr(t.dtmfRate, lang));
    delayCaption_->setText(Tr(t.firstDigitalDelay, lang));
    groupCallCaption_->setText(Tr(t.groupCallCode, lang));
    RelabelEntries(aniMode_, static_cast<int>(t.aniModes.size()),
                   [&t, lang](int i) { return Tr(t.aniModes[static_cast<std::size_t>(i)], lang); });
    RelabelEntries(rate_, static_cast<int>(t.dtmfRates.size()), [&t, lang](int i) {
        return Tr(t.dtmfRates[static_cast<std::size_t>(i)], lang);
    });
    // Only entry 0 of the group call list differs between the languages.
    RelabelEntries(groupCall_, 1, [&t, lang](int) { return Tr(t.groupCallEmpty, lang); });
}

void DtmfWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    HideWindowHost(this);
}

}  // namespace talvo
