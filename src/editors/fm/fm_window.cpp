#include "editors/fm/fm_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "document/edit_labels.h"
#include "editors/fm/fm_texts.h"
#include "editors/options/window_support.h"
#include "lang/catalogue.h"
#include "rules/fm_checks.h"
#include "ui/accessible_names.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

constexpr int kRowHeight = Twips(300);
constexpr int kChannelColumnWidth = Twips(900);
constexpr int kFrequencyColumnWidth = Twips(2200);
constexpr int kCellMessageLeft = Twips(3615);
constexpr int kVfoMessageLeft = Twips(5600);
constexpr int kVfoMessageTop = Twips(100);

// The tallest grid up to `room` pixels that shows its header and channel rows uncut.
int WholeRowsHeight(int room, int frame) {
    return (room - frame) / kRowHeight * kRowHeight + frame;
}

QTableWidgetItem* CentredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

FmWindow::FmWindow(Document& document, QWidget* parent) : EditorWindow(document, parent) {
    setObjectName("fmWindow");
    const Language lang = CreationLanguage(state_.language);
    setWindowTitle(Tr(FmTexts().title, lang));
    createGrid();
    createFields();
    loadFromModel();
    resize(sizeHint());
    connect(&document_, &Document::stateReplaced, this, &FmWindow::loadFromModel);
    connect(&document_, &Document::partsChanged, this, [this](unsigned parts) {
        if ((parts & kPartFm) && !selfEdit_) loadFromModel();
    });
}

void FmWindow::changeFm(const Message& what, const std::function<void(ProgramState&)>& mutate,
                        int field) {
    const Document::MergeKey key = field ? (Document::MergeKey{3} << 32) | unsigned(field) : 0;
    selfEdit_ = true;
    document_.change(WindowEditLabel(FmTexts().title, what), {}, kPartFm, mutate, key);
    selfEdit_ = false;
}

QSize FmWindow::sizeHint() const {
    return {Twips(8205), Twips(4800)};
}

void FmWindow::createGrid() {
    const Language lang = CreationLanguage(state_.language);
    grid_ = new QTableWidget(kFmChannelCount, 2, this);
    grid_->setObjectName("fmChannelGrid");
    NameAfterTitle(grid_, this);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setVisible(false);
    grid_->horizontalHeader()->setFixedHeight(kRowHeight);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->setHorizontalHeaderItem(0, CentredItem(Tr(FmTexts().headerChannel, lang)));
    grid_->setHorizontalHeaderItem(1, CentredItem(Tr(FmTexts().headerFrequency, lang)));
    grid_->setColumnWidth(0, kChannelColumnWidth);
    grid_->setColumnWidth(1, kFrequencyColumnWidth);
    for (int n = 1; n <= kFmChannelCount; ++n) {
        grid_->setRowHeight(n - 1, kRowHeight);
        grid_->setItem(n - 1, 0, CentredItem(QString::number(n)));
        grid_->setItem(n - 1, 1, CentredItem(QString()));
    }
    const int frame = 2 * grid_->frameWidth();
    grid_->setGeometry(Twips(120), Twips(120),
                       kChannelColumnWidth + kFrequencyColumnWidth + frame +
                           grid_->verticalScrollBar()->sizeHint().width(),
                       WholeRowsHeight(Twips(4800) - Twips(240), frame));
    connect(grid_, &QTableWidget::cellClicked, this,
            [this](int row, int) { editChannel(row + 1); });
    grid_->installEventFilter(this);
    // Scrolling takes the focus back to the grid, which ends an edit in progress.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (editedChannel_ != 0) grid_->setFocus(Qt::OtherFocusReason);
        commitCellEditor();
    });

    cellEditor_ = new QLineEdit(this);
    cellEditor_->setObjectName("frequencyEditor");
    cellEditor_->setAlignment(Qt::AlignCenter);
    cellEditor_->setVisible(false);
    InstallTextFilter(cellEditor_, FilterFmText);
    InstallLeaveCheck(cellEditor_, EnterKey::RunsCheck, [this] { commitCellEditor(); });
    // Installed last, so it sees Enter before the leave check does.
    cellEditor_->installEventFilter(this);

    messageLine_ = new QLabel(this);
    messageLine_->setObjectName("messageLine");
    messageLine_->setWordWrap(true);
    // Frame and margin (not a style sheet) so the contents rectangle is where the text goes.
    messageLine_->setFrameStyle(QFrame::Box | QFrame::Plain);
    messageLine_->setMargin(2);
    messageLine_->setAutoFillBackground(true);
    QPalette colours = messageLine_->palette();
    colours.setColor(QPalette::Window, QColor(0xff, 0xff, 0xe0));
    colours.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
    messageLine_->setPalette(colours);
    messageLine_->setVisible(false);
    InstallClickHandler(messageLine_, [this] { dismissMessage(); });
}

