#include "cli/file_arguments.h"

#include <QFile>
#include <cstdio>

#include "cli/cli_texts.h"
#include "cli/command.h"
#include "exchange/utf8_text.h"
#include "jobs/outcome_words.h"
#include "lang/catalogue.h"

namespace talvo::cli {
namespace {

// "en or zh", "en, es or zh".
std::string LanguageChoices() {
    QStringList codes = ShippedLanguages();
    codes.sort();
    const std::string last = codes.takeLast().toStdString();
    if (codes.isEmpty()) return last;
    return Say(TALVO_TEXT3("CliUsage", "%1 or %2", "the last of a list"),
               {codes.join(QStringLiteral(", ")).toStdString(), last});
}

std::string Arg(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

}  // namespace

int UsageError(const char* command, const std::string& problem) {
    std::fprintf(stderr, "talvo-cli %s: %s\n", command,
                 Say(TALVO_TEXT("CliUsage", "%1 (see %2)"),
                     {VisibleText(problem), std::string("talvo-cli ") + command + " --help"})
                     .c_str());
    return ExitUsage;
}

int UsageError(const char* command, const Text& problem, const std::vector<std::string>& args) {
    return UsageError(command, Say(problem, args));
}

std::optional<int> ParseArguments(const char* command, const QStringList& args, int fileCount,
                                  const CommandOptions& options, FileArguments& out) {
    QStringList withValue = options.withValue;
    withValue << "--lang";
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || !arg.startsWith('-') || arg == "-") {
            out.files.append(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (options.flags.contains(arg)) {
            if (!out.flags.contains(arg)) out.flags.append(arg);
            continue;
        }
        const qsizetype equals = arg.indexOf('=');
        const QString name = equals < 0 ? arg : arg.left(equals);
        if (!withValue.contains(name)) {
            return UsageError(command, TALVO_TEXT("CliUsage", "unknown option '%1'"), {Arg(arg)});
        }
        QString value;
        if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return UsageError(command, TALVO_TEXT("CliUsage", "%1 needs a value"), {Arg(name)});
        }
        if (name == "--lang") {
            const auto lang = ChooseLanguage(value);
            if (!lang)
                return UsageError(command, TALVO_TEXT("CliUsage", "unknown language '%1': use %2"),
                                  {Arg(value), LanguageChoices()});
            out.lang = *lang;
            continue;
        }
        if (out.has(name))
            return UsageError(command, TALVO_TEXT("CliUsage", "%1 is given twice"), {Arg(name)});
        if (value.isEmpty())
            return UsageError(command, TALVO_TEXT("CliUsage", "%1 needs a value"), {Arg(name)});
        out.values[name] = value;
    }
    if (fileCount == 0 && !out.files.isEmpty()) {
        return UsageError(command, TALVO_TEXT("CliUsage", "unexpected argument '%1'"),
                          {Arg(out.files[0])});
    }
    if (out.files.size() != fileCount) {
        return UsageError(command,
                          fileCount == 1 ? TALVO_TEXT("CliUsage", "expected %1 file name, got %2")
                                         : TALVO_TEXT("CliUsage", "expected %1 file names, got %2"),
                          {std::to_string(fileCount), std::to_string(out.files.size())});
    }
    for (const QString& f : out.files) {
        if (f.isEmpty()) return UsageError(command, TALVO_TEXT("CliUsage", "a file name is empty"));
    }
    return std::nullopt;
}

std::optional<int> ParseFileArguments(const char* command, const QStringList& args, int fileCount,
                                      FileArguments& out) {
    return ParseArguments(command, args, fileCount, {}, out);
}

std::string LocalPath(const QString& file) {
    return QFile::encodeName(file).toStdString();
}

int FileFailure(Status status, Language lang, const QString& file) {
    // A file name may hold any byte but "/" and NUL: shown whole, control bytes escaped.
    std::fprintf(stderr, "talvo-cli: %s\n",
                 Render(StatusMessage(status, VisibleText(LocalPath(file))), lang).c_str());
    return ExitFile;
}

}  // namespace talvo::cli
