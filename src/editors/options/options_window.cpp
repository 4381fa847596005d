#include "editors/options/options_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTime>

#include "document/edit_labels.h"
#include "editors/options/window_support.h"
#include "lang/catalogue.h"
#include "rules/options_checks.h"

namespace talvo {
namespace {

std::size_t At(ListId id) {
    return static_cast<std::size_t>(id);
}
std::size_t At(TextId id) {
    return static_cast<std::size_t>(id);
}

// A field's object name: its setting's name and what kind of control it is ("BeepList").
QString FieldName(const char* setting, const char* kind) {
    return QLatin1String(setting) + QLatin1String(kind);
}

long SystemClock() {
    return WholeSecondsSinceMidnight(QTime::currentTime().msecsSinceStartOfDay());
}

}  // namespace

OptionsWindow::OptionsWindow(Document& document, QWidget* parent)
    : EditorWindow(document, parent), clock_(SystemClock) {
    setObjectName("optionsWindow");
    createFields();
    layoutWindow();
    const Language lang = CreationLanguage(state_.language);
    setWindowTitle(Tr(OptionsWindowCaptions().title, lang));
    loadFromModel();
    showFunctionPage();
    connect(&document_, &Document::stateReplaced, this, &OptionsWindow::loadFromModel);
    connect(&document_, &Document::partsChanged, this, [this](unsigned parts) {
        if ((parts & kPartOptions) && !selfEdit_) loadFromModel();
    });
}

template <typename Id>
void OptionsWindow::changeOption(Id id, const std::function<void(OptionalFeatures&)>& mutate,
                                 bool mergeTyping) {
    // The keys typed into a field until it is left merge: the key names the window, the
    // typing session and the field.
    const Document::MergeKey key =
        mergeTyping ? (Document::MergeKey{2} << 56) | (Document::MergeKey{typingSession_} << 16) |
                          (std::is_same_v<Id, TextId> ? 0x100u : 0u) | static_cast<unsigned>(id)
                    : 0;
    selfEdit_ = true;
    document_.change(
        OptionsEditLabel(id), {}, kPartOptions, [&mutate](ProgramState& s) { mutate(s.options); },
        key);
    selfEdit_ = false;
}

void OptionsWindow::createFields() {
    const Language lang = CreationLanguage(state_.language);
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        lists_[i] = createList(id);
        listCaptions_[i] = new QLabel(Tr(Info(id).caption, lang), this);
        listCaptions_[i]->setBuddy(lists_[i]);
        if (FindHiddenCaption(id)) {
            InstallClickHandler(listCaptions_[i], [this, id] { onCaptionClicked(id); });
        }
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        texts_[i] = createText(id);
        textCaptions_[i] = new QLabel(Tr(Info(id).caption, lang), this);
        textCaptions_[i]->setBuddy(texts_[i]);
    }
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        const auto id = static_cast<CheckId>(i);
        auto* box = new QCheckBox(Tr(Info(id).caption, lang), this);
        box->setObjectName(FieldName(Info(id).name, "Check"));
        box->setVisible(false);
        connect(box, &QCheckBox::toggled, this, [this, i, id](bool on) {
            if (!loading_) {
                changeOption(
                    id, [i, on](OptionalFeatures& o) { o.check[i] = on; }, false);
            }
        });
        checks_[i] = box;
    }
    pronunciationCaption_ = new QLabel(Tr(OptionsWindowCaptions().pronunciationMode, lang), this);
    pronunciationCaption_->setVisible(false);
    pageFunction_ = new QRadioButton(Tr(OptionsWindowCaptions().pageFunction, lang), this);
    pageVfo_ = new QRadioButton(Tr(OptionsWindowCaptions().pageVfo, lang), this);
    connect(pageFunction_, &QRadioButton::clicked, this, &OptionsWindow::showFunctionPage);
    connect(pageVfo_, &QRadioButton::clicked, this, &OptionsWindow::showVfoPage);
}

QComboBox* OptionsWindow::createList(ListId id) {
    const ListInfo& info = Info(id);
    auto* box = new QComboBox(this);
    box->setObjectName(FieldName(info.name, "List"));
    box->setVisible(info.shown);
    box->setMaxVisibleItems(16);
    lists_[At(id)] = box;
    fillList(id);
    connect(box, &QComboBox::currentIndexChanged, this, [this, id, box](int index) {
        if (loading_) return;
        // An editable list emptied by typing keeps showing its typed text.
        if (index < 0 && box->isEditable()) typedText_[At(id)] = box->currentText();
        changeOption(
            id, [&](OptionalFeatures& o) { o[id] = index; }, false);
    });
    if (info.editable) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        // Enter would pick the entry whose text was typed; only a choice from the list does.
        // The box has the focus and hands keys on to its line edit, so it drops Enter itself.
        DropEnterKey(box);
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this] { ++typingSession_; });
        // Typing leaves the list without a selected entry until one is chosen again.
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, id, box](const QString& t) {
            const int cursor = box->lineEdit()->cursorPosition();
            {
                const QSignalBlocker block(box);
                box->setCurrentIndex(-1);
                box->setEditText(t);
            }
            box->lineEdit()->setCursorPosition(cursor);
            typedText_[At(id)] = t;
            changeOption(
                id, [&](OptionalFeatures& o) { o[id] = -1; }, true);
        });
    }
    return box;
}

void OptionsWindow::fillList(ListId id) {
    const Language lang = CreationLanguage(state_.language);
    QComboBox* box = lists_[At(id)];
    const QSignalBlocker block(box);
    for (int i = 0; i < ListSize(id); ++i) {
        box->addItem(Tr(ListEntry(id, i), lang));
    }
}

