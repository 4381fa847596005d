#pragma once

#include <QTemporaryDir>

namespace talvo::testing {

// Points the settings store, the program folder and the user's data folder (where reads leave
// their backups) at fresh temporary folders for the life of the object, so a test never sees or
// changes the real user's settings or files.
class ScopedShellEnvironment {
  public:
    ScopedShellEnvironment();
    ~ScopedShellEnvironment();
    QString configDir() const { return config_.path(); }
    QString programDir() const { return program_.path(); }
    QString dataDir() const { return data_.path(); }

  private:
    QTemporaryDir config_;
    QTemporaryDir program_;
    QTemporaryDir data_;
    QByteArray oldConfig_;
    QByteArray oldProgram_;
    QByteArray oldData_;
};

}  // namespace talvo::testing
