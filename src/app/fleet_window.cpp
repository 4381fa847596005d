#include "app/fleet_window.h"

#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/settings_store.h"
#include "fleet/fleet_texts.h"
#include "jobs/outcome_words.h"
#include "lang/catalogue.h"
#include "link/port/port_socket.h"
#include "link/port/port_survey.h"
#include "run/fleet_engine.h"
#include "run/fleet_report_file.h"
#include "ui/language_change.h"
#include "ui/local_msgbox.h"

namespace talvo {

namespace {

using fleet::FleetOutcome;
using Phase = fleet::PortStation::Phase;

const QColor kGood(0xB8, 0xE6, 0xB0);
const QColor kBad(0xF2, 0xA8, 0xA8);

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    item->setToolTip(text);  // a long path or outcome stays readable in a narrow column
    return item;
}

link::EnvLookup Environment() {
    return [](const std::string& name) -> std::optional<std::string> {
        const QByteArray value = qgetenv(name.c_str());
        if (value.isEmpty()) return std::nullopt;
        return value.toStdString();
    };
}

QString Time(fleet::WallClock::time_point t) {
    return QDateTime::fromSecsSinceEpoch(
               std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count())
        .toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace

QString FleetWindow::words(const Text& text) const {
    return Tr(text, lang_);
}

FleetWindow::FleetWindow(const ProgramState& templ, Language lang, QWidget* parent)
    : QDialog(parent), template_(templ), lang_(lang) {
    setObjectName(QStringLiteral("FrmFleet"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("CalibrationNote"));
    note_->setWordWrap(true);

    ports_ = new QTableWidget(0, 5, this);
    ports_->setObjectName(QStringLiteral("FleetPorts"));
    ports_->verticalHeader()->hide();
    ports_->setSelectionMode(QAbstractItemView::NoSelection);
    ports_->horizontalHeader()->setStretchLastSection(true);

    station_ = new QCheckBox(this);
    station_->setObjectName(QStringLiteral("StationSwitch"));

    rowsButton_ = new QPushButton(this);
    rowsButton_->setObjectName(QStringLiteral("RowsButton"));
    rowsLabel_ = new QLabel(this);
    auto* rowsLine = new QHBoxLayout;
    rowsLine->addWidget(rowsButton_);
    rowsLine->addWidget(rowsLabel_, 1);

    report_ = new QTableWidget(0, 8, this);
    report_->setObjectName(QStringLiteral("FleetReport"));
    report_->verticalHeader()->hide();
    report_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    report_->horizontalHeader()->setStretchLastSection(true);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("FleetSummary"));
    summary_->setWordWrap(true);

    start_ = new QPushButton(this);
    start_->setObjectName(QStringLiteral("StartButton"));
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    cancel_->setEnabled(false);
    save_ = new QPushButton(this);
    save_->setObjectName(QStringLiteral("SaveReportButton"));
    save_->setEnabled(false);
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CloseButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(ports_, 1);
    layout->addWidget(station_);
    layout->addLayout(rowsLine);
    layout->addWidget(report_, 2);
    layout->addWidget(summary_);
    layout->addLayout(buttons);
    resize(820, 560);

    connect(start_, &QPushButton::clicked, this, &FleetWindow::startRun);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (engine_) engine_->cancel();
    });
    connect(rowsButton_, &QPushButton::clicked, this, &FleetWindow::chooseRows);
    connect(save_, &QPushButton::clicked, this, &FleetWindow::saveReport);
    connect(close_, &QPushButton::clicked, this, &FleetWindow::reject);
    fillPorts();
    retranslate();
}

