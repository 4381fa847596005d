// talvo-print-pdf DATA_FILE PDF_FILE en|zh: the PDF writer behind `talvo-cli print`.
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "image/data_file.h"
#include "model/status.h"
#include "print/print_pdf.h"

namespace {
constexpr int kExitUsage = 2;
constexpr int kExitFile = 3;

// The tool reports in its own words on stderr; Qt's notes about the environment (a missing
// runtime folder and the like) are not failures of the command.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "talvo-print-pdf: %s\n", message.toLocal8Bit().constData());
    }
}
}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    if (args.size() != 3 || (args[2] != "en" && args[2] != "zh")) {
        std::fprintf(stderr, "usage: talvo-print-pdf DATA_FILE PDF_FILE en|zh\n");
        return kExitUsage;
    }
    const talvo::LanguageFlagValue lang = args[2] == "zh" ? talvo::kChinese : talvo::kEnglish;
    talvo::ProgramState state = talvo::StartupState(lang);
    const talvo::Status opened =
        talvo::OpenDataFile(state, QFile::encodeName(args[0]).toStdString());
    if (opened != talvo::Status::Ok) {
        std::fprintf(stderr, "talvo-cli: %s\n",
                     talvo::StatusMessage(opened, lang, args[0].toStdString()).c_str());
        return kExitFile;
    }
    if (talvo::WritePrintoutPdf(state, args[1]) <= 0) {
        std::fprintf(
            stderr, "talvo-cli: %s\n",
            talvo::StatusMessage(talvo::Status::CannotWrite, lang, args[1].toStdString()).c_str());
        return kExitFile;
    }
    return 0;
}
