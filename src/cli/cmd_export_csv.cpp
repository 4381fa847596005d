#include <cstdio>
#include <span>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "exchange/channel_export.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo::cli {
namespace {

int RunExportCsv(const QStringList& args) {
    FileArguments parsed;
    if (const auto usage = ParseFileArguments("export-csv", args, 2, parsed)) return *usage;
    const QString& in = parsed.files[0];
    const QString& out = parsed.files[1];
    ProgramState state = StartupState(parsed.lang);
    if (const Status s = OpenDataFile(state, LocalPath(in)); s != Status::Ok) {
        return FileFailure(s, parsed.lang, in);
    }
    const CsvExport csv = ExportChannelsCsv(state.channels, state.band);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(csv.text.data());
    if (const Status s = WriteFileAtomically(LocalPath(out), std::span(bytes, csv.text.size()));
        s != Status::Ok) {
        return FileFailure(s, parsed.lang, out);
    }
    for (const ExchangeNote& note : csv.notes) {
        std::fprintf(stderr, "talvo-cli export-csv: %s\n",
                     Render(NoteText(note), parsed.lang).c_str());
    }
    return ExitOk;
}

const CommandRegistration kExportCsv(
    "export-csv",
    {TALVO_TEXT("CliHelp", "write the used channels of a .dat file as a channel CSV file (%1)"),
     "FILE.dat OUT.csv [--lang en|zh|es]", RunExportCsv});
const HelpRegistration kExportCsvHelp("export-csv", [] {
    return UsageLines("talvo-cli export-csv FILE.dat OUT.csv [--lang en|zh|es]") + "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Opens FILE.dat as the Open command does and writes its used channels, in channel "
               "order, to\n"
               "OUT.csv in the generic channel CSV layout: the 21 columns Location, Name, "
               "Frequency, Duplex,\n"
               "Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, "
               "CrossMode, Mode,\n"
               "TStep, Skip, Power, Comment, URCALL, RPT1CALL, RPT2CALL, DVCODE; UTF-8 without "
               "byte-order\n"
               "mark, CRLF line ends, frequencies in MHz with six decimals, power in the nominal "
               "watts of\n"
               "each level (Low 1.0W, Middle 2.5W, High 5.0W). A transmit frequency in the same "
               "range of\n"
               "the band as the receive frequency is written as a +/- shift, any other as split; "
               "a channel\n"
               "with transmit prohibited is written with Duplex off. OUT.csv is replaced only "
               "when the\n"
               "whole file was written. What a row cannot carry (the transmit frequency of a "
               "channel with\n"
               "transmit prohibited, a damaged frequency) is told on stderr, one line per "
               "channel, in the\n"
               "language of --lang.")) +
           "\n" +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 success, %2 usage error, %3 FILE.dat cannot "
                                     "be read, is no data file or is\ntoo short, or OUT.csv "
                                     "cannot be written"),
                          {ExitOk, ExitUsage, ExitFile});
});

}  // namespace
}  // namespace talvo::cli