void FleetWindow::changeEvent(QEvent* event) {
    if (TakeLanguage(event, lang_)) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void FleetWindow::retranslate() {
    setWindowTitle(words(TALVO_TEXT("FleetWindow", "Program Several Radios")));
    note_->setText(Tr(fleet::CalibrationKeptText(), lang_));
    ports_->setAccessibleName(words(TALVO_TEXT("FleetWindow", "Ports")));
    ports_->setHorizontalHeaderLabels({words(TALVO_TEXT("FleetWindow", "Port")),
                                       words(TALVO_TEXT("FleetWindow", "Device")),
                                       words(TALVO_TEXT("FleetWindow", "Socket")),
                                       words(TALVO_TEXT("FleetWindow", "Description")),
                                       words(TALVO_TEXT("FleetWindow", "State"))});
    for (int row = 0; row < ports_->rowCount(); ++row) {
        ports_->item(row, 3)->setText(
            Tr(link::DescriptionText(portInfos_[static_cast<std::size_t>(row)]), lang_));
    }
    station_->setText(words(TALVO_TEXT(
        "FleetWindow", "Station: each port waits for radio after radio; swap them when done")));
    rowsButton_->setText(words(TALVO_TEXT("FleetWindow", "Per-Radio Values…")));
    rowsLabel_->setText(
        rows_.empty()
            ? words(TALVO_TEXT("FleetWindow", "(none: every radio gets the same data)"))
            : words(TALVO_TEXT("FleetWindow", "%1: %2 rows")).arg(rowsPath_).arg(rows_.size()));
    report_->setAccessibleName(words(TALVO_TEXT("FleetWindow", "Report")));
    report_->setHorizontalHeaderLabels(
        {words(TALVO_TEXT("FleetWindow", "Port")), words(TALVO_TEXT("FleetWindow", "Outcome")),
         words(TALVO_TEXT("FleetWindow", "Row")), words(TALVO_TEXT("FleetWindow", "Ident")),
         words(TALVO_TEXT("FleetWindow", "Started")), words(TALVO_TEXT("FleetWindow", "Ended")),
         words(TALVO_TEXT("FleetWindow", "Backup")),
         words(TALVO_TEXT("FleetWindow", "First difference"))});
    start_->setText(words(TALVO_TEXT("FleetWindow", "Start")));
    cancel_->setText(words(TALVO_TEXT("FleetWindow", "Cancel")));
    save_->setText(words(TALVO_TEXT("FleetWindow", "Save Report…")));
    close_->setText(words(TALVO_TEXT("FleetWindow", "Close")));
    if (!engine_) return;
    // What a run has shown so far, in the new words.
    for (int i = 0; i < static_cast<int>(tableRowOfPort_.size()); ++i) showPort(i);
    const auto& records = engine_->records();
    for (int row = 0; row < report_->rowCount() && row < static_cast<int>(records.size()); ++row) {
        report_->item(row, 1)->setText(
            Tr(jobs::FleetOutcomeText(records[static_cast<std::size_t>(row)].outcome), lang_));
    }
    showSummary();
}

FleetWindow::~FleetWindow() = default;

bool FleetWindow::running() const {
    return engine_ && engine_->running();
}

void FleetWindow::fillPorts() {
    const link::SystemRoots roots;
    const auto entries = link::SurveyPorts(roots, link::CurrentUser(), Environment(), ::getpid());
    const QStringList remembered = LoadFleetSockets();
    ports_->setRowCount(0);
    portInfos_.clear();
    for (const link::PortEntry& e : entries) {
        if (!e.device) continue;
        const auto socket = link::SocketOf(*e.device, roots);
        const int row = ports_->rowCount();
        ports_->insertRow(row);
        auto* number = Cell(QString::number(e.number));
        number->setFlags(number->flags() | Qt::ItemIsUserCheckable);
        const bool chosen = socket && remembered.contains(QString::fromStdString(*socket));
        number->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
        number->setData(Qt::UserRole, e.number);
        ports_->setItem(row, 0, number);
        ports_->setItem(row, 1, Cell(QString::fromStdString(*e.device)));
        ports_->setItem(row, 2, Cell(socket ? QString::fromStdString(*socket) : QString()));
        ports_->setItem(row, 3, Cell(Tr(link::DescriptionText(e.info), lang_)));
        portInfos_.push_back(e.info);
        ports_->setItem(row, kStateColumn, Cell(QString()));
    }
    ports_->resizeColumnsToContents();
}

void FleetWindow::chooseRows() {
    const QString path = QFileDialog::getOpenFileName(
        this, words(TALVO_TEXT("FleetWindow", "Per-Radio Values")), QString(),
        words(TALVO_TEXT("FleetWindow", "CSV files (*.csv);;All files (*)")));
    if (!path.isEmpty()) loadRows(path);
}

bool FleetWindow::loadRows(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LocalMsgBox(lang_, Tr(StatusMessage(Status::CannotRead, path.toStdString()), lang_),
                    StyleOk | StyleIconError, QString(), this);
        return false;
    }
    const fleet::RadioRows parsed =
        fleet::ParseRadioRows(file.readAll().toStdString(), WordsOfShippedLanguages());
    if (!parsed.problems.empty()) {
        QStringList lines;
        for (const auto& p : parsed.problems) lines << Tr(fleet::RowsProblemText(p), lang_);
        LocalMsgBox(lang_, lines.join('\n'), StyleOk | StyleIconError, QString(), this);
        return false;
    }
    rows_ = parsed.rows;
    rowsPath_ = path;
    rowsLabel_->setText(
        words(TALVO_TEXT("FleetWindow", "%1: %2 rows")).arg(path).arg(rows_.size()));
    return true;
}

