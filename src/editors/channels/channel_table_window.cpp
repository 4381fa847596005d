#include "editors/channels/channel_table_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <numeric>

#include "document/edit_labels.h"
#include "editors/channels/channel_grid_delegate.h"
#include "editors/channels/drop_down_list.h"
#include "editors/channels/grid_tools.h"
#include "lang/catalogue.h"
#include "print/cell_text.h"
#include "radio/fields/channel_fields.h"
#include "radio/state/channel_lists.h"
#include "radio/state/tone_list.h"
#include "rules/channel_table.h"
#include "ui/accessible_names.h"
#include "ui/grid_helpers.h"
#include "ui/grid_wheel_filter.h"
#include "ui/local_msgbox.h"
#include "ui/scrolling_panel.h"

namespace talvo {
namespace {

// Layout in twips.
constexpr int kWindowWidth = 12500;
constexpr int kWindowHeight = 7200;
constexpr int kGridLeft = 180;
constexpr int kGridTop = 180;
constexpr int kGridWidth = 11835;
constexpr int kGridHeight = 6045;
constexpr int kRowHeight = 270;
constexpr int kPanelMarginPixels = 2;
constexpr int kVerticalSmallChangePixels = 2;

const Text kTitle{TALVO_TEXT("ChannelTableWindow", "Channel Edit")};

}  // namespace

ChannelTableWindow::ChannelTableWindow(Document& document, QWidget* parent)
    : EditorWindow(document, parent) {
    setObjectName(QStringLiteral("channelTableWindow"));
    // Every window carries its Chinese texts until the first language pass.
    setWindowTitle(Tr(kTitle, kChinese));

    picClient_ = new QWidget;
    picClient_->setObjectName(QStringLiteral("picClient"));
    buildGrid();

    actions_ = std::make_unique<ChannelActions>(grid_);
    for (int i = 0; i < kChannelOpCount; ++i) {
        const auto op = static_cast<ChannelOp>(i);
        connect(actions_->action(op), &QAction::triggered, this, [this, op] { runChannelOp(op); });
    }
    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName(QStringLiteral("ChannelMenu"));
    actions_->addTo(contextMenu_);

    auto* wheel = new GridWheelFilter(grid_);
    connect(wheel, &GridWheelFilter::turned, this,
            [this](int rotation) { ScrollOneRow(grid_, rotation); });

    scrollArea_ = WrapInScrollingPanel(this, picClient_, kVerticalSmallChangePixels);
    // The panel only scrolls; the keyboard belongs to the grid inside it.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    const QRect g = grid_->geometry();
    picClient_->setFixedSize(g.right() + 1 + kPanelMarginPixels,
                             g.bottom() + 1 + kPanelMarginPixels);
    resize(TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight));
    showAllRows();

    connect(&document_, &Document::channelsChanged, this, &ChannelTableWindow::onChannelsChanged);
    connect(&document_, &Document::stateReplaced, this, &ChannelTableWindow::loadFromModel);
    tools_ = new ChannelGridTools(*this);
    tools_->addTo(contextMenu_);
}

bool ChannelTableWindow::changeChannel(int channel, int column,
                                       const Document::ChannelMutator& mutate,
                                       Document::MergeKey merge) {
    selfEdit_ = true;
    const bool changed =
        document_.changeChannels(ChannelEditLabel(channel, column), {channel}, mutate, merge);
    selfEdit_ = false;
    return changed;
}

void ChannelTableWindow::onChannelsChanged(const QList<int>& channels) {
    // A change from elsewhere (an undo, a paste) under the open editor ends the edit unstored.
    if (!selfEdit_ && session_.kind != EditorKind::None && channels.contains(session_.channel)) {
        abandonEditor();
    }
    showRows(channels);
}

