#include "app/main_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <type_traits>

#include "app/about_window.h"
#include "app/app_icons.h"
#include "app/app_paths.h"
#include "app/band_combo.h"
#include "app/data_file_dialog.h"
#include "app/exchange_commands.h"
#include "app/file_filter.h"
#include "app/help_file.h"
#include "app/hidden_mode_buttons.h"
#include "app/hiding_sub_window.h"
#include "app/main_texts.h"
#include "app/port_chooser.h"
#include "app/print_preview_window.h"
#include "app/recent_files_menu.h"
#include "app/serial_link.h"
#include "app/transfer_controller.h"
#include "app/writing_window.h"
#include "document/document.h"
#include "editors/channels/channel_table_window.h"
#include "editors/channels/grid_tools.h"
#include "editors/debug/debug_window.h"
#include "editors/dtmf/dtmf_window.h"
#include "editors/fm/fm_window.h"
#include "editors/options/options_window.h"
#include "lang/catalogue.h"
#include "ui/accessible_names.h"

namespace talvo {

MainWindow::MainWindow(Document& document, std::unique_ptr<SerialLink> port, QWidget* parent)
    : QMainWindow(parent),
      document_(document),
      state_(document.sessionState()),
      port_(std::move(port)),
      fileChooser_(ChooseDataFile) {
    setObjectName("mainWindow");
    // One icon for the program: every window without its own takes it.
    const QIcon icon = MakeIcon(AppIcon::Program);
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(icon);
    setWindowIcon(icon);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    mdi_ = new QMdiArea(central);
    mdi_->setObjectName("MDIClient");
    buildListBar();
    column->addWidget(bandLabel_->parentWidget());
    column->addWidget(mdi_, 1);
    setCentralWidget(central);

    exchange_ = new ExchangeCommands(
        document_,
        [this](bool save, const QString& filter) {
            return fileChooser_(this, save, DataFileStartFolder(), filter);
        },
        this, nullptr);
    buildMenus();
    buildToolBar();
    statusBar()->setObjectName("statusBar");
    portPanel_ = new QLabel(this);
    portPanel_->setObjectName("portPanel");
    portPanel_->setMinimumWidth(120);
    makerPanel_ = new QLabel(this);
    makerPanel_->setObjectName("makerPanel");
    statusBar()->addWidget(portPanel_);
    statusBar()->addWidget(makerPanel_, 1);

    about_ = new AboutWindow(this);
    writing_ = new WritingWindow(this);
    // The texts of the language the program starts in (Chinese for a flag that is no language),
    // which the first language procedure writes again; measuring them in Chinese first would
    // load the Chinese fonts for nothing.
    applyMainTexts(IsKnownLanguage(state_.language) ? state_.language : kChinese);

    // The load: band 0 (asks nothing: the index equals PreviousBandIndex).
    state_.band.PreviousBandIndex = 0;
    bandList_->setCurrentIndex(0);
    onBandSelected(0);
    connect(bandList_, &QComboBox::currentIndexChanged, this, &MainWindow::onBandSelected);
    // Picking the entry already selected changes no index but still ends the armed question.
    connect(bandList_, &QComboBox::activated, this, &MainWindow::onBandSelected);
    connect(bandList_, &BandCombo::popupOpening, this, &MainWindow::onBandPopupOpening);

    channel_ = new ChannelTableWindow(document_);
    // It is made with its Chinese texts; measured in those, it would load the Chinese fonts
    // before the first paint for nothing. The first language procedure writes them again.
    if (state_.language != kChinese) channel_->applyLanguage();
    addEditor(channel_)->showEditor();
    // The channel operations follow the Edit menu's own entries.
    if (auto* edit = findChild<QMenu*>(QStringLiteral("MNEdit"))) {
        edit->addSeparator()->setObjectName(QStringLiteral("MNChannelLine"));
        channel_->channelActions().addTo(edit);
        channel_->gridTools().addTo(edit);
    }
    // The keyboard starts in the channel grid.
    channel_->setFocus(Qt::OtherFocusReason);
    // The other editor windows come after the first paint (main_later_windows.cpp).
    about_->setWindowIcon(channel_->windowIcon());

    exchange_->setMessageParent(channel_);
    connect(exchange_, &ExchangeCommands::channelsImported, this, [this] { showEditor(channel_); });

    ports_ = new PortChooser(portList_, portPanel_, state_, *port_, mdi_, channel_);
    NameAfterCommand(portList_, action("MNCommPort"));
    connect(action("MNCommPort"), &QAction::triggered, ports_, &PortChooser::show);

    transfer_ = new TransferController(*this, *port_);
    transfer_->addReadCommand(action("MNRead"));
    transfer_->addReadCommand(action("TRead"));
    transfer_->addWriteCommand(action("MNWrite"));
    transfer_->addWriteCommand(action("TWrite"));
    action("MNCheckedWrite")->setChecked(transfer_->checkedWrite());
    connect(action("MNCheckedWrite"), &QAction::toggled, transfer_,
            &TransferController::setCheckedWrite);

    // The band list follows the document (an undo of a band change, a load).
    connect(&document_, &Document::stateReplaced, this, &MainWindow::syncBandList);
    connect(&document_, &Document::partsChanged, this, [this](unsigned parts) {
        if (parts & kPartBand) syncBandList();
    });
    connect(&document_, &Document::modifiedChanged, this, &MainWindow::updateTitle);
    setAcceptDrops(true);
    qApp->installEventFilter(this);
    recentFiles_ =
        new RecentFilesMenu(findChild<QMenu*>(QStringLiteral("MNFile")), state_, this, channel_);
    connect(recentFiles_, &RecentFilesMenu::openRequested, this, &MainWindow::openPath);
    updateTitle();

    resize(900, 660);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::action(const QString& name) const {
    if (QAction* a = actions_.value(name)) return a;
    // The entries that come and go (the recent files).
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QComboBox* MainWindow::bandList() const {
    return bandList_;
}

QString MainWindow::statusText(int panel) const {
    return panel == 1 ? portPanel_->text() : makerPanel_->text();
}

void MainWindow::buildListBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("ListBar");
    bandLabel_ = new QLabel(bar);
    bandLabel_->setObjectName("bandLabel");
    bandList_ = new BandCombo(bar);
    bandList_->setObjectName("bandList");
    bandLabel_->setBuddy(bandList_);
    for (const BandEntry& e : BandTable()) bandList_->addItem(QString::fromUtf8(e.text));
    portList_ = new QComboBox(bar);
    portList_->setObjectName("portList");
    portList_->hide();
    bar->setFixedHeight(bandList_->sizeHint().height() + 4);
    placeLists(kChinese);
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QKeySequence& key,
                                void (MainWindow::*slot)()) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    actions_.insert(QString::fromLatin1(name), action);
    if (!key.isEmpty()) action->setShortcut(key);
    if (slot) connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
}

void MainWindow::buildMenus() {
    auto menu = [this](const char* name) {
        QMenu* m = menuBar()->addMenu(QString());
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        actions_.insert(QString::fromLatin1(name), m->menuAction());
        return m;
    };
    QMenu* file = menu("MNFile");
    addCommand(file, "MNNew", QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newData);
    addCommand(file, "MNOpen", QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openDataFile);
    addCommand(file, "MNSave", QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveDataFile);
    // Print stays unavailable for the whole run.
    QAction* print = addCommand(file, "MNPrint", {}, nullptr);
    connect(print, &QAction::triggered, this, [this] { ShowPrintPreview(state_, channel_); });
    print->setEnabled(false);
    file->addSeparator()->setObjectName("MNLine1");
    connect(addCommand(file, "MNQuit", {}, nullptr), &QAction::triggered, this, &QWidget::close);
    exchange_->addTo(file);
    for (QAction* a : exchange_->actions()) actions_.insert(a->objectName(), a);
    file->addSeparator()->setObjectName("MNLineBackups");
    addCommand(file, "MNBackups", {}, &MainWindow::showBackups);

    QMenu* edit = menu("MNEdit");
    connect(addCommand(edit, "MNModel", QKeySequence(Qt::CTRL | Qt::Key_M), nullptr),
            &QAction::triggered, this, [this] { showEditor(channel_); });
    // The DTMF window is built but unavailable for the whole run.
    QAction* dtmf = addCommand(edit, "MNDTMF", QKeySequence(Qt::CTRL | Qt::Key_D), nullptr);
    connect(dtmf, &QAction::triggered, this, [this] { showEditor(dtmfWindow()); });
    dtmf->setEnabled(false);
    connect(addCommand(edit, "MNOption", QKeySequence(Qt::CTRL | Qt::Key_P), nullptr),
            &QAction::triggered, this, [this] { showEditor(optionsWindow()); });
    connect(addCommand(edit, "MNDebug", QKeySequence(Qt::CTRL | Qt::Key_B), nullptr),
            &QAction::triggered, this, [this] { showEditor(debugWindow()); });
    connect(addCommand(edit, "MNFMset", QKeySequence(Qt::CTRL | Qt::Key_F), nullptr),
            &QAction::triggered, this, [this] { showEditor(fmWindow()); });
    buildHistoryCommands(edit);

    QMenu* program = menu("MNProgram");
    // Read, Write and Port are wired to the transfer controller and the port chooser.
    addCommand(program, "MNRead", QKeySequence(Qt::CTRL | Qt::Key_R), nullptr);
    addCommand(program, "MNWrite", QKeySequence(Qt::CTRL | Qt::Key_W), nullptr);
    addCommand(program, "MNCommPort", {}, nullptr);
    program->addSeparator()->setObjectName("MNLineChecked");
    QAction* checked = addCommand(program, "MNCheckedWrite", {}, nullptr);
    checked->setCheckable(true);
    program->addSeparator()->setObjectName("MNLineFleet");
    addCommand(program, "MNFleet", {}, &MainWindow::showFleet);

    QMenu* language = menu("MNLanguage");
    connect(addCommand(language, "MNChinese", {}, nullptr), &QAction::triggered, this,
            [this] { switchLanguage(kChinese); });
    connect(addCommand(language, "MNEnglish", {}, nullptr), &QAction::triggered, this,
            [this] { switchLanguage(kEnglish); });
    // Further languages, one per catalogue built in, each named in its own words.
    language->addSeparator()->setObjectName("MNLineLanguages");
    for (const QString& code : ShippedLanguages()) {
        if (code == QLatin1String("en") || code == QLatin1String("zh")) continue;
        QAction* a = language->addAction(LanguageOwnName(code));
        a->setObjectName(QStringLiteral("MNLanguage_") + code);
        actions_.insert(a->objectName(), a);
        furtherLanguages_.insert(code, a);
        connect(a, &QAction::triggered, this,
                [this, code] { switchLanguage(Language(code.toStdString())); });
    }

    QMenu* help = menu("MNHelp");
    QAction* f1 = addCommand(help, "MNF1", QKeySequence(Qt::Key_F1), nullptr);
    connect(f1, &QAction::triggered, this, [this] { ShowHelpFile(state_.language); });
    f1->setEnabled(false);
    connect(addCommand(help, "MNAbout", QKeySequence(Qt::CTRL | Qt::Key_A), nullptr),
            &QAction::triggered, this, [this] { about_->exec(); });
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName("Toolbar1");
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    auto button = [this](const char* key, const QIcon& icon, auto slot) {
        QAction* a = toolBar_->addAction(icon, QString());
        a->setObjectName(key);
        actions_.insert(QString::fromLatin1(key), a);
        if constexpr (!std::is_null_pointer_v<decltype(slot)>) {
            connect(a, &QAction::triggered, this, slot);
        }
        return a;
    };
    QStyle* s = style();
    button("TNew", s->standardIcon(QStyle::SP_FileIcon), [this] { newData(); });
    button("TOpen", s->standardIcon(QStyle::SP_DialogOpenButton), [this] { openDataFile(); });
    button("TSave", s->standardIcon(QStyle::SP_DialogSaveButton), [this] { saveDataFile(); });
    toolBar_->addSeparator();
    // Wired to the transfer controller once it is there.
    button("TRead", MakeIcon(AppIcon::Read), nullptr);
    button("TWrite", MakeIcon(AppIcon::Write), nullptr);
    // The relock buttons show once a hidden mode is unlocked.
    const std::array<QAction*, 3> relock = {button("TAnMa", QIcon(), nullptr),
                                            button("TDebug", QIcon(), nullptr),
                                            button("TFMMa", QIcon(), nullptr)};
    hiddenModes_ = new HiddenModeButtons(
        state_, relock, action("MNFMset"), [this] { return debugWindow(); }, this);
    button("TUndo", s->standardIcon(QStyle::SP_ArrowBack), [this] { document_.undo(); });
    button("TRedo", s->standardIcon(QStyle::SP_ArrowForward), [this] { document_.redo(); });
    NameToolBarButtons(toolBar_);
}

HidingSubWindow* MainWindow::addEditor(EditorWindow* editor) {
    const QSize wanted =
        editor->testAttribute(Qt::WA_Resized) ? editor->size() : editor->sizeHint();
    auto* frame = new HidingSubWindow(editor);
    mdi_->addSubWindow(frame);
    // The editor inside keeps the size it asked for.
    if (wanted.isValid()) frame->resizeForEditor(wanted);
    return frame;
}

HidingSubWindow* MainWindow::frameOf(QWidget* editor) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        auto* frame = qobject_cast<HidingSubWindow*>(sub);
        if (frame && frame->editor() == editor) return frame;
    }
    return nullptr;
}

void MainWindow::showEditor(EditorWindow* editor) {
    HidingSubWindow* frame = frameOf(editor);
    if (!frame) return;
    frame->showEditor();
    // Nothing of a window is cut off: one opened low in the cascade comes back inside the area,
    // one larger than the area shrinks to it and scrolls.
    frame->fitInto(mdi_->viewport()->size());
    frame->raise();
    mdi_->setActiveSubWindow(frame);
    // A window that names where its keyboard goes (the channel grid) gets it when shown.
    if (editor->focusProxy() && !editor->isAncestorOf(QApplication::focusWidget())) {
        editor->setFocus(Qt::OtherFocusReason);
    }
}

QString MainWindow::chooseFile(bool save) {
    // Recovered changes go back to their own file unless the user picks another.
    const bool proposeFile = save && recovered_ && !currentFile_.isEmpty();
    const QString path = fileChooser_(
        this, save, proposeFile ? currentFile_ : DataFileStartFolder(), DataFileFilter());
    if (!path.isEmpty()) RememberDataFileFolder(path);
    return path;
}

}  // namespace talvo
