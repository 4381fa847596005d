#pragma once

#include <QTemporaryDir>

namespace talvo::testing {

// Points the settings store, the program folder, the user's data folder (where reads leave
// their backups) and state folder (where unsaved changes are kept) at fresh temporary folders for
// the life of the object, so a test never sees or changes the real user's settings or files.
class ScopedShellEnvironment {
  public:
    ScopedShellEnvironment();
    ~ScopedShellEnvironment();
    QString configDir() const { return config_.path(); }
    QString programDir() const { return program_.path(); }
    QString dataDir() const { return data_.path(); }
    QString stateDir() const { return state_.path(); }

  private:
    QTemporaryDir config_;
    QTemporaryDir program_;
    QTemporaryDir data_;
    QTemporaryDir state_;
    QByteArray oldConfig_;
    QByteArray oldProgram_;
    QByteArray oldData_;
    QByteArray oldState_;
};

}  // namespace talvo::testing