void ChannelTableWindow::buildGrid() {
    grid_ = new QTableWidget(kChannelCount, kGridColumns, picClient_);
    grid_->setObjectName(QStringLiteral("channelGrid"));
    NameAfterTitle(grid_, this);
    QStringList headers;
    for (int c = 0; c < kGridColumns; ++c) headers << Tr(ColumnHeader(c), kChinese);
    grid_->setHorizontalHeaderLabels(headers);

    QHeaderView* top = grid_->horizontalHeader();
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setSectionsClickable(false);
    top->setHighlightSections(false);
    top->setDefaultAlignment(Qt::AlignCenter);
    for (int c = 0; c < kGridColumns; ++c) {
        grid_->setColumnWidth(c, TwipsToPixels(ColumnTwips(c)));
    }
    // Row 0 of the grid is the header above; column 0 holds the channel numbers and can
    // neither be selected nor reached by the keyboard.
    QHeaderView* side = grid_->verticalHeader();
    side->hide();
    side->setMinimumSectionSize(1);
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setDefaultSectionSize(TwipsToPixels(kRowHeight));

    FillCenteredItems(grid_);
    const QBrush numberColour = grid_->palette().brush(QPalette::Active, QPalette::Text);
    for (int r = 0; r < kChannelCount; ++r) {
        QTableWidgetItem* item = grid_->item(r, 0);
        item->setText(QString::number(r + 1));
        item->setFlags(Qt::NoItemFlags);
        item->setForeground(numberColour);
    }
    ShadeEvenRows(grid_, kChannelEvenRowColour);

    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setDragEnabled(false);
    grid_->setTabKeyNavigation(true);
    grid_->setWordWrap(false);
    // Cells show their text as written; a word wider than its column is cut, not abbreviated.
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid_->setGeometry(TwipsToPixels(kGridLeft), TwipsToPixels(kGridTop), TwipsToPixels(kGridWidth),
                       TwipsToPixels(kGridHeight));
    grid_->setCurrentCell(0, kColRxFreq);
    grid_->setItemDelegate(new ChannelGridDelegate(
        grid_, [this](int channel) { return selection_.contains(channel); }));
    // The window hands the keyboard to its grid: whoever focuses the window focuses the grid.
    setFocusProxy(grid_);
    NameAfterTitle(this, this);
    setFocusPolicy(Qt::StrongFocus);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
}

QLineEdit* ChannelTableWindow::makeTextEditor(const char* objectName) {
    // The editors are children of the grid's viewport, so they scroll with their cell.
    auto* edit = new QLineEdit(grid_->viewport());
    edit->setObjectName(QLatin1String(objectName));
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignCenter);
    edit->hide();
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this,
            [this, edit](const QString& text) { textEdited(edit, text); });
    return edit;
}

QLineEdit* ChannelTableWindow::frequencyEditor() {
    if (!frequencyEditor_) frequencyEditor_ = makeTextEditor("frequencyEditor");
    return frequencyEditor_;
}

QLineEdit* ChannelTableWindow::nameEditor() {
    if (!nameEditor_) nameEditor_ = makeTextEditor("nameEditor");
    return nameEditor_;
}

DropDownList* ChannelTableWindow::makeList(const char* objectName) {
    auto* list = new DropDownList(grid_->viewport());
    list->setObjectName(QLatin1String(objectName));
    list->hide();
    list->installEventFilter(this);
    connect(list, &QComboBox::activated, this,
            [this, list](int index) { pickFromList(list, index); });
    connect(list, &DropDownList::popupClosed, this, [this, list] { listClosedWithoutPick(list); });
    return list;
}

DropDownList* ChannelTableWindow::listFor(int column) {
    const ChannelField* field = FieldOfColumn(column);
    if (!field) return nullptr;
    if (field->kind == FieldKind::Tone) {
        if (!toneList_) {
            toneList_ = makeList("toneList");
            QStringList tones;
            tones.reserve(kToneCount);
            for (int i = 0; i < kToneCount; ++i) tones << Tr(ToneName(i), textsLanguage_);
            toneList_->addItems(tones);
            toneList_->setCurrentIndex(0);
        }
        return toneList_;
    }
    if (field->kind != FieldKind::List) return nullptr;
    DropDownList*& list = optionLists_[static_cast<std::size_t>(column)];
    if (!list) {
        list = makeList((std::string(field->key) + "List").c_str());
        for (const Text& entry : field->entries) list->addItem(Tr(entry, textsLanguage_));
        list->setCurrentIndex(1);
    }
    return list;
}

