#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "fleet/radio_rows.h"
#include "link/port/port_survey.h"
#include "radio/state/program_state.h"
#include "run/fleet_report_file.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace talvo {

namespace run {
class FleetEngine;
}

// Programming → Program Several Radios…: the current document goes into the radios on the
// chosen ports at once, each port on its own (identification checked, backup kept, written
// without the power calibration, read back). Each port shows its state (green: verified, red:
// failed), each radio gets a row in the report and a beep. With the station switch every port
// waits for radio after radio. The chosen ports are remembered by their sockets.
class FleetWindow : public QDialog {
    Q_OBJECT
  public:
    FleetWindow(const ProgramState& templ, Language lang, QWidget* parent = nullptr);
    ~FleetWindow() override;

    QTableWidget* portTable() const { return ports_; }
    QTableWidget* reportTable() const { return report_; }
    QCheckBox* stationSwitch() const { return station_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* rowsButton() const { return rowsButton_; }
    QLabel* summary() const { return summary_; }
    bool running() const;

    // Per-radio values from this file (the rows button's file dialog ends here); false, after
    // a message, when the file cannot be used.
    bool loadRows(const QString& path);

    // Column of the port table that shows a port's state.
    static constexpr int kStateColumn = 4;

  protected:
    void changeEvent(QEvent* event) override;
    void reject() override;

  private:
    void fillPorts();
    void startRun();
    void chooseRows();
    void saveReport();
    void showPort(int index);
    void addRadio(int index);
    void runFinished();
    // Every text in lang_ (at the start and on a language change).
    void retranslate();
    // The run's state: in progress, or how many radios were verified and where the report is.
    void showSummary();
    QString words(const Text& text) const;

    ProgramState template_;
    Language lang_;
    std::vector<fleet::RadioRow> rows_;
    QString rowsPath_;                                              // the file rows_ came from
    std::vector<std::optional<link::SerialDeviceInfo>> portInfos_;  // by row of the port table
    run::KeptReport keptReport_;
    std::unique_ptr<run::FleetEngine> engine_;
    std::vector<int> tableRowOfPort_;  // engine port index -> row of the port table
    QTableWidget* ports_;
    QTableWidget* report_;
    QCheckBox* station_;
    QPushButton* rowsButton_;
    QLabel* rowsLabel_;
    QPushButton* start_;
    QPushButton* cancel_;
    QPushButton* save_;
    QLabel* summary_;
    QLabel* note_;
    QPushButton* close_;
};

}  // namespace talvo