void FmWindow::createFields() {
    const Language lang = CreationLanguage(state_.language);
    const FmWindowTexts& t = FmTexts();
    // One column between the grid and the place where the range message shows beside the
    // VFO field, each caption above its field, so that message never covers a field.
    const int columnLeft = grid_->geometry().right() + Twips(240);
    const int columnWidth = kVfoMessageLeft - Twips(120) - columnLeft;
    const int captionHeight = Twips(300);
    const int fieldHeight = Twips(360);
    auto placeRow = [&](QLabel* caption, QWidget* field, int top) {
        caption->setGeometry(columnLeft, top, Twips(8205) - Twips(120) - columnLeft, captionHeight);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        field->setGeometry(columnLeft, top + captionHeight, columnWidth, fieldHeight);
        caption->setBuddy(field);
    };
    const int rowStep = captionHeight + fieldHeight + Twips(180);

    vfoCaption_ = new QLabel(Tr(t.vfoCaption, lang), this);
    vfo_ = new QLineEdit(this);
    vfo_->setObjectName("vfoFrequencyEditor");
    placeRow(vfoCaption_, vfo_, kVfoMessageTop);
    InstallTextFilter(vfo_, FilterFmText);
    InstallLeaveCheck(vfo_, EnterKey::RunsCheck, [this] { runVfoLeaveCheck(); });
    // The field's own text, not the signal's: a filtered edit reports its raw text last.
    connect(vfo_, &QLineEdit::textChanged, this, [this] {
        if (loading_) return;
        // What the field stands for once left: a frequency in range, or none; a text that is
        // no number leaves the value as it was.
        const FmEntryCheck check = CheckFmEntry(vfo_->text().toStdString());
        if (check.outcome == FmEntry::NotNumber) return;
        const FmFrequency value = FmFrequencyFromText(check.text);
        changeFm(
            BareCaption(FmTexts().vfoCaption), [value](ProgramState& s) { s.fmWindow.vfo = value; },
            1);
    });

    presentChannelCaption_ = new QLabel(Tr(t.presentChannelCaption, lang), this);
    presentChannel_ = new QComboBox(this);
    presentChannel_->setObjectName("presentChannelList");
    presentChannel_->setEditable(true);
    presentChannel_->setInsertPolicy(QComboBox::NoInsert);
    presentChannel_->setCompleter(nullptr);
    for (int n = 1; n <= kFmChannelCount; ++n) presentChannel_->addItem(QString::number(n));
    placeRow(presentChannelCaption_, presentChannel_, kVfoMessageTop + rowStep);
    connect(presentChannel_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (loading_) return;
        const auto value = ParsePresentChannel(text.toStdString());
        changeFm(
            BareCaption(FmTexts().presentChannelCaption),
            [value](ProgramState& s) { s.fmWindow.presentChannel = value; }, 2);
    });

    displayModeCaption_ = new QLabel(Tr(t.displayModeCaption, lang), this);
    displayMode_ = new QComboBox(this);
    displayMode_->setObjectName("displayModeList");
    displayMode_->addItem(Tr(FmDisplayModeList()[0], lang));
    displayMode_->addItem(Tr(t.displayModeFrequencyAtLoad, lang));
    placeRow(displayModeCaption_, displayMode_, kVfoMessageTop + 2 * rowStep);
    connect(displayMode_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (loading_) return;
        changeFm(BareCaption(FmTexts().displayModeCaption),
                 [index](ProgramState& s) { s.fmWindow.displayMode = index; });
    });

    stepCaption_ = new QLabel(Tr(t.stepCaption, lang), this);
    step_ = new QComboBox(this);
    step_->setObjectName("stepList");
    for (const char* entry : FmStepList()) step_->addItem(QString::fromUtf8(entry));
    placeRow(stepCaption_, step_, kVfoMessageTop + 3 * rowStep);
    stepCaption_->setVisible(false);
    step_->setVisible(false);
    connect(step_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (loading_) return;
        changeFm(BareCaption(FmTexts().stepCaption),
                 [index](ProgramState& s) { s.fmWindow.stepFrequency = index; });
    });

    ok_ = new QPushButton(Tr(t.ok, lang), this);
    cancel_ = new QPushButton(Tr(t.cancel, lang), this);
    // The buttons' lower edge lines up with the grid's.
    const int buttonTop = grid_->geometry().bottom() + 1 - Twips(400);
    cancel_->setGeometry(Twips(8205) - Twips(180) - Twips(1200), buttonTop, Twips(1200),
                         Twips(400));
    ok_->setGeometry(cancel_->x() - Twips(120) - Twips(1200), buttonTop, Twips(1200), Twips(400));
    connect(ok_, &QPushButton::clicked, this, [this] { acceptChanges(); });
    connect(cancel_, &QPushButton::clicked, this, &FmWindow::cancel);
    messageLine_->raise();
}

