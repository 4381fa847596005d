#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "image/data_file.h"
#include "lang/catalogue.h"
#include "print/print_pdf.h"

namespace talvo::cli {
namespace {

int Usage(const QString& problem) {
    std::fprintf(stderr, "talvo-cli print: %s (see talvo-cli print --help)\n",
                 problem.toLocal8Bit().constData());
    return ExitUsage;
}

int RunPrint(const QStringList& args) {
    // --pdf OUT (or --pdf=OUT) is taken out; the rest are the usual file arguments.
    QStringList rest;
    QString pdf;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!optionsEnded && arg == "--pdf") {
            if (i + 1 >= args.size()) return Usage("--pdf needs a file name");
            pdf = args[++i];
        } else if (!optionsEnded && arg.startsWith("--pdf=")) {
            pdf = arg.mid(6);
        } else {
            if (arg == "--") optionsEnded = true;
            rest << arg;
        }
    }
    FileArguments parsed;
    if (const auto usage = ParseFileArguments("print", rest, 1, parsed)) return *usage;
    if (pdf.isEmpty()) return Usage("--pdf OUT.pdf is required");

    const QString& dataFile = parsed.files[0];
    ProgramState state = StartupState(parsed.lang);
    if (const Status s = OpenDataFile(state, LocalPath(dataFile), WordsIn(state.LanguageFlag));
        s != Status::Ok) {
        return FileFailure(s, parsed.lang, dataFile);
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "talvo-cli print: drawing the printout needs a GUI application\n");
        return ExitFile;
    }
    if (WritePrintoutPdf(state, pdf) <= 0)
        return FileFailure(Status::CannotWrite, parsed.lang, pdf);
    return ExitOk;
}

const CommandRegistration kPrint("print",
                                 {"write the programming data printout of a .dat file as PDF "
                                  "(FILE.dat --pdf OUT.pdf [--lang en|zh|es])",
                                  RunPrint});
const HelpRegistration kPrintHelp(
    "print",
    "usage: talvo-cli print FILE.dat --pdf OUT.pdf [--lang en|zh|es]\n\n"
    "Starts from a freshly started program (English unless --lang zh or es), opens FILE.dat\n"
    "as the Open command does and writes the printout of the programming data (function\n"
    "settings, A group VFO, VOX, power grades and the channel table, in the chosen language)\n"
    "to OUT.pdf on A4 pages. OUT.pdf is replaced only when the whole document was written.\n\n"
    "exit status: 0 success, 2 usage error, 3 FILE.dat cannot be read, is no data file or is\n"
    "too short, or OUT.pdf cannot be written\n");

}  // namespace
}  // namespace talvo::cli
