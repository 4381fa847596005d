#pragma once

#include <array>
#include <memory>
#include <string>

#include "editors/channels/channel_actions.h"
#include "editors/channels/list_word_cache.h"
#include "editors/editor_window.h"
#include "radio/state/channel_lists.h"
#include "rules/channel_selection.h"

class QComboBox;
class QLineEdit;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QScrollArea;
class QTableWidget;

namespace talvo {

class GridCellBatch;

class ChannelGridTools;
class DropDownList;

// "Channel Edit": the 128-channel grid with its floating editors.
//
// The window is a view over the program state: every commit goes into the channel stores
// (and their cell texts) first, then the grid shows the cells again. One editor at most is
// open; it floats over the cell being edited and scrolls with it.
class ChannelTableWindow : public EditorWindow {
    Q_OBJECT
  public:
    ChannelTableWindow(Document& document, QWidget* parent = nullptr);

    void applyLanguage() override;
    // Rebuilds every grid row from the model's cell texts (after a decode or New). An open
    // editor is closed without storing: its value belonged to the data just replaced.
    void loadFromModel() override;
    // Language switch: re-renders the words of the list columns from the stores.
    void RefreshChannelGrid();
    // New: tone list at item 0, lists at item 1, every channel cleared.
    void StartForm();
    // Runs the frequency commit when the frequency editor is shown (before a transfer).
    void commitPendingFrequency();
    bool frequencyEditorVisible() const;

    QTableWidget* grid() const;
    // The editor shown over a cell, or nullptr.
    QWidget* openEditor() const;
    // The editor of a data column's cells (the frequency editor, the name editor or the
    // column's list), built on first use; nullptr for the number column.
    QWidget* cellEditor(int column);

    // The operations on whole channels: keys on the grid, the grid's context menu, and the
    // Edit menu (which adds them with `channelActions().addTo`).
    const ChannelActions& channelActions() const { return *actions_; }
    QMenu* contextMenu() const { return contextMenu_; }
    const ChannelSelection& selection() const { return selection_; }
    // The channels an operation acts on: the chosen ones, else the current cell's channel.
    ChannelList operationChannels() const;
    // The channels whose rows are shown: those the find box lets through, else all. Operations
    // that move channels move them among these places only.
    ChannelList shownChannels() const;
    // Runs one operation as one step: an open edit ends first, refusals are told.
    void runChannelOp(ChannelOp op);
    // Sort, find, column edit and fill (their entries follow the channel operations).
    ChannelGridTools& gridTools() const { return *tools_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class ChannelGridTools;
    enum class EditorKind { None, Frequency, Name, List };
    struct EditSession {
        EditorKind kind = EditorKind::None;
        int channel = 0;
        int column = 0;
        QWidget* widget = nullptr;
        std::string nameBefore;  // restored when the name edit is cancelled
        unsigned serial = 0;
    };

    void buildGrid();
    // The floating editors are built when first opened: the tone list alone is 265 entries,
    // and most sessions open few editors or none.
    QLineEdit* frequencyEditor();
    QLineEdit* nameEditor();
    QLineEdit* makeTextEditor(const char* objectName);
    DropDownList* makeList(const char* objectName);
    DropDownList* listFor(int column);
    bool isCellEditor(const QObject* object) const;

    void showRow(int channel);
    void showAllRows();
    // Writes the rows of `channels` (1..128; others are passed over) as the model has them.
    void showRows(const QList<int>& channels);
    void showRow(int channel, const TextWords& words, GridCellBatch& cells);

    // The click handling of the grid: runs only when a press or Enter armed it. `byPress`
    // tells a mouse press from Enter: a list opened by a press stays open on its release.
    void openEditorOnCurrentCell(bool byPress);
    void openTextEditor(QLineEdit* editor, EditorKind kind, int channel, int column);
    void openList(DropDownList* list, int channel, int column, bool byPress);
    void placeOverCell(QWidget* editor, int channel, int column, bool keepOwnHeight);
    // Ends the open edit: text editors store when `commit` is set, lists never store here.
    void closeEditor(bool commit);
    // Ends the open edit storing nothing at all (the data under it was replaced).
    void abandonEditor();
    EditSession endSession();
    // One change of one channel through the document, labelled by the cell's column.
    bool changeChannel(int channel, int column, const Document::ChannelMutator& mutate,
                       Document::MergeKey merge = 0);
    void onChannelsChanged(const QList<int>& channels);
    void pickFromList(DropDownList* list, int index);
    void listClosedWithoutPick(DropDownList* list);
    void textEdited(QLineEdit* editor, const QString& text);
    // Tab after a commit: the next (or previous) data cell, wrapping over rows.
    void moveCurrentCell(bool forward);

    // Channel operations (channel_operations.cpp).
    void copyChannels();
    void pasteChannels();
    void insertChannel();
    // Stores `after` as the channel table after one operation of the user, then shows it.
    void commitChannels(const Message& label, ChannelStores after);
    // Puts the current cell on `channel`, keeping the column when it is a data column.
    void setCurrentChannel(int channel);
    void selectionChanged();
    bool numberColumnMouse(QEvent* event);
    // Shift with Up or Down chooses channels from the keyboard; other moves end the choice.
    // True when the key was used.
    bool channelSelectionKey(const QKeyEvent* event);
    void showContextMenu(QPoint viewportPos, bool byMouse);

    bool gridMouseEvent(QEvent* event);
    bool gridKeyEvent(QEvent* event);
    // F2 and typed characters on the current cell (channel_grid_keys.cpp). True when used.
    bool cellKey(const QKeyEvent* event);
    bool editorEvent(QWidget* editor, QEvent* event);

    QWidget* picClient_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QTableWidget* grid_ = nullptr;
    // Each nullptr until first opened.
    QLineEdit* frequencyEditor_ = nullptr;
    QLineEdit* nameEditor_ = nullptr;
    DropDownList* toneList_ = nullptr;
    std::array<DropDownList*, kGridColumns> optionLists_{};  // by column: the List fields
    // Each text editor's text after its last filtering, what the next keystroke is checked
    // against.
    QString frequencyFiltered_;
    QString nameFiltered_;
    // The language of the window's texts, which an editor built later is made in.
    Language textsLanguage_ = kChinese;

    std::unique_ptr<ChannelActions> actions_;
    QMenu* contextMenu_ = nullptr;
    ChannelSelection selection_;
    bool numberDrag_ = false;  // a press on the number column, button still held
    ChannelGridTools* tools_ = nullptr;
    // The list cells' words of the language shown, made once per refresh.
    ListWordCache listWords_;

    EditSession session_;
    unsigned nextSerial_ = 1;
    bool gridClickArmed_ = false;
    // Set while this window changes the document, so its own change does not end its edit.
    bool selfEdit_ = false;
};

}  // namespace talvo