QWidget* ChannelTableWindow::cellEditor(int column) {
    const ChannelField* field = FieldOfColumn(column);
    if (!field) return nullptr;
    if (field->kind == FieldKind::Frequency) return frequencyEditor();
    if (field->kind == FieldKind::Name) return nameEditor();
    return listFor(column);
}

bool ChannelTableWindow::isCellEditor(const QObject* object) const {
    return object == frequencyEditor_ || object == nameEditor_ || object == toneList_ ||
           std::find(optionLists_.begin(), optionLists_.end(), object) != optionLists_.end();
}

void ChannelTableWindow::applyLanguage() {
    const Language lang = state_.language;
    if (!IsKnownLanguage(lang)) return;
    textsLanguage_ = lang;
    setWindowTitle(Tr(kTitle, lang));
    actions_->applyLanguage(lang);
    tools_->applyLanguage(lang);
    for (int c = 0; c < kGridColumns; ++c) {
        if (QTableWidgetItem* h = grid_->horizontalHeaderItem(c)) {
            h->setText(Tr(ColumnHeader(c), lang));
        }
    }
    // Entries are replaced in place, so every list keeps its selection. Lists not built yet
    // are made in this language when they are.
    if (toneList_) toneList_->setItemText(0, Tr(ToneOffText(), lang));
    for (const ChannelField& field : ChannelFields()) {
        DropDownList* list = optionLists_[static_cast<std::size_t>(field.column)];
        if (!list) continue;
        const auto& entries = field.entries;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            list->setItemText(static_cast<int>(i), Tr(entries[i], lang));
        }
    }
}

void ChannelTableWindow::loadFromModel() {
    abandonEditor();
    selection_.clear();
    selectionChanged();
    showAllRows();
    tools_->refilter();
}

void ChannelTableWindow::RefreshChannelGrid() {
    selfEdit_ = true;
    document_.relabelChannelGrid();
    selfEdit_ = false;
}

void ChannelTableWindow::StartForm() {
    abandonEditor();
    // Set while hidden: not a pick, nothing is stored. Lists not built yet start there.
    if (toneList_) toneList_->setCurrentIndex(0);
    for (DropDownList* list : optionLists_) {
        if (list) list->setCurrentIndex(1);
    }
    // Every channel emptied, one step (New has emptied them already in the state it loads).
    std::vector<int> all;
    for (int ch = 1; ch <= kChannelCount; ++ch) all.push_back(ch);
    selfEdit_ = true;
    document_.changeChannels(NewLabel(), all,
                             [](ChannelStores& stores) { talvo::StartForm(stores); });
    selfEdit_ = false;
    selection_.clear();
    selectionChanged();
    showAllRows();
}

void ChannelTableWindow::commitPendingFrequency() {
    if (session_.kind == EditorKind::Frequency) closeEditor(true);
}

bool ChannelTableWindow::frequencyEditorVisible() const {
    return session_.kind == EditorKind::Frequency;
}

QTableWidget* ChannelTableWindow::grid() const {
    return grid_;
}

QWidget* ChannelTableWindow::openEditor() const {
    return session_.widget;
}

// Cells written together: the grid's model announces them as one change once all are written
// (one repaint request, one refit), not one change per cell.
class GridCellBatch {
  public:
    explicit GridCellBatch(QTableWidget* grid)
        : grid_(grid), wasBlocked_(grid->model()->blockSignals(true)) {}
    ~GridCellBatch() {
        QAbstractItemModel* model = grid_->model();
        model->blockSignals(wasBlocked_);
        if (wasBlocked_ || top_ > bottom_) return;
        emit model->dataChanged(model->index(top_, left_), model->index(bottom_, right_),
                                {Qt::DisplayRole, Qt::EditRole});
    }
    GridCellBatch(const GridCellBatch&) = delete;
    GridCellBatch& operator=(const GridCellBatch&) = delete;

