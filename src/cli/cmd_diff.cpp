// talvo-cli diff A.dat B.dat [--json] [--lang en|zh|es]

#include <cstdio>
#include <string>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/file_arguments.h"
#include "cli/json_text.h"
#include "compare/byte_compare.h"
#include "compare/change_list.h"
#include "lang/catalogue.h"
#include "radio/codecs/data_file.h"
#include "radio/codecs/file_io.h"

namespace talvo::cli {

namespace {

constexpr int kDifferent = 1;

Status LoadImage(const QString& file, ImageBytes& image) {
    std::vector<std::uint8_t> bytes;
    if (const Status read = ReadFileBytes(LocalPath(file), bytes, kDataFileSize + 1);
        read != Status::Ok)
        return read;
    return ParseDataFile(bytes, image);
}

const char* AreaKey(compare::Change::Area area) {
    switch (area) {
        case compare::Change::Area::Channel:
            return "channel";
        case compare::Change::Area::Setting:
            return "setting";
        case compare::Change::Area::Fm:
            return "fm";
        case compare::Change::Area::Power:
            return "power";
    }
    return "";
}

const char* KindKey(compare::Change::Kind kind) {
    switch (kind) {
        case compare::Change::Kind::Added:
            return "added";
        case compare::Change::Kind::Removed:
            return "removed";
        case compare::Change::Kind::Changed:
            return "changed";
    }
    return "";
}

std::string Json(const std::vector<compare::Change>& changes, const compare::ByteDifference& bytes,
                 Language lang) {
    std::string out = "{\"same\":";
    out += changes.empty() && bytes.same() ? "true" : "false";
    out += ",\"differing_bytes\":" + std::to_string(bytes.count);
    if (!bytes.same()) {
        char address[16];
        std::snprintf(address, sizeof address, "0x%03zX", bytes.firstAddress);
        out += ",\"first_difference\":\"" + std::string(address) + "\"";
    }
    out += ",\"changes\":[";
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const compare::Change& c = changes[i];
        if (i > 0) out += ",";
        out += "{\"area\":\"" + std::string(AreaKey(c.area)) + "\",\"change\":\"" +
               KindKey(c.kind) + "\"";
        if (c.channel > 0) out += ",\"channel\":" + std::to_string(c.channel);
        out += ",\"field\":" + JsonFromUtf8(Render(c.field, lang)) +
               ",\"before\":" + JsonFromUtf8(Render(c.before, lang)) +
               ",\"after\":" + JsonFromUtf8(Render(c.after, lang)) + "}";
    }
    out += "]}\n";
    return out;
}

int RunDiff(const QStringList& arguments) {
    FileArguments args;
    if (const auto usage = ParseArguments("diff", arguments, 2, {{}, {"--json"}}, args))
        return *usage;
    ImageBytes a{}, b{};
    for (const auto& [file, image] : {std::pair{args.files[0], &a}, std::pair{args.files[1], &b}}) {
        if (const Status loaded = LoadImage(file, *image); loaded != Status::Ok)
            return FileFailure(loaded, args.lang, file);
    }
    const std::vector<compare::Change> changes = compare::CompareImages(a, b, WordsIn(args.lang));
    std::vector<std::uint16_t> all;
    for (std::size_t address = 0; address < kConfigSize; address += 16)
        all.push_back(static_cast<std::uint16_t>(address));
    const compare::ByteDifference bytes = compare::CompareBlocks(a, b, all);

    std::string out;
    if (args.flags.contains("--json")) {
        out = Json(changes, bytes, args.lang);
    } else {
        for (const std::string& line : compare::ChangeLines(changes, WordsIn(args.lang)))
            out += line + "\n";
        if (changes.empty() && !bytes.same()) {
            // Bytes no window shows still differ: the files are not the same.
            char address[16];
            std::snprintf(address, sizeof address, "0x%03zX", bytes.firstAddress);
            out +=
                Words(TALVO_TEXT("CmdDiff",
                                 "Bytes outside the named values differ: first at %1, %2 in all"),
                      args.lang, {address, std::to_string(bytes.count)}) +
                "\n";
        }
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "talvo-cli: %s\n",
                     Say(TALVO_TEXT("CliUsage", "the output cannot be written")).c_str());
        return ExitFile;
    }
    return changes.empty() && bytes.same() ? ExitOk : kDifferent;
}

const CommandRegistration kDiff(
    "diff", {TALVO_TEXT("CliHelp", "list the differences between two data files by name (%1)"),
             "A.dat B.dat [--json]", RunDiff});

const HelpRegistration kDiffHelp("diff", [] {
    return UsageLines("talvo-cli diff A.dat B.dat [--json] [--lang en|zh|es]") + "\n" +
           Paragraph(TALVO_TEXT(
               "CliHelp",
               "Compares the two files as the program would load them and lists every difference "
               "from A\n"
               "to B by name, one row per change in aligned columns under a title line: the "
               "channel (added,\n"
               "removed or changed) or setting, the field, the old value → the new one; settings, "
               "FM and\n"
               "power values too. Bytes that no window shows are compared too. --json prints one "
               "object:\n"
               "same, differing_bytes, first_difference, changes [{area, change, channel, field, "
               "before,\n"
               "after}].")) +
           "\n" +
           ExitStatusLine(TALVO_TEXT("CliHelp",
                                     "exit status: %1 the same, %2 different, %3 usage, %4 a file "
                                     "cannot be read or is no data file"),
                          {ExitOk, kDifferent, ExitUsage, ExitFile});
});

}  // namespace

}  // namespace talvo::cli