QLineEdit* OptionsWindow::createText(TextId id) {
    const TextInfo& info = Info(id);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(FieldName(info.name, "Editor"));
    edit->setMaxLength(info.maxLength);
    texts_[At(id)] = edit;
    InstallTextFilter(edit, [id](std::string_view t) { return FilterOptionsText(id, t); });
    connect(edit, &QLineEdit::textChanged, this, [this, id] { onTextChanged(id); });
    connect(edit, &QLineEdit::editingFinished, this, [this] { ++typingSession_; });
    if (EnterRunsLeaveCheck(id)) {
        InstallLeaveCheck(edit, EnterKey::RunsCheck, [this, id] { runLeaveCheck(id); });
    } else {
        DropEnterKey(edit);
    }
    return edit;
}

void OptionsWindow::onTextChanged(TextId id) {
    QLineEdit* edit = texts_[At(id)];
    if (id == TextId::AChannelNumber || id == TextId::BChannelNumber) {
        // Runs on every change, also on one made from outside the window.
        const QString clamped =
            QString::fromStdString(ChannelNumberWhileTyping(edit->text().toStdString()));
        if (clamped != edit->text()) {
            edit->setText(clamped);  // comes back here with the clamped text
            return;
        }
    }
    if (loading_) return;
    const std::string text = edit->text().toStdString();
    changeOption(
        id, [&](OptionalFeatures& o) { StoreSettingText(o, id, text); }, true);
}

void OptionsWindow::runLeaveCheck(TextId id) {
    QLineEdit* edit = texts_[At(id)];
    const QString checked =
        QString::fromStdString(OptionsLeaveCheck(id, edit->text().toStdString()));
    if (checked != edit->text()) edit->setText(checked);
}

void OptionsWindow::loadFromModel() {
    loading_ = true;
    const OptionalFeatures& o = state_.options;
    for (std::size_t i = 0; i < kListCount; ++i) {
        QComboBox* box = lists_[i];
        box->setCurrentIndex(o.index[i]);
        if (o.index[i] < 0 && box->isEditable()) box->setEditText(typedText_[i]);
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        texts_[i]->setText(QString::fromStdString(SettingText(o, static_cast<TextId>(i))));
    }
    for (std::size_t i = 0; i < kCheckCount; ++i) checks_[i]->setChecked(o.check[i]);
    loading_ = false;
}

void OptionsWindow::relabelList(ListId id, Language lang) {
    // Only the entries that differ between the languages; the rest stay as they are.
    const int count = Info(id).toneList ? 1 : ListSize(id);
    RelabelEntries(lists_[At(id)], count, [id, lang](int i) { return Tr(ListEntry(id, i), lang); });
}

void OptionsWindow::applyLanguage() {
    const Language lang = state_.language;
    if (!IsKnownLanguage(lang)) return;
    const OptionsCaptions& c = OptionsWindowCaptions();
    setWindowTitle(Tr(c.title, lang));
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto id = static_cast<ListId>(i);
        listCaptions_[i]->setText(Tr(Info(id).caption, lang));
        relabelList(id, lang);
    }
    for (std::size_t i = 0; i < kTextCount; ++i) {
        textCaptions_[i]->setText(Tr(Info(static_cast<TextId>(i)).caption, lang));
    }
    for (std::size_t i = 0; i < kCheckCount; ++i) {
        checks_[i]->setText(Tr(Info(static_cast<CheckId>(i)).caption, lang));
    }
    pronunciationCaption_->setText(Tr(c.pronunciationMode, lang));
    pageFunction_->setText(Tr(c.pageFunction, lang));
    pageVfo_->setText(Tr(c.pageVfo, lang));
    voxFrame_->setTitle(Tr(c.frameVox, lang));
    functionFrame_->setTitle(Tr(c.frameFunction, lang));
    vfoAFrame_->setTitle(Tr(c.frameVfoA, lang));
    vfoBFrame_->setTitle(Tr(c.frameVfoB, lang));
    GrowFrameToContents(this);
}

void OptionsWindow::showFunctionPage() {
    pageFunction_->setChecked(true);
    // Hide before showing, so the window never has to hold both pages at once.
    vfoAFrame_->setVisible(false);
    vfoBFrame_->setVisible(false);
    functionFrame_->setVisible(true);
    GrowFrameToContents(this);
}

void OptionsWindow::showVfoPage() {
    pageVfo_->setChecked(true);
    functionFrame_->setVisible(false);
    vfoAFrame_->setVisible(true);
    vfoBFrame_->setVisible(true);
    GrowFrameToContents(this);
    text(TextId::AVfoFrequency)->setFocus(Qt::OtherFocusReason);
}

void OptionsWindow::setClock(Clock clock) {
    clock_ = clock ? std::move(clock) : SystemClock;
}

void OptionsWindow::onCaptionClicked(ListId id) {
    const auto slot = FindHiddenCaption(id);
    if (!slot) return;
    // The hidden modes belong to the running program, not to the document's history.
    HiddenModeSequence& sequence = SequenceState(document_.sessionState().hidden, slot->sequence);
    if (RegisterHiddenClick(sequence, slot->slot, clock_())) {
        applyLocalEffect(slot->sequence);
        emit hiddenModeEffect(static_cast<int>(slot->sequence));
    }
}

void OptionsWindow::applyLocalEffect(HiddenSequence sequence) {
    if (sequence != HiddenSequence::FmMa) return;
    for (ListId id : {ListId::PowerOnPassword, ListId::RadioSearchMode, ListId::RogerBeep}) {
        list(id)->setEnabled(true);
        caption(id)->setEnabled(true);
    }
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    HideWindowHost(this);
}

}  // namespace talvo
