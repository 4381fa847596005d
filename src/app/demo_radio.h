#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include "model/language.h"

namespace talvo {

// The virtual radio (talvo-radio-sim) as a child process on a pseudo-terminal, for trying
// the program without a radio. It holds a sample configuration and ends with this program.
class DemoRadio {
  public:
    DemoRadio() = default;
    ~DemoRadio();
    DemoRadio(const DemoRadio&) = delete;
    DemoRadio& operator=(const DemoRadio&) = delete;

    // Starts the virtual radio with extra arguments (for example "--baud-pacing"). False, with
    // a reason in `error` (in `lang`), when the program cannot be found or does not come up.
    bool start(const QStringList& arguments, QString* error, Language lang = kEnglish);
    // The pseudo-terminal the radio listens on.
    QString device() const { return device_; }
    // Closes its input, which makes it exit, and waits for it.
    void stop();

    // The virtual radio program: TALVO_SIM_PATH, else beside this program, else in the build
    // tree's tools folder, else on the PATH.
    static QString programPath();

  private:
    QProcess process_;
    QString device_;
};

}  // namespace talvo