    // Writes `text` into cell (row, column) when it differs.
    void set(int row, int column, const QString& text) {
        QTableWidgetItem* item = grid_->item(row, column);
        if (!item || item->text() == text) return;
        item->setText(text);
        top_ = std::min(top_, row);
        bottom_ = std::max(bottom_, row);
        left_ = std::min(left_, column);
        right_ = std::max(right_, column);
    }

  private:
    QTableWidget* grid_;
    bool wasBlocked_;
    int top_ = INT_MAX;
    int bottom_ = -1;
    int left_ = INT_MAX;
    int right_ = -1;
};

void ChannelTableWindow::showRow(int channel) {
    showRows({channel});
}

void ChannelTableWindow::showAllRows() {
    QList<int> all(kChannelCount);
    std::iota(all.begin(), all.end(), 1);
    showRows(all);
}

void ChannelTableWindow::showRows(const QList<int>& channels) {
    const TextWords words = WordsIn(state_.language);
    listWords_.use(state_.language);
    GridCellBatch cells(grid_);
    for (int ch : channels) {
        if (ch >= 1 && ch <= kChannelCount) showRow(ch, words, cells);
    }
}

void ChannelTableWindow::showRow(int channel, const TextWords& words, GridCellBatch& cells) {
    const Channel& c = state_.channels.at(channel);
    for (const ChannelField& field : ChannelFields()) {
        cells.set(channel - 1, field.column, listWords_.cellText(c, field.column, words));
    }
}

void ChannelTableWindow::openEditorOnCurrentCell(bool byPress) {
    if (!gridClickArmed_) return;
    gridClickArmed_ = false;
    closeEditor(true);

    const int row = grid_->currentRow();
    // A row the find box hides has no cell to edit.
    if (row < 0 || grid_->isRowHidden(row)) return;
    const int channel = row + 1;
    const int column = EditorColumn(state_.channels, channel, grid_->currentColumn());
    if (column == 0) return;
    if (column != grid_->currentColumn()) grid_->setCurrentCell(row, column);
    grid_->scrollTo(grid_->model()->index(row, column));

    switch (FieldOfColumn(column)->kind) {
        case FieldKind::Frequency:
            openTextEditor(frequencyEditor(), EditorKind::Frequency, channel, column);
            break;
        case FieldKind::Name:
            openTextEditor(nameEditor(), EditorKind::Name, channel, column);
            break;
        case FieldKind::Tone:
        case FieldKind::List:
            openList(listFor(column), channel, column, byPress);
            break;
    }
}

void ChannelTableWindow::placeOverCell(QWidget* editor, int channel, int column,
                                       bool keepOwnHeight) {
    const QRect cell = grid_->visualRect(grid_->model()->index(channel - 1, column));
    const int height = keepOwnHeight ? editor->sizeHint().height() : cell.height();
    editor->setGeometry(cell.x(), cell.y(), cell.width(), height);
}

