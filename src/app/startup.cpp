#include "app/startup.h"

#include "app/serial_link.h"
#include "app/settings_store.h"

namespace talvo {

LanguageFlagValue StartupLanguage() {
    const LanguageFlagValue flag = LanguageFlagFromText(LoadLanguage());
    return IsKnownLanguage(flag) ? flag : kEnglish;
}

Program StartProgram(std::unique_ptr<SerialLink> port) {
    Program p;
    p.document = std::make_unique<Document>(StartupState(StartupLanguage()));
    p.window = std::make_unique<MainWindow>(*p.document, std::move(port));
    p.window->ApplyLanguage();
    return p;
}

}  // namespace talvo