void FmWindow::setCell(int channel, FmFrequency frequency) {
    grid_->item(channel - 1, 1)->setText(QString::fromStdString(FmFrequencyText(frequency)));
    const std::string n = std::to_string(channel);
    changeFm(Message(TALVO_TEXT("FmWindow", "Channel %1"), {Message::Literal(n)}),
             [channel, frequency](ProgramState& s) {
                 s.fmWindow.cell[static_cast<std::size_t>(channel - 1)] = frequency;
             });
}

void FmWindow::editChannel(int channel) {
    if (channel < 1 || channel > kFmChannelCount) return;
    commitCellEditor();
    // Always the frequency cell: the channel numbers are not edited.
    grid_->setCurrentCell(channel - 1, 1);
    grid_->scrollToItem(grid_->item(channel - 1, 1));
    editedChannel_ = channel;
    const QRect cell = grid_->visualItemRect(grid_->item(channel - 1, 1));
    const QPoint topLeft = grid_->viewport()->mapTo(this, cell.topLeft());
    cellEditor_->setGeometry(QRect(topLeft, cell.size()));
    cellEditor_->setText(grid_->item(channel - 1, 1)->text());
    NameAfterColumn(cellEditor_, grid_, 1);
    cellEditor_->setVisible(true);
    cellEditor_->raise();
    cellEditor_->setFocus(Qt::OtherFocusReason);
    cellEditor_->selectAll();
    messageLine_->move(kCellMessageLeft, topLeft.y());
}

void FmWindow::commitCellEditor() {
    const int channel = editedChannel_;
    if (channel == 0) return;
    editedChannel_ = 0;  // before hiding: hiding moves the focus and would commit again
    const FmEntryCheck check = CheckFmEntry(cellEditor_->text().toStdString());
    switch (check.outcome) {
        case FmEntry::Empty:
            setCell(channel, std::nullopt);
            break;
        case FmEntry::Accepted:
            setCell(channel, FmFrequencyFromText(check.text));
            break;
        case FmEntry::OutOfRange:
            showMessage(kCellMessageLeft, messageLine_->y());
            cellEditor_->clear();
            break;
        case FmEntry::NotNumber:
            break;
    }
    cellEditor_->setVisible(false);
}

void FmWindow::runVfoLeaveCheck() {
    const FmEntryCheck check = CheckFmEntry(vfo_->text().toStdString());
    switch (check.outcome) {
        case FmEntry::Accepted:
            vfo_->setText(QString::fromStdString(check.text));
            break;
        case FmEntry::OutOfRange:
            showMessage(kVfoMessageLeft, kVfoMessageTop);
            vfo_->clear();
            break;
        case FmEntry::Empty:
        case FmEntry::NotNumber:
            break;
    }
}

void FmWindow::showMessage(int left, int top) {
    const Language lang = state_.language;
    messageLine_->setText(Tr(FmTexts().rangeMessage, lang));
    // As wide as the window leaves beside `left`, as tall as the wrapped text needs.
    const int width = qMax(Twips(1500), this->width() - left - Twips(120));
    // The width first: the label answers the height for its own width, not for any other.
    messageLine_->setFixedWidth(width);
    messageLine_->setFixedHeight(messageLine_->heightForWidth(width));
    messageLine_->move(left, top);
    messageLine_->setVisible(true);
    messageLine_->raise();
}

