#include "app/help_file.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/app_paths.h"
#include "lang/catalogue.h"

namespace talvo {

QString HelpFilePath(Language lang) {
    if (!IsKnownLanguage(lang)) return {};
    // Each language names its own help file.
    const QString name = Tr(TALVO_TEXT3("MainCommands", "HB27E.CHM", "the help file's name"), lang);
    return QDir(ProgramFolder()).filePath(name);
}

void ShowHelpFile(Language lang) {
    const QString path = HelpFilePath(lang);
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace talvo
