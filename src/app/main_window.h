#pragma once

#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/data_file_dialog.h"
#include "model/status.h"
#include "radio/state/program_state.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMdiArea;
class QToolBar;

namespace talvo {

class AboutWindow;
class Document;
class BandCombo;
class ChannelTableWindow;
class DebugWindow;
class DtmfWindow;
class EditorWindow;
class ExchangeCommands;
class FmWindow;
class HiddenModeButtons;
class HidingSubWindow;
class OptionsWindow;
class PortChooser;
class RecentFilesMenu;
class SerialLink;
class TransferController;
class WritingWindow;

// The main window: a frame holding the editor windows, with the menu, the toolbar, the band
// list, the port list and the status bar. It builds the frame, wires the menus and the toolbar
// to the parts that carry out their commands (the port chooser, the transfer controller, the
// exchange commands, the hidden-mode buttons), keeps the title and the document's file, and
// writes its texts on a language change. Menu entries and toolbar buttons carry their code names as
// object names ("MNRead", "TRead"); the other controls are named for what they hold ("bandList").
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Returns the chosen path, or an empty text when the user cancels.
    using FileChooser = talvo::FileChooser;

    // The main window's load: band 0, the channel table shown, the port list filled, the port
    // number read and shown. The other editor windows are created hidden after the first paint
    // (or when first asked for).
    MainWindow(Document& document, std::unique_ptr<SerialLink> port, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows state().language: the toolkit's translations, then one language-change event on
    // which every window (this one first) writes its own texts. Any other flag value changes
    // nothing.
    void ApplyLanguage();

    void setFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }

    // The state's fields outside the document's history (see Document::sessionState).
    ProgramState& state() { return state_; }
    Document& document() { return document_; }
    SerialLink& port() { return *port_; }
    ChannelTableWindow* channelWindow() const { return channel_; }
    // The editor windows the first window does not show, built on first use (see
    // buildLaterWindows).
    DtmfWindow* dtmfWindow();
    OptionsWindow* optionsWindow();
    DebugWindow* debugWindow();
    FmWindow* fmWindow();
    AboutWindow* aboutWindow() const { return about_; }
    WritingWindow* writingWindow() const { return writing_; }
    TransferController& transfer() { return *transfer_; }
    PortChooser& ports() { return *ports_; }
    HiddenModeButtons& hiddenModes() { return *hiddenModes_; }
    QComboBox* bandList() const;
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolBar_; }
    // Panel 1 ("COM: ...") or panel 2 (the maker's name in Chinese).
    QString statusText(int panel) const;
    // A menu entry or toolbar button by its code name ("MNRead", "TRead", "MNRecent1"); null
    // when unknown.
    QAction* action(const QString& name) const;
    // The frame that holds an editor window inside the main window.
    HidingSubWindow* frameOf(QWidget* editor) const;

    // Commands.
    void newData();
    void openDataFile();
    void saveDataFile();
    // Opens `path` as Open does after its file dialog (recent files, the command line, a drop),
    // asking first about unsaved changes. False when nothing was opened.
    bool openPath(const QString& path);
    // The last files opened or saved, in the File menu.
    RecentFilesMenu& recentFiles() { return *recentFiles_; }
    // The file the document was last opened from or saved to; empty for none.
    QString currentFile() const { return currentFile_; }
    // A Read finished: its image becomes the document's state as one undoable step whose undo
    // brings back `imageBefore`.
    void loadReadResult(const ImageBytes& imageBefore);
    // Unsaved changes: Save, Discard or Cancel. True when the caller may go on (saved or
    // discarded, or nothing to lose); `asked` tells whether the question was shown.
    bool settleUnsavedChanges(bool* asked = nullptr);
    // Unsaved changes a program left behind (a data file's image and the path of the file they
    // belong to, empty for none) become the document as one undoable step; they stay unsaved,
    // and Save proposes their file (main_recovery.cpp).
    void restoreRecovered(const ImageBytes& image, const QString& sourceFile);
    void showEditor(EditorWindow* editor);
    // Shows `lang` in every window.
    void switchLanguage(Language lang);
    // File → Backups…: opens a chosen read backup (main_safety.cpp).
    void showBackups();
    // Programming → Program Several Radios…: the document into the radios on several ports.
    void showFleet();

    // After a decode: every editor shows the model, the band list shows its band (asking
    // nothing).
    void showDecodedModel();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildToolBar();
    void buildListBar();
    QAction* addCommand(QMenu* menu, const char* name, const QKeySequence& key,
                        void (MainWindow::*slot)());
    HidingSubWindow* addEditor(EditorWindow* editor);
    // Builds the DTMF, optional-features, debug and FM windows, hidden, in the state and the
    // language shown, as if they had been there from the start (main_later_windows.cpp).
    void buildLaterWindows();
    // Queues buildLaterWindows() once this window has painted for the first time.
    void buildLaterWindowsAfterPaint(QObject* watched, const QEvent* event);
    void onBandPopupOpening();
    void onBandSelected(int index);
    void placeLists(Language lang);
    void applyMainTexts(Language lang);
    QString chooseFile(bool save);
    void runExitSequence();
    // Undo, Redo and the title (main_document.cpp).
    void buildHistoryCommands(QMenu* edit);
    void applyHistoryTexts();
    void updateTitle();
    void setCurrentFile(const QString& path);
    void syncBandList();
    // Ctrl+Z and the Redo keys in a text field with nothing of its own to take back reach the
    // document's Undo and Redo instead of vanishing in the field.
    bool historyKeyPassesTextField(QObject* watched, QEvent* event);
    // Save to `path`; reports a failure. True when saved.
    bool saveTo(const QString& path);
    // Opens `path` with no question; reports a failure. True when opened.
    bool loadFile(const QString& path);

    Document& document_;
    ProgramState& state_;
    std::unique_ptr<SerialLink> port_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    BandCombo* bandList_ = nullptr;
    QComboBox* portList_ = nullptr;
    QLabel* bandLabel_ = nullptr;
    QLabel* portPanel_ = nullptr;   // "COM: n"
    QLabel* makerPanel_ = nullptr;  // the maker's name
    ChannelTableWindow* channel_ = nullptr;
    DtmfWindow* dtmf_ = nullptr;
    OptionsWindow* options_ = nullptr;
    DebugWindow* debug_ = nullptr;
    FmWindow* fm_ = nullptr;
    bool laterWindowsQueued_ = false;
    AboutWindow* about_ = nullptr;
    WritingWindow* writing_ = nullptr;
    QHash<QString, QAction*> actions_;
    // The Language menu's further entries by language code; checked while shown.
    QMap<QString, QAction*> furtherLanguages_;
    TransferController* transfer_ = nullptr;
    PortChooser* ports_ = nullptr;
    ExchangeCommands* exchange_ = nullptr;
    HiddenModeButtons* hiddenModes_ = nullptr;
    FileChooser fileChooser_;
    RecentFilesMenu* recentFiles_ = nullptr;
    QString currentFile_;
    QString baseTitle_;
    // The document holds changes taken back from a recovery copy and not saved since.
    bool recovered_ = false;
    Language titleLanguage_ = kChinese;
};

}  // namespace talvo
