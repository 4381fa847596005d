#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "exchange/channel_import.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo::cli {
namespace {

// A channel list is a few kilobytes; anything far larger is no channel list.
constexpr std::size_t kMaxCsvBytes = 16u << 20;

void Report(const char* line) {
    std::fprintf(stderr, "talvo-cli import-csv: %s\n", line);
}

// Why a file is no channel list, as the one line of the failure: the missing parts first,
// then the first few column names it does not know (a binary file has hundreds).
std::string UnreadableReason(const std::vector<ExchangeNote>& notes, Language lang) {
    constexpr std::size_t kShownUnknown = 4;
    std::string line;
    std::size_t unknown = 0;
    for (const bool missing : {true, false}) {
        for (const ExchangeNote& note : notes) {
            if ((note.kind != NoteKind::UnknownHeader) != missing) continue;
            if (!missing && ++unknown > kShownUnknown) continue;
            if (!line.empty()) line += RenderText(TALVO_TEXT("CmdImportCsv", "; "), lang);
            line += Render(NoteText(note), lang);
        }
    }
    if (unknown > kShownUnknown) {
        const std::string more = std::to_string(unknown - kShownUnknown);
        line += Words(TALVO_TEXT("CmdImportCsv", "; %1 more unknown columns"), lang, {more});
    }
    return line;
}

int RunImportCsv(const QStringList& args) {
    FileArguments parsed;
    if (const auto usage =
            ParseArguments("import-csv", args, 2, {{"--into", "--append-from"}, {}}, parsed)) {
        return *usage;
    }
    const QString& in = parsed.files[0];
    const QString& out = parsed.files[1];
    const Language lang = parsed.lang;

    ImportRequest request;
    if (parsed.has("--append-from")) {
        bool ok = false;
        const int first = parsed.values["--append-from"].toInt(&ok);
        if (!ok || first < 1 || first > kChannelCount) {
            return UsageError("import-csv",
                              TALVO_TEXT("CliUsage", "%1 needs a channel number %2..%3"),
                              {"--append-from", "1", std::to_string(kChannelCount)});
        }
        request.placement = Placement::FreeFrom;
        request.firstChannel = first;
    }

    ProgramState state = StartupState(lang);
    if (parsed.has("--into")) {
        const QString& base = parsed.values["--into"];
        if (const Status s = OpenDataFile(state, LocalPath(base)); s != Status::Ok) {
            return FileFailure(s, lang, base);
        }
    }

    std::vector<std::uint8_t> bytes;
    if (const Status s = ReadFileBytes(LocalPath(in), bytes, kMaxCsvBytes + 1); s != Status::Ok) {
        return FileFailure(s, lang, in);
    }
    if (bytes.size() > kMaxCsvBytes) {
        Report(
            Render(NoteText({NoteKind::FileTooLarge, {std::to_string(kMaxCsvBytes >> 20)}}), lang)
                .c_str());
        return ExitFile;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const ImportPlan plan = PlanImport(ReadChannelTable(text), state.channels, state.band, request);

    if (!plan.readable) {
        Report(UnreadableReason(plan.fileNotes, lang).c_str());
        return ExitFile;
    }
    for (const ExchangeNote& note : plan.fileNotes) Report(Render(NoteText(note), lang).c_str());
    for (const ImportRow& row : plan.rows) {
        if (row.fate != RowFate::Imported) Report(Render(ImportRowReport(row), lang).c_str());
    }
    if (plan.taken() == 0) {
        Report(
            RenderText(TALVO_TEXT("CmdImportCsv", "no row could be imported; nothing was written"),
                       lang)
                .c_str());
        return ExitFile;
    }
    state.channels = plan.result;
    if (const Status s = SaveDataFile(state, LocalPath(out)); s != Status::Ok) {
        return FileFailure(s, lang, out);
    }
    int unchanged = 0;
    for (const ImportRow& row : plan.rows) unchanged += row.unchanged;
    {
        // Each count has its own words, so that each takes the plural form its number needs.
        auto counted = [lang](const Text& text, int n) {
            return RenderText(Counted(text, n), lang);
        };
        std::printf(
            "%s",
            Words(
                TALVO_TEXT("CmdImportCsv", "%1 (%2), %3, %4"), lang,
                {counted(TALVO_PLURAL("CmdImportCsv", "%n rows imported", "%n row imported"),
                         plan.taken()),
                 counted(TALVO_PLURAL("CmdImportCsv", "%n adjusted", "%n adjusted"), plan.adjusted),
                 counted(TALVO_PLURAL("CmdImportCsv", "%n refused", "%n refused"), plan.refused),
                 counted(TALVO_PLURAL("CmdImportCsv", "%n skipped", "%n skipped"), plan.skipped)})
                .c_str());
        if (unchanged > 0) {
            std::printf("%s",
                        counted(TALVO_PLURAL("CmdImportCsv", "; %n left their channel as it was",
                                             "; %n left its channel as it was"),
                                unchanged)
                            .c_str());
        }
    }
    std::printf("\n");
    return plan.refused > 0 ? 1 : ExitOk;
}

const CommandRegistration kImportCsv(
    "import-csv",
    {TALVO_TEXT("CliHelp", "read a channel CSV file into a .dat file (%1)"),
     "IN.csv OUT.dat [--into BASE.dat] [--append-from N] [--lang en|zh|es]", RunImportCsv});
const HelpRegistration kImportCsvHelp("import-csv", [] {
    return UsageLines(
               "talvo-cli import-csv IN.csv OUT.dat [--into BASE.dat] [--append-from N]\n"
               "                     [--lang en|zh|es]") +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Reads the channel CSV file IN.csv (the generic layout: UTF-8 with or without "
               "byte-order\n"
               "mark, CRLF or LF, '#' comment lines, 17 or 21 columns, ';'-separated files with "
               "decimal\n"
               "commas) and saves OUT.dat with its rows as channels. Without --into the channels "
               "go into\n"
               "a freshly started program (band A:136-174.995MHz B:400-470.995MHz); with --into "
               "they go\n"
               "into the configuration of BASE.dat, whose band and other settings are kept.")) +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Placement: by default row Location n becomes channel n. A row going into a "
               "channel in\n"
               "use changes only what it says: busy lock (which the layout lacks), columns the "
               "file does\n"
               "not have, an empty Mode or Power, and values given as the channel holds them keep "
               "the\n"
               "channel's own (a transmit frequency kept under Duplex off, a receive-only channel, "
               "a\n"
               "frequency off the raster), so a file exported from BASE.dat and imported back "
               "--into it\n"
               "gives the same channels. With --append-from N the rows fill, in file order, the "
               "channels\n"
               "that are free from channel N on, and Location is not used.")) +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Each row is imported as it is, adjusted (frequency moved onto the 5 kHz / 6.25 "
               "kHz\n"
               "raster, name kept to the 8 characters the radio stores, characters it cannot store "
               "left\n"
               "out, power taken as the nearest of Low 1.0W, Middle 2.5W, High 5.0W, priority scan "
               "P\n"
               "taken as scanned), skipped (no frequency) or refused with its reason: a frequency\n"
               "outside both ranges of the band (the band that would take it is named), a mode "
               "other than\n"
               "FM or NFM, reverse squelch (TSQL-R, DTCS-R), a CTCSS tone or DCS code the radio "
               "cannot\n"
               "send, a Location outside 1..128 or given twice, no free channel left, an invalid "
               "cell, a\n"
               "row shorter than the header. A new channel gets busy lock Off (the new-channel "
               "default).\n"
               "stderr has one line for each row that was not imported as it is, and for unknown\n"
               "columns; stdout has the counts.")) +
           "\n" +
           ExitStatusLine(
               TALVO_TEXT("CliHelp",
                          "exit status: %1 every row imported (adjusted rows count as imported, "
                          "rows without a\nfrequency are skipped), %2 some rows refused and the "
                          "rest written, %3 usage error, %4 the CSV\nfile cannot be read or no "
                          "row could be imported (OUT.dat is not written), BASE.dat cannot\nbe "
                          "read, or OUT.dat cannot be written"),
               {ExitOk, 1, ExitUsage, ExitFile});
});

}  // namespace
}  // namespace talvo::cli
