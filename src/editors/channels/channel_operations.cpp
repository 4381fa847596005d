// The channel grid's operations on whole channels: copy, cut, paste, delete, insert, delete
// and move up, move up and down, and the choosing of channels on the number column.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>

#include "editors/channels/channel_clipboard.h"
#include "editors/channels/channel_table_window.h"
#include "exchange/channel_paste.h"
#include "exchange/channel_text_form.h"
#include "lang/catalogue.h"
#include "rules/channel_ops.h"
#include "ui/local_msgbox.h"

namespace talvo {
namespace {

// Names of the steps the operations make.
const Text kCutStep{TALVO_TEXT("ChannelOperations", "Cut channels")};
const Text kPasteStep{TALVO_TEXT("ChannelOperations", "Paste channels")};
const Text kDeleteStep{TALVO_TEXT("ChannelOperations", "Delete channels")};
const Text kInsertStep{TALVO_TEXT("ChannelOperations", "Insert free channel")};
const Text kDeleteUpStep{TALVO_TEXT("ChannelOperations", "Delete and move up")};
const Text kMoveUpStep{TALVO_TEXT("ChannelOperations", "Move channels up")};
const Text kMoveDownStep{TALVO_TEXT("ChannelOperations", "Move channels down")};

}  // namespace

ChannelList ChannelTableWindow::operationChannels() const {
    // Rows the find box hides are not acted on.
    if (!selection_.empty()) {
        ChannelList shown = selection_.channels();
        std::erase_if(shown, [this](int ch) { return grid_->isRowHidden(ch - 1); });
        return shown;
    }
    const int row = grid_->currentRow();
    if (row < 0 || grid_->isRowHidden(row)) return {};
    return {row + 1};
}

ChannelList ChannelTableWindow::shownChannels() const {
    ChannelList shown;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        if (!grid_->isRowHidden(ch - 1)) shown.push_back(ch);
    }
    return shown;
}

void ChannelTableWindow::runChannelOp(ChannelOp op) {
    // An open edit ends first, as a click elsewhere would end it.
    closeEditor(true);
    const ChannelList channels = operationChannels();
    if (channels.empty()) return;
    ChannelStores after = state_.channels;
    switch (op) {
        case ChannelOp::Copy:
            copyChannels();
            break;
        case ChannelOp::Cut:
            copyChannels();
            ClearChannels(after, channels);
            commitChannels(kCutStep, std::move(after));
            break;
        case ChannelOp::Delete:
            ClearChannels(after, channels);
            commitChannels(kDeleteStep, std::move(after));
            break;
        case ChannelOp::Paste:
            pasteChannels();
            break;
        case ChannelOp::Insert:
            insertChannel();
            break;
        case ChannelOp::DeleteMoveUp:
            DeleteAndMoveUp(after, channels, shownChannels());
            commitChannels(kDeleteUpStep, std::move(after));
            selection_.clear();
            setCurrentChannel(channels.front());
            break;
        case ChannelOp::MoveUp:
        case ChannelOp::MoveDown: {
            const bool up = op == ChannelOp::MoveUp;
            const ChannelList shown = shownChannels();
            ChannelList moved = channels;
            if (!(up ? MoveChannelsUp(after, moved, shown) : MoveChannelsDown(after, moved, shown)))
                break;
            commitChannels(up ? kMoveUpStep : kMoveDownStep, std::move(after));
            // The chosen channels, and the current cell, go with the channels they were on: to
            // the next shown row.
            if (!selection_.empty()) selection_.set(moved);
            const auto current = std::find(shown.begin(), shown.end(), grid_->currentRow() + 1);
            if (current != shown.end() &&
                (up ? current != shown.begin() : current + 1 != shown.end()))
                setCurrentChannel(*(up ? current - 1 : current + 1));
            break;
        }
    }
    selectionChanged();
    grid_->setFocus(Qt::OtherFocusReason);
}

void ChannelTableWindow::copyChannels() {
    const ChannelList channels = operationChannels();
    CopiedChannels copied = CopyChannels(state_.channels, channels);
    // The gaps between the channels count the rows shown, so that a paste under the same
    // filter puts them into rows next to each other as they were seen.
    const ChannelList shown = shownChannels();
    auto row = [&shown](int ch) {
        return static_cast<int>(std::lower_bound(shown.begin(), shown.end(), ch) - shown.begin());
    };
    if (!channels.empty()) {
        for (PasteItem& item : copied.items) {
            item.offset = row(channels.front() + item.offset) - row(channels.front());
        }
    }
    const std::string text = ChannelsAsText(state_.channels, state_.band, channels);
    QGuiApplication::clipboard()->setMimeData(ChannelsToMime(copied, text));
}