void ChannelTableWindow::openTextEditor(QLineEdit* editor, EditorKind kind, int channel,
                                        int column) {
    session_ = {kind, channel, column, editor, {}, nextSerial_++};
    if (kind == EditorKind::Name) {
        session_.nameBefore = state_.channels.at(channel).name;
    }
    placeOverCell(editor, channel, column, false);
    NameAfterColumn(editor, grid_, column);
    const QString text = CellToDisplay(
        column, ChannelCellText(state_.channels.at(channel), column, WordsIn(state_.language)));
    editor->setText(text);
    (editor == frequencyEditor_ ? frequencyFiltered_ : nameFiltered_) = text;
    editor->selectAll();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void ChannelTableWindow::openList(DropDownList* list, int channel, int column, bool byPress) {
    session_ = {EditorKind::List, channel, column, list, {}, nextSerial_++};
    placeOverCell(list, channel, column, true);
    NameAfterColumn(list, grid_, column);
    list->setCurrentIndex(state_.channels.at(channel).optionOf(column));
    list->show();
    list->raise();
    list->setFocus(Qt::OtherFocusReason);
    if (byPress) {
        list->showPopupForPress();
    } else {
        list->showPopup();
    }
}

ChannelTableWindow::EditSession ChannelTableWindow::endSession() {
    // The session ends before anything else runs, so the focus changes and list closings
    // below cannot end it a second time.
    const EditSession s = session_;
    session_ = {};
    // The keyboard goes back to the grid, also when the window lost it for a moment (a closing
    // list's popup may leave the window inactive until the window system activates it again).
    if (s.widget->hasFocus() || focusWidget() == s.widget) grid_->setFocus(Qt::OtherFocusReason);
    if (auto* list = qobject_cast<DropDownList*>(s.widget); list && list->view()->isVisible()) {
        list->hidePopup();
    }
    s.widget->hide();
    return s;
}

void ChannelTableWindow::abandonEditor() {
    if (session_.kind == EditorKind::None) return;
    showRow(endSession().channel);
}

void ChannelTableWindow::closeEditor(bool commit) {
    if (session_.kind == EditorKind::None) return;
    const EditSession s = endSession();

    const Language lang = state_.language;
    // Each name edit is one step with its keys, which merge by the session.
    const Document::MergeKey nameKey = (Document::MergeKey{1} << 32) | s.serial;
    if (s.kind == EditorKind::Frequency && commit) {
        FrequencyCommit result = FrequencyCommit::Unchanged;
        const BandState band = state_.band;
        const std::string text = frequencyEditor_->text().toStdString();
        changeChannel(s.channel, s.column, [&](ChannelStores& stores) {
            result = CommitFrequency(stores, band, s.channel, s.column, text);
        });
        if (result == FrequencyCommit::Refused) {
            LocalMsgBox(lang,
                        TALVO_TEXT("ChannelTableWindow", "Beyond the scope of frequency band"),
                        StyleOk, Text{}, this);
            grid_->setFocus(Qt::OtherFocusReason);
        }
    } else if (s.kind == EditorKind::Name) {
        const std::string name = NameToBytes(nameEditor_->text());
        changeChannel(
            s.channel, kColName,
            [&](ChannelStores& stores) {
                StoreName(stores, s.channel, commit ? name : s.nameBefore);
            },
            nameKey);
    }
    showRow(s.channel);
}

void ChannelTableWindow::pickFromList(DropDownList* list, int index) {
    // Only a pick in the shown list counts; selections made by code while hidden do not.
    if (session_.kind != EditorKind::List || session_.widget != list || index < 0) return;
    const int channel = session_.channel;
    const int column = session_.column;
    changeChannel(channel, column,
                  [&](ChannelStores& stores) { CommitOption(stores, channel, column, index); });
    closeEditor(false);
    grid_->setFocus(Qt::OtherFocusReason);
}

void ChannelTableWindow::listClosedWithoutPick(DropDownList* list) {
    if (session_.widget != list) return;
    // A pick closes the list too; it is handled first, so the session has ended by the time
    // this runs. A list that is still open for the same edit was left without a pick.
    const unsigned serial = session_.serial;
    QTimer::singleShot(0, this, [this, list, serial] {
        if (session_.widget == list && session_.serial == serial) closeEditor(false);
    });
}

void ChannelTableWindow::textEdited(QLineEdit* editor, const QString& text) {
    const bool frequency = editor == frequencyEditor_;
    QString& before = frequency ? frequencyFiltered_ : nameFiltered_;
    const FilteredEntry out = FilterEntry(frequency ? EntryKind::Frequency : EntryKind::Name,
                                          before.toStdU32String(), text.toStdU32String());
    const QString result = QString::fromStdU32String(out.text);
    if (result != text) {
        editor->setText(result);
        editor->setCursorPosition(static_cast<int>(out.cursor));
    }
    before = result;
    if (!frequency && session_.kind == EditorKind::Name) {
        const int channel = session_.channel;
        const std::string name = NameToBytes(result);
        changeChannel(
            channel, kColName, [&](ChannelStores& stores) { StoreName(stores, channel, name); },
            (Document::MergeKey{1} << 32) | session_.serial);
    }
}

void ChannelTableWindow::moveCurrentCell(bool forward) {
    const int dataColumns = static_cast<int>(kChannelFieldCount);
    const int cell = grid_->currentRow() * dataColumns + grid_->currentColumn() - 1;
    const int cells = kChannelCount * dataColumns;
    // Rows the find box hides are passed over; at either end the cell stays.
    int next = cell;
    do {
        next += forward ? 1 : -1;
    } while (next >= 0 && next < cells && grid_->isRowHidden(next / dataColumns));
    if (next < 0 || next >= cells) next = cell;
    grid_->setCurrentCell(next / dataColumns, next % dataColumns + 1);
}

bool ChannelTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport()) return gridMouseEvent(event);
    if (watched == grid_) return gridKeyEvent(event);
    if (isCellEditor(watched)) return editorEvent(static_cast<QWidget*>(watched), event);
    return EditorWindow::eventFilter(watched, event);
}

