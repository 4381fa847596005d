#include "support/shell_env.h"

namespace talvo::testing {

ScopedShellEnvironment::ScopedShellEnvironment()
    : oldConfig_(qgetenv("TALVO_CONFIG_DIR")),
      oldProgram_(qgetenv("TALVO_PROGRAM_DIR")),
      oldData_(qgetenv("XDG_DATA_HOME")),
      oldState_(qgetenv("XDG_STATE_HOME")) {
    qputenv("TALVO_CONFIG_DIR", config_.path().toLocal8Bit());
    qputenv("TALVO_PROGRAM_DIR", program_.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", state_.path().toLocal8Bit());
}

ScopedShellEnvironment::~ScopedShellEnvironment() {
    auto restore = [](const char* name, const QByteArray& old) {
        if (old.isEmpty()) {
            qunsetenv(name);
        } else {
            qputenv(name, old);
        }
    };
    restore("TALVO_CONFIG_DIR", oldConfig_);
    restore("TALVO_PROGRAM_DIR", oldProgram_);
    restore("XDG_DATA_HOME", oldData_);
    restore("XDG_STATE_HOME", oldState_);
}

}  // namespace talvo::testing
