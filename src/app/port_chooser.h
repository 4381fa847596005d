#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "link/port/port_diagnosis.h"
#include "link/port/port_survey.h"
#include "model/language.h"
#include "model/status.h"

class QComboBox;
class QLabel;
class QMdiArea;

namespace talvo {

struct ProgramState;
class SerialLink;

// Choosing the communication port: Programming → Port drops the port list open beside the band
// list; a pick opens that port (explaining a failure and offering the one USB cable), shows it in
// the status panel ("COM: n") and hides the list again. The port number is read at start and
// stored at the end.
class PortChooser : public QObject {
    Q_OBJECT
  public:
    // `list` and `panel` belong to the main window; `mdi` gets the keyboard back when the list
    // goes away; messages are shown over `dialogParent`.
    PortChooser(QComboBox* list, QLabel* panel, ProgramState& state, SerialLink& port,
                QMdiArea* mdi, QWidget* dialogParent);

    QComboBox* list() const { return list_; }
    // Looks for the devices again and drops the list open.
    void show();
    // Where the list looks for devices, processes and rules (tests use a temporary folder).
    void setSystem(const link::SystemRoots& roots) { roots_ = roots; }
    // Why port `number` could not be opened (`status`) and how to fix it, in the program's
    // language; empty for a number outside 1..16.
    QString failureText(int number, Status status);
    // Writes the list's own entries in `lang`.
    void applyLanguage(Language lang);
    // Attaches the built-in virtual radio as port `portNumber` for this run; the port number
    // remembered for the next run stays the one it was.
    void attachDemoRadio(int portNumber);
    // Remembers the port number for the next run.
    void storeNumber() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void onChosen(int index);
    // The dropped-open list closed: without a pick (Escape, a click elsewhere) the choice is
    // over and the list goes away with it.
    void onPopupClosed();
    // Hides the list and gives the keyboard back to the active editor window.
    void leave();
    // After a failed choice of `number`: the cause and its fix; offers the one USB cable when
    // the number reaches nothing. Returns the number to open instead, or 0.
    int explainFailure(int number, Status status);
    link::PortDiagnosis diagnose(int number, Status status);
    void showNumber(const QString& number);

    QComboBox* list_;
    QLabel* panel_;
    ProgramState& state_;
    SerialLink& port_;
    QMdiArea* mdi_;
    QWidget* dialogParent_;
    link::SystemRoots roots_;
    std::vector<link::PortEntry> survey_;
    std::optional<int> numberToStore_;
    int indexShown_ = -1;  // the list's entry before it was dropped open
    unsigned picks_ = 0;   // entries picked so far (a pick closes the open list too)
};

}  // namespace talvo