void FmWindow::dismissMessage() {
    messageLine_->setVisible(false);
    cellEditor_->clear();
}

void FmWindow::enterInCellEditor() {
    const int channel = editedChannel_;
    if (channel == 0) return;
    const FmEntry outcome = CheckFmEntry(cellEditor_->text().toStdString()).outcome;
    // The grid takes the focus before the editor hides: a hidden focus widget would hand the
    // focus on to the next field, the VFO, and the next preset typed would land there.
    grid_->setFocus(Qt::OtherFocusReason);
    commitCellEditor();
    if ((outcome == FmEntry::Accepted || outcome == FmEntry::Empty) && channel < kFmChannelCount) {
        editChannel(channel + 1);  // ready for the next preset
    } else {
        grid_->setCurrentCell(channel - 1, 1);  // a refused entry is typed again on its row
    }
}

bool FmWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        // Enter on the grid opens the editor of the current row, as a click does.
        if (enter && watched == grid_ && grid_->currentRow() >= 0) {
            editChannel(grid_->currentRow() + 1);
            return true;
        }
        // Enter in a channel cell commits it and goes on to the next channel.
        if (enter && watched == cellEditor_) {
            enterInCellEditor();
            return true;
        }
    }
    return EditorWindow::eventFilter(watched, event);
}

void FmWindow::loadFromModel() {
    // An edit left open would write its old text over what is loaded now.
    editedChannel_ = 0;
    cellEditor_->setVisible(false);
    loading_ = true;
    const FmWindowFields& f = state_.fmWindow;
    for (int n = 1; n <= kFmChannelCount; ++n) {
        grid_->item(n - 1, 1)->setText(
            QString::fromStdString(FmFrequencyText(f.cell[static_cast<std::size_t>(n - 1)])));
    }
    vfo_->setText(QString::fromStdString(FmFrequencyText(f.vfo)));
    const QString present = f.presentChannel ? QString::number(*f.presentChannel) : QString();
    presentChannel_->setCurrentIndex(presentChannel_->findText(present));
    presentChannel_->setEditText(present);
    displayMode_->setCurrentIndex(f.displayMode);
    step_->setCurrentIndex(f.stepFrequency);
    loading_ = false;
}

bool FmWindow::acceptChanges() {
    commitCellEditor();
    if (vfo_->hasFocus()) runVfoLeaveCheck();
    const FmWindowFields& f = state_.fmWindow;
    const auto present = f.presentChannel;
    if (!present) {
        const FmWindowTexts& t = FmTexts();
        const Language lang = state_.language;
        LocalMsgBox(lang, Tr(t.presentChannelNotWhole, lang), StyleOk | StyleIconWarning,
                    Tr(t.attention, lang), this);
        presentChannel_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    changeFm(FmTexts().ok, [](ProgramState& s) { CopyFmWindowToRecord(s.fmWindow, s.fm); });
    HideWindowHost(this);
    return true;
}

void FmWindow::cancel() {
    commitCellEditor();
    HideWindowHost(this);
}

void FmWindow::applyLanguage() {
    const Language lang = state_.language;
    if (!IsKnownLanguage(lang)) return;
    const FmWindowTexts& t = FmTexts();
    setWindowTitle(Tr(t.title, lang));
    vfoCaption_->setText(Tr(t.vfoCaption, lang));
    presentChannelCaption_->setText(Tr(t.presentChannelCaption, lang));
    displayModeCaption_->setText(Tr(t.displayModeCaption, lang));
    RelabelEntries(displayMode_, 2, [lang](int i) {
        return Tr(FmDisplayModeList()[static_cast<std::size_t>(i)], lang);
    });
    grid_->horizontalHeaderItem(0)->setText(Tr(t.headerChannel, lang));
    grid_->horizontalHeaderItem(1)->setText(Tr(t.headerFrequency, lang));
    ok_->setText(Tr(t.ok, lang));
    cancel_->setText(Tr(t.cancel, lang));
}

void FmWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    cancel();
}

}  // namespace talvo
