#include "cli/file_arguments.h"

#include <QFile>
#include <cstdio>

#include "cli/command.h"
#include "exchange/utf8_text.h"
#include "lang/catalogue.h"

namespace talvo::cli {
namespace {

// Every language the program has a catalogue for, by its code: Chinese is the flag's 0; any
// other is the flag's 1 showing that language (English shows the source texts).
std::optional<LanguageFlagValue> LanguageNamed(const QString& name) {
    if (name == "zh") return kChinese;
    if (name == "en") return kEnglish;
    if (SetFurtherLanguage(name)) return kEnglish;
    return std::nullopt;
}

// "en or zh", "en, es or zh".
QString LanguageChoices() {
    QStringList codes = ShippedLanguages();
    codes.sort();
    const QString last = codes.takeLast();
    return codes.isEmpty() ? last
                           : codes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

}  // namespace

int UsageError(const char* command, const QString& problem) {
    std::fprintf(stderr, "talvo-cli %s: %s (see talvo-cli %s --help)\n", command,
                 VisibleText(problem.toLocal8Bit().toStdString()).c_str(), command);
    return ExitUsage;
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
            return UsageError(command, QString("unknown option '%1'").arg(arg));
        }
        QString value;
        if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return UsageError(command, QString("%1 needs a value").arg(name));
        }
        if (name == "--lang") {
            const auto lang = LanguageNamed(value);
            if (!lang)
                return UsageError(
                    command,
                    QString("unknown language '%1': use %2").arg(value, LanguageChoices()));
            out.lang = *lang;
            continue;
        }
        if (out.has(name)) return UsageError(command, QString("%1 is given twice").arg(name));
        if (value.isEmpty()) return UsageError(command, QString("%1 needs a value").arg(name));
        out.values[name] = value;
    }
    if (fileCount == 0 && !out.files.isEmpty()) {
        return UsageError(command, QString("unexpected argument '%1'").arg(out.files[0]));
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

std::optional<int> ParseFileArguments(const char* command, const QStringList& args, int fileCount,
                                      FileArguments& out) {
    return ParseArguments(command, args, fileCount, {}, out);
}

std::string LocalPath(const QString& file) {
    return QFile::encodeName(file).toStdString();
}

int FileFailure(Status status, LanguageFlagValue lang, const QString& file) {
    // A file name may hold any byte but "/" and NUL: shown whole, control bytes escaped.
    std::fprintf(stderr, "talvo-cli: %s\n",
                 Render(StatusMessage(status, VisibleText(LocalPath(file))), lang).c_str());
    return ExitFile;
}

}  // namespace talvo::cli