void ChannelTableWindow::pasteChannels() {
    const Language lang = state_.language;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    // The program's own form when it is there; else text, as a spreadsheet gives it. The
    // channels go to the shown rows from the current one on, passing over the rows the find
    // box hides.
    const std::optional<CopiedChannels> own = ChannelsFromMime(mime);
    std::string text;
    std::optional<std::string_view> textForm;
    if (!own && mime && mime->hasText()) {
        text = mime->text().toStdString();
        textForm = text;
    }
    GridPaste paste = PasteIntoGrid(state_.channels, state_.band, operationChannels().front(),
                                    shownChannels(), own, textForm);
    if (!paste.pasted.empty()) {
        commitChannels(kPasteStep, std::move(paste.after));
        selection_.set(paste.pasted);
    }
    QStringList message;
    for (const Message& line : paste.lines) message << Tr(line, lang);
    if (!message.isEmpty()) {
        LocalMsgBox(lang, message.join(QLatin1Char('\n')), StyleOk, QString(), this);
    }
}

void ChannelTableWindow::insertChannel() {
    const int at = operationChannels().front();
    ChannelStores after = state_.channels;
    if (const auto refusal = InsertIntoGrid(after, at, shownChannels())) {
        LocalMsgBox(state_.language, *refusal, StyleOk, Text{}, this);
        return;
    }
    commitChannels(kInsertStep, std::move(after));
    // The new free channel is chosen and current, ready for its frequency (or another Insert).
    selection_.set({at});
    grid_->setCurrentCell(at - 1, kColRxFreq);
}

void ChannelTableWindow::commitChannels(const Message& label, ChannelStores after) {
    // One step of the document with the whole records of the channels that changed; the
    // document then has their rows shown again.
    std::vector<std::pair<int, ChannelRecord>> records;
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        ChannelRecord record = TakeChannel(after, ch);
        if (!(record == TakeChannel(state_.channels, ch)))
            records.emplace_back(ch, std::move(record));
    }
    if (!records.empty()) document_.replaceChannels(label, records);
}

void ChannelTableWindow::setCurrentChannel(int channel) {
    channel = std::clamp(channel, 1, kChannelCount);
    const int column = std::max(grid_->currentColumn(), static_cast<int>(kColRxFreq));
    grid_->setCurrentCell(channel - 1, column);
    grid_->scrollTo(grid_->model()->index(channel - 1, column));
}

void ChannelTableWindow::selectionChanged() {
    grid_->viewport()->update();
}

bool ChannelTableWindow::numberColumnMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (mouse->button() != Qt::LeftButton) return false;
            const QModelIndex index = grid_->indexAt(at);
            if (!index.isValid() || index.column() != 0) return false;
            closeEditor(true);
            grid_->setFocus(Qt::MouseFocusReason);
            const Qt::KeyboardModifiers mods = mouse->modifiers();
            selection_.press(index.row() + 1, mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
            numberDrag_ = true;
            setCurrentChannel(index.row() + 1);
            selectionChanged();
            return true;
        }
        case QEvent::MouseMove: {
            if (!numberDrag_) return false;
            // Above or below the grid, the drag reaches the row at that edge.
            const int y = std::clamp(at.y(), 0, grid_->viewport()->height() - 1);
            const int row = grid_->rowAt(y);
            if (row >= 0) {
                selection_.dragTo(row + 1);
                setCurrentChannel(row + 1);
                selectionChanged();
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!numberDrag_) return false;
            numberDrag_ = false;
            return true;
        default:
            return false;
    }
}

bool ChannelTableWindow::channelSelectionKey(const QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
    if (vertical && mods == Qt::ShiftModifier) {
        const int from = grid_->currentRow() + 1;
        int to = from;
        // The next channel the find box shows.
        do {
            to += key == Qt::Key_Up ? -1 : 1;
        } while (to >= 1 && to <= kChannelCount && grid_->isRowHidden(to - 1));
        if (to < 1 || to > kChannelCount) to = from;
        selection_.extend(from, to);
        setCurrentChannel(to);
        selectionChanged();
        return true;
    }
    const bool moves = vertical || key == Qt::Key_Left || key == Qt::Key_Right ||
                       key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Home ||
                       key == Qt::Key_End || key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (moves && !selection_.empty()) {
        selection_.clear();
        selectionChanged();
    }
    return false;
}

void ChannelTableWindow::showContextMenu(QPoint viewportPos, bool byMouse) {
    closeEditor(true);
    grid_->setFocus(Qt::OtherFocusReason);
    if (byMouse) {
        // A right click outside the channels the operations act on moves them to its channel.
        const QModelIndex index = grid_->indexAt(viewportPos);
        if (index.isValid()) {
            const ChannelList acted = operationChannels();
            const int channel = index.row() + 1;
            if (std::find(acted.begin(), acted.end(), channel) == acted.end()) {
                selection_.clear();
                if (index.column() == 0) selection_.press(channel, false, false);
                setCurrentChannel(channel);
                if (index.column() > 0) grid_->setCurrentCell(index.row(), index.column());
                selectionChanged();
            } else if (index.column() > 0) {
                // Inside the chosen channels the click picks the column a column edit sets.
                grid_->setCurrentCell(index.row(), index.column());
            }
        }
    } else {
        viewportPos = grid_->visualRect(grid_->currentIndex()).center();
    }
    contextMenu_->popup(grid_->viewport()->mapToGlobal(viewportPos));
}

}  // namespace talvo
