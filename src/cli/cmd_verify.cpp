// talvo-cli verify (--port N | --device PATH) FILE.dat [--debug-mode] [--lang en|zh]

#include <cstdio>

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/difference_text.h"
#include "cli/radio_transfer.h"
#include "compare/byte_compare.h"
#include "compare/change_list.h"
#include "image/data_file.h"
#include "image/encode.h"
#include "link/protocol/block_plan.h"

namespace talvo::cli {

namespace {

constexpr char kUsage[] =
    "usage: talvo-cli verify (--port N | --device PATH) FILE.dat [--debug-mode] [--lang en|zh]\n";

constexpr int kDifferent = 1;

int RunVerify(const QStringList& arguments) {
    RadioArguments radio;
    if (const auto exit =
            ParseRadioArguments("verify", arguments, 1, {{}, {"--debug-mode"}}, radio))
        return *exit;
    const FileArguments& args = radio.args;
    const QString& file = args.files[0];

    // The image a write of FILE would send.
    ProgramState state = StartupState(args.lang);
    if (const Status opened = OpenDataFile(state, LocalPath(file)); opened != Status::Ok)
        return FileFailure(opened, args.lang, file);
    state.hidden.debug.unlocked = args.flags.contains("--debug-mode");
    const bool debug = state.hidden.DebugMode();
    EncodeImage(state);

    ImageBytes held{};
    if (const auto read = ReadRadio(radio.device, held); !read.ok())
        return TransferExit(read, radio.device, args.lang);
    KeepBackup(held, args.lang);

    const auto blocks = link::WriteBlockSequence(debug);
    const compare::ByteDifference difference =
        compare::CompareBlocks(state.EncodedImage, held, blocks);
    if (difference.same()) return ExitOk;

    // By name: from what the radio holds to what the write would leave there.
    const ImageBytes wanted = compare::OverlayBlocks(held, state.EncodedImage, blocks);
    for (const std::string& line :
         compare::ChangeLines(compare::CompareImages(held, wanted, args.lang), args.lang))
        std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "talvo-cli: %s\n", ByteDifferenceText(difference, args.lang).c_str());
    return kDifferent;
}

const CommandRegistration kVerify("verify", {"compare the radio with a data file "
                                             "((--port N | --device PATH) FILE.dat)",
                                             RunVerify});

const HelpRegistration kVerifyHelp(
    "verify",
    std::string(kUsage) +
        "\nReads the radio and compares it with what a write of FILE.dat would send, byte for\n"
        "byte over the blocks a write sends. When they differ, prints the differences by name\n"
        "(radio → file) on stdout and the first differing address on stderr.\n" +
        kRadioOptionsHelp +
        "  --debug-mode   also compare the power calibration blocks 0x7E0 and 0x7F0\n"
        "The read is also kept in the backups folder ($XDG_DATA_HOME/talvo/backups).\n"
        "exit status: 0 the radio holds the file, 1 it differs, 2 usage, 3 file cannot be\n"
        "opened, 4 communication error\n");

}  // namespace

}  // namespace talvo::cli