void FleetWindow::startRun() {
    if (running()) return;
    std::vector<run::FleetPortChoice> chosen;
    QStringList sockets;
    tableRowOfPort_.clear();
    for (int row = 0; row < ports_->rowCount(); ++row) {
        QTableWidgetItem* number = ports_->item(row, 0);
        ports_->item(row, kStateColumn)->setText(QString());
        ports_->item(row, kStateColumn)->setBackground(QBrush());
        if (number->checkState() != Qt::Checked) continue;
        run::FleetPortChoice c;
        c.number = number->data(Qt::UserRole).toInt();
        c.device = ports_->item(row, 1)->text();
        const QString socket = ports_->item(row, 2)->text();
        if (!socket.isEmpty()) {
            c.socket = socket.toStdString();
            sockets << socket;
        }
        chosen.push_back(c);
        tableRowOfPort_.push_back(row);
    }
    if (chosen.empty()) {
        LocalMsgBox(lang_, TALVO_TEXT("FleetWindow", "Tick at least one port."),
                    StyleOk | StyleIconWarning, Text{}, this);
        return;
    }
    const bool station = station_->isChecked();
    if (!rows_.empty() && !station && rows_.size() < chosen.size()) {
        LocalMsgBox(
            lang_,
            words(TALVO_TEXT("FleetWindow", "The per-radio values have %1 rows for %2 ports."))
                .arg(rows_.size())
                .arg(chosen.size()),
            StyleOk | StyleIconWarning, QString(), this);
        return;
    }
    SaveFleetSockets(sockets);
    report_->setRowCount(0);
    engine_ = std::make_unique<run::FleetEngine>(template_, rows_, station);
    connect(engine_.get(), &run::FleetEngine::portChanged, this, &FleetWindow::showPort);
    connect(engine_.get(), &run::FleetEngine::radioDone, this, [this](const fleet::RadioRecord&) {
        addRadio(static_cast<int>(engine_->records().size()) - 1);
    });
    connect(engine_.get(), &run::FleetEngine::finished, this, &FleetWindow::runFinished);
    start_->setEnabled(false);
    station_->setEnabled(false);
    rowsButton_->setEnabled(false);
    save_->setEnabled(false);
    cancel_->setEnabled(true);
    engine_->start(chosen);
    showSummary();
}

void FleetWindow::showPort(int index) {
    if (!engine_ || index < 0 || index >= static_cast<int>(tableRowOfPort_.size())) return;
    const run::FleetPortView& view = engine_->ports()[static_cast<std::size_t>(index)];
    QTableWidgetItem* cell =
        ports_->item(tableRowOfPort_[static_cast<std::size_t>(index)], kStateColumn);
    QString text;
    switch (view.phase) {
        case Phase::WaitingForRadio:
            text = words(TALVO_TEXT("FleetWindow", "waiting for a radio"));
            break;
        case Phase::Polling:
            text = words(TALVO_TEXT("FleetWindow", "looking for a radio"));
            break;
        case Phase::Programming:
            text = Tr(jobs::StageName(view.stage), lang_);
            if (view.blocksTotal > 0)
                text += QStringLiteral(" %1/%2").arg(view.blocksDone).arg(view.blocksTotal);
            break;
        case Phase::WaitingForDeparture:
            text = words(TALVO_TEXT("FleetWindow", "take the radio off"));
            break;
        case Phase::Done:
            break;
    }
    if (view.last) {
        const QString outcome = Tr(jobs::FleetOutcomeText(*view.last), lang_);
        text = text.isEmpty() ? outcome : outcome + QStringLiteral(" — ") + text;
        cell->setBackground(*view.last == FleetOutcome::Verified ? kGood : kBad);
    }
    cell->setText(text);
}

