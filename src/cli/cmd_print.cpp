#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "lang/catalogue.h"
#include "print/print_pdf.h"
#include "radio/codecs/data_file.h"

namespace talvo::cli {
namespace {

int RunPrint(const QStringList& args) {
    // --pdf OUT (or --pdf=OUT) is taken out; the rest are the usual file arguments.
    QStringList rest;
    QString pdf;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!optionsEnded && arg == "--pdf") {
            if (i + 1 >= args.size())
                return UsageError("print", TALVO_TEXT("CliUsage", "%1 needs a file name"),
                                  {"--pdf"});
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
    if (pdf.isEmpty())
        return UsageError("print", TALVO_TEXT("CliUsage", "%1 is required"), {"--pdf OUT.pdf"});

    const QString& dataFile = parsed.files[0];
    ProgramState state = StartupState(parsed.lang);
    if (const Status s = OpenDataFile(state, LocalPath(dataFile)); s != Status::Ok) {
        return FileFailure(s, parsed.lang, dataFile);
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        std::fprintf(
            stderr, "talvo-cli print: %s\n",
            Say(TALVO_TEXT("CliUsage", "drawing the printout needs a GUI application")).c_str());
        return ExitFile;
    }
    if (WritePrintoutPdf(state, pdf) <= 0)
        return FileFailure(Status::CannotWrite, parsed.lang, pdf);
    return ExitOk;
}

const CommandRegistration kPrint(
    "print",
    {TALVO_TEXT("CliHelp", "write the programming data printout of a .dat file as PDF (%1)"),
     "FILE.dat --pdf OUT.pdf [--lang en|zh|es]", RunPrint});
const HelpRegistration kPrintHelp("print", [] {
    return UsageLines("talvo-cli print FILE.dat --pdf OUT.pdf [--lang en|zh|es]") + "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Starts from a freshly started program (English unless --lang zh or es), opens "
               "FILE.dat\n"
               "as the Open command does and writes the printout of the programming data "
               "(function\n"
               "settings, A group VFO, VOX, power grades and the channel table, in the chosen "
               "language)\n"
               "to OUT.pdf on A4 pages. OUT.pdf is replaced only when the whole document was "
               "written.")) +
           "\n" +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 success, %2 usage error, %3 FILE.dat cannot "
                                     "be read, is no data file or is\ntoo short, or OUT.pdf "
                                     "cannot be written"),
                          {ExitOk, ExitUsage, ExitFile});
});

}  // namespace
}  // namespace talvo::cli
