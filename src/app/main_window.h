#pragma once

#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/relock_clicks.h"
#include "link/port/port_diagnosis.h"
#include "link/port/port_survey.h"
#include "model/program_state.h"
#include "model/status.h"

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
class FmWindow;
class HidingSubWindow;
class OptionsWindow;
class SerialLink;
class TransferController;
class WritingWindow;

// The main window: a frame holding the editor windows, with the menu, the toolbar, the band
// list, the port list and the status bar. Every command of the menu and the toolbar is a member
// here. Menu entries and toolbar buttons carry their code names as object names ("MNRead",
// "TRead"); the other controls are named for what they hold ("bandList").
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Returns the chosen path, or an empty text when the user cancels.
    using FileChooser = std::function<QString(QWidget* parent, bool save, const QString& folder,
                                              const QString& filter)>;
    // Seconds since midnight, with fractions.
    using Clock = std::function<double()>;

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
    void setClock(Clock clock) { clock_ = std::move(clock); }

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
    QComboBox* bandList() const;
    QComboBox* portList() const { return portList_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolBar_; }
    // Panel 1 ("COM: ...") or panel 2 (the maker's name in Chinese).
    QString statusText(int panel) const;
    // A menu entry or toolbar button by its code name ("MNRead", "TRead"); null when unknown.
    QAction* action(const QString& name) const { return actions_.value(name); }
    // The frame that holds an editor window inside the main window.
    HidingSubWindow* frameOf(QWidget* editor) const;

    // Commands.
    void newData();
    void openDataFile();
    void saveDataFile();
    // Opens `path` as Open does after its file dialog (recent files, the command line, a drop),
    // asking first about unsaved changes. False when nothing was opened.
    bool openPath(const QString& path);
    // The last files opened or saved, newest first (at most kRecentFileCount).
    QStringList recentFiles() const { return recentFiles_; }
    static constexpr int kRecentFileCount = 6;
    // The file the document was last opened from or saved to; empty for none.
    QString currentFile() const { return currentFile_; }
    // A Read finished: its image becomes the document's state as one undoable step.
    void loadReadResult();
    // Unsaved changes a program left behind (a data file's image and the path of the file they
    // belong to, empty for none) become the document as one undoable step; they stay unsaved,
    // and Save proposes their file (main_recovery.cpp).
    void restoreRecovered(const ImageBytes& image, const QString& sourceFile);
    void showEditor(EditorWindow* editor);
    void showPortList();
    // Shows `lang` in every window.
    void switchLanguage(Language lang);
    void showAbout();
    // The printout in a modal print-preview window; printing on paper starts from there.
    void printData();
    // Channel CSV import (with its preview) and export, and the printout as a PDF file.
    void importChannelsCsv();
    void exportChannelsCsv();
    void exportPrintoutPdf();
    void showHelp();
    void startRead();
    void startWrite();
    // File → Backups…: opens a chosen read backup (main_safety.cpp).
    void showBackups();
    // Programming → Program Several Radios…: the document into the radios on several ports.
    void showFleet();
    // Toolbar buttons 7, 8, 9 (0 AnMaMode, 1 DebugMode, 2 FMMaMode).
    void relockClick(int mode);
    // A hidden mode was unlocked (again) in the optional-features window.
    void applyHiddenModeEffect(int mode);

    // After a decode: every editor shows the model, the band list shows its band (asking
    // nothing).
    void showDecodedModel();
    void setTransferCommandsEnabled(bool enabled);
    // Attaches the built-in virtual radio as port `portNumber` for this run; the port number
    // remembered for the next run stays the one it was.
    void attachDemoRadio(int portNumber);
    // Where the port list looks for devices, processes and rules (tests use a temporary folder).
    void setPortSystem(const link::SystemRoots& roots) { portRoots_ = roots; }
    // What each port number reaches now, as the port list last showed it.
    const std::vector<link::PortEntry>& portSurvey() const { return portSurvey_; }
    void refreshPortList();
    // Why port `number` could not be opened (`status`) and how to fix it, in the program's
    // language; empty for a number outside 1..16.
    QString portFailureText(int number, Status status);
    // The path of the help file of the current language ("HB27.CHM" / "HB27E.CHM").
    QString helpFilePath() const;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void reportFileFailure(Status status, const QString& path);
    void buildMenus();
    void addExchangeCommands(QMenu* file);
    void applyExchangeTexts(Language lang);
    // Puts `channels` of `result` into the document's channels as one undoable step.
    void storeImportedChannels(const ChannelStores& result, const std::vector<int>& channels,
                               const QString& fileName);
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
    void onPortListChosen(int index);
    // The dropped-open list closed: without a pick (Escape, a click elsewhere) the choice is
    // over and the port list goes away with it.
    void onPortPopupClosed();
    // Hides the port list and gives the keyboard back to the active editor window.
    void leavePortList();
    // After a failed choice of `number`: the cause and its fix; offers the one USB cable when
    // the number reaches nothing. Returns the number to open instead, or 0.
    int explainPortFailure(int number, Status status);
    link::PortDiagnosis diagnosePort(int number, Status status);
    void placeLists(Language lang);
    void applyMainTexts(Language lang);
    QString chooseFile(bool save);
    void runExitSequence();
    double now() const;
    // Undo, Redo, the title, recent files (main_document.cpp).
    void buildHistoryCommands(QMenu* edit);
    void applyHistoryTexts();
    void updateTitle();
    // Unsaved changes: Save, Discard or Cancel. True when the caller may go on (saved or
    // discarded, or nothing to lose); `asked` tells whether the question was shown.
    bool settleUnsavedChanges(bool* asked = nullptr);
    void setCurrentFile(const QString& path);
    void rememberRecentFile(const QString& path);
    void rebuildRecentMenu();
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
    QWidget* portPopup_ = nullptr;  // the port list's dropped-open list
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
    std::array<RelockClicks, 3> relock_{};
    QHash<QString, QAction*> actions_;
    // The Language menu's further entries by language code; checked while shown.
    QMap<QString, QAction*> furtherLanguages_;
    TransferController* transfer_ = nullptr;
    std::optional<int> portToStore_;
    link::SystemRoots portRoots_;
    std::vector<link::PortEntry> portSurvey_;
    int portIndexShown_ = -1;  // the list's entry before it was dropped open
    unsigned portPicks_ = 0;   // entries picked so far (a pick closes the open list too)
    FileChooser fileChooser_;
    Clock clock_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QStringList recentFiles_;
    QString currentFile_;
    QString baseTitle_;
    // The document holds changes taken back from a recovery copy and not saved since.
    bool recovered_ = false;
    Language titleLanguage_ = kChinese;
    // The image a read replaces, kept for the undo of the read.
    std::optional<ImageBytes> radioImageBeforeRead_;
};

}  // namespace talvo
