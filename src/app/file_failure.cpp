#include "app/file_failure.h"

#include <QDir>

#include "jobs/outcome_words.h"
#include "lang/catalogue.h"
#include "ui/local_msgbox.h"

namespace talvo {

void ReportFileFailure(Status status, const QString& path, Language lang, QWidget* parent) {
    const std::string text =
        Render(StatusMessage(status, QDir::toNativeSeparators(path).toStdString()), lang);
    LocalMsgBox(lang, QString::fromStdString(text), StyleIconError,
                Tr(TALVO_TEXT("MainCommands", "Mistake"), lang), parent);
}

}  // namespace talvo
