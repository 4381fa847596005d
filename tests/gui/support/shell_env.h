#pragma once

#include <QTemporaryDir>

namespace talvo::testing {

// Points the settings store and the program folder at fresh temporary folders for the life
// of the object, so a test never sees or changes the real user's settings.
class ScopedShellEnvironment {
  public:
    ScopedShellEnvironment();
    ~ScopedShellEnvironment();
    QString configDir() const { return config_.path(); }
    QString programDir() const { return program_.path(); }

  private:
    QTemporaryDir config_;
    QTemporaryDir program_;
    QByteArray oldConfig_;
    QByteArray oldProgram_;
};

}  // namespace talvo::testing
