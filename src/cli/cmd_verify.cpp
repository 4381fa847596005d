// talvo-cli verify (--port N | --device PATH) FILE.dat [--debug-mode] [--lang en|zh|es]

#include <cstdio>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/radio_transfer.h"
#include "compare/byte_compare.h"
#include "compare/change_list.h"
#include "jobs/outcome_words.h"
#include "jobs/transfer_jobs.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/encode.h"

namespace talvo::cli {

namespace {

constexpr int kDifferent = 1;

int RunVerify(const QStringList& arguments) {
    RadioArguments radio;
    if (const auto exit =
            ParseRadioArguments("verify", arguments, 1, {{}, {"--debug-mode"}}, radio))
        return *exit;
    const FileArguments& args = radio.args;
    const QString& file = args.files[0];

    // The file's own bytes, and the image a write of FILE would send.
    ProgramState state = StartupState(args.lang);
    if (const Status opened = OpenDataFile(state, LocalPath(file)); opened != Status::Ok)
        return FileFailure(opened, args.lang, file);
    state.hidden.debug.unlocked = args.flags.contains("--debug-mode");
    const jobs::WriteOptions options{.debugMode = state.hidden.DebugMode()};
    EncodeImage(state);

    jobs::VerifyJob job(state.RadioImage, state.EncodedImage, options);
    const jobs::Outcome outcome = Radio(radio.device, args.lang).run(job);
    if (!outcome.ok() && outcome.kind != jobs::Outcome::Kind::VerifyMismatch)
        return TransferExit(outcome, radio.device, args.lang);
    KeepBackup(job.held(), args.lang);
    if (outcome.ok()) {
        std::printf("%s\n", Render(jobs::MatchSentence(job.match()), args.lang).c_str());
        return ExitOk;
    }

    // By name: from what the radio holds to what the write would leave there.
    const auto blocks = options.blocks();
    const ImageBytes wanted = compare::OverlayBlocks(job.held(), state.EncodedImage, blocks);
    for (const std::string& line : compare::ChangeLines(
             compare::CompareImages(job.held(), wanted, WordsIn(args.lang)), WordsIn(args.lang)))
        std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "talvo-cli: %s\n", Render(jobs::OutcomeLine(outcome), args.lang).c_str());
    return kDifferent;
}

const CommandRegistration kVerify("verify",
                                  {TALVO_TEXT("CliHelp", "compare the radio with a data file (%1)"),
                                   "(--port N | --device PATH) FILE.dat", RunVerify});

const HelpRegistration kVerifyHelp("verify", [] {
    return UsageLines(
               "talvo-cli verify (--port N | --device PATH) FILE.dat [--debug-mode] "
               "[--lang en|zh|es]") +
           "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Reads the radio and compares it, byte for byte over the blocks a write stores, "
               "with\n"
               "the bytes of FILE.dat and with what a write of FILE.dat would send. When it holds\n"
               "either, says which on stdout; otherwise prints the differences by name (radio →\n"
               "file) on stdout and the first differing address on stderr.")) +
           RadioOptionsHelp() +
           DebugModeHelp(
               TALVO_TEXT("CliHelp", "also compare the power calibration blocks %1 and %2")) +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "The read is also kept in the backups folder ($XDG_DATA_HOME/talvo/backups).")) +
           ExitStatusLine(
               TALVO_TEXT("CliHelp",
                          "exit status: %1 the radio holds the file, %2 it differs, %3 "
                          "usage, %4 file cannot be\nopened, %5 communication error, "
                          "%6 stopped by Ctrl+C"),
               {ExitOk, kDifferent, ExitUsage, ExitFile, ExitCommunication, ExitInterrupted});
});

}  // namespace

}  // namespace talvo::cli
