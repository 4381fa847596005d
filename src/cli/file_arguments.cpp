#include "cli/file_arguments.h"

#include <QFile>
#include <cstdio>

#include "cli/command.h"

namespace talvo::cli {
namespace {

int UsageError(const char* command, const QString& problem) {
    std::fprintf(stderr, "talvo-cli %s: %s (see talvo-cli %s --help)\n", command,
                 problem.toLocal8Bit().constData(), command);
    return ExitUsage;
}

std::optional<LanguageFlagValue> LanguageNamed(const QString& name) {
    if (name == "en") return kEnglish;
    if (name == "zh") return kChinese;
    return std::nullopt;
}

}  // namespace

std::optional<int> ParseFileArguments(const char* command, const QStringList& args, int fileCount,
                                      FileArguments& out) {
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
        QString value;
        if (arg == "--lang") {
            if (i + 1 >= args.size()) return UsageError(command, "--lang needs a value: en or zh");
            value = args[++i];
        } else if (arg.startsWith("--lang=")) {
            value = arg.mid(7);
        } else {
            return UsageError(command, QString("unknown option '%1'").arg(arg));
        }
        const auto lang = LanguageNamed(value);
        if (!lang)
            return UsageError(command, QString("unknown language '%1': use en or zh").arg(value));
        out.lang = *lang;
    }
    if (out.files.size() != fileCount) {
        return UsageError(command, QString("expected %1 file name%2, got %3")
                                       .arg(fileCount)
                                       .arg(fileCount == 1 ? "" : "s")
                                       .arg(out.files.size()));
    }
    for (const QString& f : out.files) {
        if (f.isEmpty()) return UsageError(command, "a file name is empty");
    }
    return std::nullopt;
}

std::string LocalPath(const QString& file) {
    return QFile::encodeName(file).toStdString();
}

int FileFailure(Status status, LanguageFlagValue lang, const QString& file) {
    std::fprintf(stderr, "talvo-cli: %s\n",
                 StatusMessage(status, lang, file.toStdString()).c_str());
    return ExitFile;
}

}  // namespace talvo::cli
