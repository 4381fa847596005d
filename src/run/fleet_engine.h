#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fleet/fleet_report.h"
#include "fleet/port_station.h"
#include "fleet/radio_rows.h"
#include "jobs/outcome.h"
#include "radio/state/program_state.h"

namespace talvo::run {

// One port chosen for a fleet run.
struct FleetPortChoice {
    int number = 0;
    QString device;
    std::optional<std::string> socket;
};

// What the window shows of one port.
struct FleetPortView {
    FleetPortChoice port;
    fleet::PortStation::Phase phase = fleet::PortStation::Phase::WaitingForRadio;
    jobs::Stage stage = jobs::Stage::None;
    int blocksDone = 0;
    int blocksTotal = 0;
    std::optional<fleet::FleetOutcome> last;  // the last radio's outcome on this port
    int radios = 0;                           // programmed (or refused) on this port so far
};

// Programs one template into the radios on several ports at once: every port runs its own
// checked write (identification first, backup kept, write without the power calibration, read
// back and compared), each on its own line and timers in the one event loop, so a port that
// fails or waits never holds the others up. With `station`, every port waits for radio after
// radio (see fleet::PortStation).
class FleetEngine : public QObject {
    Q_OBJECT
  public:
    // `rows` empty: no per-radio values. The template's hidden modes do not matter: the power
    // calibration is never sent.
    FleetEngine(const ProgramState& templ, std::vector<fleet::RadioRow> rows, bool station,
                QObject* parent = nullptr);
    ~FleetEngine() override;

    // Opens every port and starts; a port that cannot be opened is reported at once.
    void start(const std::vector<FleetPortChoice>& ports);
    // Stops every port cleanly: a running transfer sends "E" and its radio ends as cancelled.
    void cancel();

    bool running() const { return running_; }
    const QDateTime& startedAt() const { return startedAt_; }
    const std::vector<fleet::RadioRecord>& records() const { return records_; }
    const std::vector<FleetPortView>& ports() const { return views_; }
    // Rows still free (0 without per-radio values).
    int rowsLeft() const;

  signals:
    void portChanged(int index);
    // One radio is done (in the report from now on).
    void radioDone(const talvo::fleet::RadioRecord& record);
    void finished();

  private:
    class Port;
    friend class Port;
    bool mayProgram() const;
    std::optional<int> takeRow();
    void settleRow(int row, bool usedUp);
    void record(fleet::RadioRecord record);
    void portIdle();

    ProgramState template_;
    std::vector<fleet::RadioRow> rows_;
    fleet::RowPool pool_;
    bool useRows_;
    bool station_;
    bool running_ = false;
    QDateTime startedAt_;
    std::vector<std::unique_ptr<Port>> ports_;
    std::vector<FleetPortView> views_;
    std::vector<fleet::RadioRecord> records_;
};

}  // namespace talvo::run
