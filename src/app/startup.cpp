#include "app/startup.h"

#include <QApplication>

#include "app/recovery_prompts.h"
#include "app/serial_link.h"
#include "app/settings_store.h"
#include "lang/catalogue.h"
#include "run/read_backups.h"
#include "ui/text_fit.h"

namespace talvo {

Language StartupLanguage() {
    return StartLanguage(LanguageFlagFromText(LoadLanguage()), LoadFurtherLanguage());
}

Program StartProgram(std::unique_ptr<SerialLink> port) {
    Program p;
    // Backups older than a year go at start (never the newest ten).
    run::PruneBackups();
    p.document = std::make_unique<Document>(StartupState(StartupLanguage()));
    p.window = std::make_unique<MainWindow>(*p.document, std::move(port));
    p.window->ApplyLanguage();
    // Every window's texts fit their widgets in every language, from the first show on. Not
    // sooner: the filter would see each of the many events of building the windows, for nothing.
    InstallTextFit(p.window.get());
    p.recovery = std::make_unique<RecoveryKeeper>(*p.document);
    p.recovery->setSourceFile([window = p.window.get()] { return window->currentFile(); });
    ReportRecoveryFailures(*p.window, *p.recovery);
    return p;
}

void ShowProgram(Program& program, const QString& file) {
    program.window->show();
    OfferRecoveredEdits(*program.window, *program.recovery);
    if (!file.isEmpty()) program.window->openPath(file);
}

}  // namespace talvo
