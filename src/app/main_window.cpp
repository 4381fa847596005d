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
#include <QTime>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/about_window.h"
#include "app/app_icons.h"
#include "app/app_paths.h"
#include "app/band_combo.h"
#include "app/data_file_dialog.h"
#include "app/file_filter.h"
#include "app/hiding_sub_window.h"
#include "app/main_texts.h"
#include "app/port_list.h"
#include "app/serial_link.h"
#include "app/settings_store.h"
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
namespace {

double SecondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

}  // namespace

MainWindow::MainWindow(Document& document, std::unique_ptr<SerialLink> port, QWidget* parent)
    : QMainWindow(parent),
      document_(document),
      state_(document.sessionState()),
      port_(std::move(port)),
      fileChooser_(ChooseDataFile),
      clock_(SecondsSinceMidnight) {
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

    SetUpPortList(portList_);
    LabelPortList(portList_, kChinese);  // as every text until the first language procedure
    NameAfterCommand(portList_, action("MNCommPort"));
    portPopup_ = portList_->view();
    connect(portList_, &QComboBox::activated, this, &MainWindow::onPortListChosen);

    transfer_ = new TransferController(*this, *port_);
    action("MNCheckedWrite")->setChecked(transfer_->checkedWrite());
    connect(action("MNCheckedWrite"), &QAction::toggled, transfer_,
            &TransferController::setCheckedWrite);

    state_.PortNumber = LoadPortNumber();
    portPanel_->setText(QStringLiteral("COM: %1").arg(state_.PortNumber));

    // The band list follows the document (an undo of a band change, a load).
    connect(&document_, &Document::stateReplaced, this, &MainWindow::syncBandList);
    connect(&document_, &Document::partsChanged, this, [this](unsigned parts) {
        if (parts & kPartBand) syncBandList();
    });
    connect(&document_, &Document::modifiedChanged, this, &MainWindow::updateTitle);
    setAcceptDrops(true);
    qApp->installEventFilter(this);
    rebuildRecentMenu();
    updateTitle();

    resize(900, 660);
}

MainWindow::~MainWindow() = default;

QComboBox* MainWindow::bandList() const {
    return bandList_;
}

QString MainWindow::statusText(int panel) const {
    return panel == 1 ? portPanel_->text() : makerPanel_->text();
}

double MainWindow::now() const {
    return clock_();
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
    portList_->installEventFilter(this);
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
    fileMenu_ = file;
    addCommand(file, "MNNew", QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newData);
    addCommand(file, "MNOpen", QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openDataFile);
    addCommand(file, "MNSave", QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveDataFile);
    // Print stays unavailable for the whole run.
    addCommand(file, "MNPrint", {}, &MainWindow::printData)->setEnabled(false);
    file->addSeparator()->setObjectName("MNLine1");
    connect(addCommand(file, "MNQuit", {}, nullptr), &QAction::triggered, this, &QWidget::close);
    addExchangeCommands(file);
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
    addCommand(program, "MNRead", QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::startRead);
    addCommand(program, "MNWrite", QKeySequence(Qt::CTRL | Qt::Key_W), &MainWindow::startWrite);
    addCommand(program, "MNCommPort", {}, &MainWindow::showPortList);
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
    addCommand(help, "MNF1", QKeySequence(Qt::Key_F1), &MainWindow::showHelp)->setEnabled(false);
    addCommand(help, "MNAbout", QKeySequence(Qt::CTRL | Qt::Key_A), &MainWindow::showAbout);
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
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QStyle* s = style();
    button("TNew", s->standardIcon(QStyle::SP_FileIcon), [this] { newData(); });
    button("TOpen", s->standardIcon(QStyle::SP_DialogOpenButton), [this] { openDataFile(); });
    button("TSave", s->standardIcon(QStyle::SP_DialogSaveButton), [this] { saveDataFile(); });
    toolBar_->addSeparator();
    button("TRead", MakeIcon(AppIcon::Read), [this] { startRead(); });
    button("TWrite", MakeIcon(AppIcon::Write), [this] { startWrite(); });
    // The relock buttons show once a hidden mode is unlocked; their icons are drawn then.
    button("TAnMa", QIcon(), [this] { relockClick(0); })->setVisible(false);
    button("TDebug", QIcon(), [this] { relockClick(1); })->setVisible(false);
    button("TFMMa", QIcon(), [this] { relockClick(2); })->setVisible(false);
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

void MainWindow::setTransferCommandsEnabled(bool enabled) {
    for (const char* name : {"MNRead", "MNWrite", "TRead", "TWrite"}) {
        if (QAction* a = action(name)) a->setEnabled(enabled);
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