void FleetWindow::addRadio(int index) {
    const fleet::RadioRecord& r = engine_->records()[static_cast<std::size_t>(index)];
    const int row = report_->rowCount();
    report_->insertRow(row);
    report_->setItem(row, 0, Cell(QString::number(r.port)));
    auto* outcome = Cell(Tr(jobs::FleetOutcomeText(r.outcome), lang_));
    outcome->setData(Qt::UserRole,
                     QString::fromUtf8(fleet::OutcomeName(r.outcome).data(),
                                       static_cast<int>(fleet::OutcomeName(r.outcome).size())));
    outcome->setBackground(r.outcome == FleetOutcome::Verified ? kGood : kBad);
    report_->setItem(row, 1, outcome);
    report_->setItem(row, 2, Cell(r.row ? QString::number(*r.row) : QString()));
    report_->setItem(row, 3,
                     Cell(r.identTail ? QStringLiteral("%1%2")
                                            .arg((*r.identTail)[0], 2, 16, QChar('0'))
                                            .arg((*r.identTail)[1], 2, 16, QChar('0'))
                                      : QString()));
    report_->setItem(row, 4, Cell(Time(r.started)));
    report_->setItem(row, 5, Cell(Time(r.ended)));
    report_->setItem(row, 6, Cell(r.backup ? QString::fromStdString(*r.backup) : QString()));
    report_->setItem(row, 7,
                     Cell(r.differences ? QStringLiteral("0x%1 (%2)")
                                              .arg(r.differences->firstAddress, 3, 16, QChar('0'))
                                              .arg(r.differences->count)
                                        : QString()));
    // Every cell whole (the table scrolls sideways): a cut outcome or backup path helps nobody.
    report_->resizeColumnsToContents();
    report_->scrollToBottom();
    QApplication::beep();
}

void FleetWindow::runFinished() {
    keptReport_ =
        run::KeepReport(engine_->records(), fleet::ReportFormat::Json, engine_->startedAt());
    showSummary();
    start_->setEnabled(true);
    station_->setEnabled(true);
    rowsButton_->setEnabled(true);
    save_->setEnabled(!engine_->records().empty());
    cancel_->setEnabled(false);
}

void FleetWindow::showSummary() {
    if (!engine_) return;
    if (engine_->running()) {
        summary_->setText(words(TALVO_TEXT("FleetWindow", "Programming…")));
        return;
    }
    const auto& records = engine_->records();
    int verified = 0;
    for (const auto& r : records) verified += r.outcome == FleetOutcome::Verified ? 1 : 0;
    QString text = words(TALVO_TEXT("FleetWindow", "%2 of %1 radios written and verified."))
                       .arg(records.size())
                       .arg(verified);
    if (keptReport_.status == Status::Ok)
        text += QLatin1Char(' ') +
                words(TALVO_TEXT("FleetWindow", "Report kept in %1")).arg(keptReport_.path);
    summary_->setText(text);
}

void FleetWindow::saveReport() {
    if (!engine_) return;
    const QString path = QFileDialog::getSaveFileName(
        this, words(TALVO_TEXT("FleetWindow", "Save Report")), QString(),
        words(TALVO_TEXT("FleetWindow", "CSV files (*.csv);;JSON files (*.json)")));
    if (path.isEmpty()) return;
    if (run::WriteReport(engine_->records(), path) != Status::Ok) {
        LocalMsgBox(
            lang_,
            words(TALVO_TEXT(
                      "FleetWindow",
                      "The report cannot be saved as %1 (the name must end in .csv or .json)."))
                .arg(path),
            StyleOk | StyleIconError, QString(), this);
    }
}

void FleetWindow::reject() {
    if (running()) {
        // Every port stops cleanly before the window goes.
        QEventLoop loop;
        connect(engine_.get(), &run::FleetEngine::finished, &loop, &QEventLoop::quit);
        engine_->cancel();
        if (engine_->running()) loop.exec();
    }
    QDialog::reject();
}

}  // namespace talvo
