#include "app/startup.h"

#include "app/serial_link.h"
#include "app/settings_store.h"
#include "link/port/read_backups.h"

namespace talvo {

LanguageFlagValue StartupLanguage() {
    const LanguageFlagValue flag = LanguageFlagFromText(LoadLanguage());
    return IsKnownLanguage(flag) ? flag : kEnglish;
}

Program StartProgram(std::unique_ptr<SerialLink> port) {
    Program p;
    // Backups older than a year go at start (never the newest ten).
    link::PruneBackups();
    p.state = std::make_unique<ProgramState>(StartupState(StartupLanguage()));
    p.window = std::make_unique<MainWindow>(*p.state, std::move(port));
    p.window->ApplyLanguage();
    return p;
}

}  // namespace talvo