bool ChannelTableWindow::gridMouseEvent(QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        showContextMenu(menu->pos(), menu->reason() == QContextMenuEvent::Mouse);
        return true;
    }
    if (numberColumnMouse(event)) return true;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            grid_->setFocus(Qt::MouseFocusReason);
            // A press selects exactly one cell and opens its editor at once; nothing is
            // dragged. Other buttons only focus the grid.
            if (mouse->button() != Qt::LeftButton) return true;
            const QModelIndex index = grid_->indexAt(mouse->position().toPoint());
            if (!index.isValid() || index.column() < kColRxFreq) return true;
            // A click into the data ends a choice of channels: the clicked channel is the one
            // the operations act on.
            if (!selection_.empty()) {
                selection_.clear();
                selectionChanged();
            }
            grid_->setCurrentCell(index.row(), index.column());
            gridClickArmed_ = true;
            openEditorOnCurrentCell(true);
            return true;
        }
        case QEvent::MouseMove:
            return static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
        case QEvent::MouseButtonRelease:
            return true;
        default:
            return false;
    }
}

bool ChannelTableWindow::gridKeyEvent(QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        showContextMenu({}, false);
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // Keys an open editor did not use must not move the grid under it.
    if (session_.widget && session_.widget->hasFocus()) return true;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (channelSelectionKey(keyEvent)) return true;
    if (cellKey(keyEvent)) return true;
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    gridClickArmed_ = true;
    openEditorOnCurrentCell(false);
    return true;
}

bool ChannelTableWindow::editorEvent(QWidget* editor, QEvent* event) {
    const bool textEditor = editor == frequencyEditor_ || editor == nameEditor_;
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (editor != session_.widget) return false;
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                closeEditor(false);
                return true;
            }
            if (textEditor && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                closeEditor(true);
                grid_->setFocus(Qt::OtherFocusReason);
                return true;
            }
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                closeEditor(textEditor);
                moveCurrentCell(key == Qt::Key_Tab);
                grid_->setFocus(Qt::TabFocusReason);
                return true;
            }
            return false;
        }
        case QEvent::FocusOut: {
            if (editor != session_.widget) return false;
            // A context menu or another window taking the focus does not end the edit.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
                return false;
            }
            // The focus moving into a list's own open popup is not leaving the list.
            if (auto* list = qobject_cast<DropDownList*>(editor);
                list && list->view()->isVisible()) {
                return false;
            }
            closeEditor(textEditor);
            return false;
        }
        case QEvent::Wheel:
            if (textEditor) return false;
            // A shown list does not change its pick on the wheel; the grid scrolls instead.
            ScrollOneRow(grid_, static_cast<QWheelEvent*>(event)->angleDelta().y());
            return true;
        default:
            return false;
    }
}

}  // namespace talvo
