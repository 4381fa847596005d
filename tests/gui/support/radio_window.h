#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "app/demo_radio.h"
#include "app/startup.h"
#include "model/language.h"
#include "support/modal_answerer.h"
#include "support/shell_env.h"

namespace talvo::testing {

// The program transferring with the virtual radio as port 1, in fresh folders, its modal
// windows answered: the set-up of the window's transfer tests. One per test function.
class RadioWindow {
  public:
    RadioWindow();
    ~RadioWindow();

    // Starts the virtual radio with `radioArgs`, then the program on it, in `lang`, shown.
    void start(const QStringList& radioArgs, Language lang = kEnglish);
    // Ends the program and starts it again (not shown), as a new run would.
    void restartProgram();

    MainWindow& window() { return *program_.window; }
    ProgramState& state();
    ModalAnswerer& answerer() { return *answerer_; }
    DemoRadio& radio() { return *radio_; }
    // A file in the program's folder.
    QString path(const char* name) const;

  private:
    // Ends in this order: the program, the radio, the answerer, the folders.
    std::unique_ptr<ScopedShellEnvironment> env_;
    std::unique_ptr<ModalAnswerer> answerer_;
    std::unique_ptr<DemoRadio> radio_;
    Program program_;
};

}  // namespace talvo::testing
