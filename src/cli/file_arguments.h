#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "model/language.h"
#include "model/status.h"

namespace talvo::cli {

// The arguments of a file command: fixed positional file names and an optional
// `--lang en|zh` (also `--lang=zh`); `--` ends the options.
struct FileArguments {
    QStringList files;
    LanguageFlagValue lang = kEnglish;
};

// Parses `args` for `command` expecting exactly `fileCount` file names. On a usage error
// prints one line on stderr and returns ExitUsage; otherwise returns nullopt.
std::optional<int> ParseFileArguments(const char* command, const QStringList& args, int fileCount,
                                      FileArguments& out);

// A file name as the operating system takes it.
std::string LocalPath(const QString& file);

// Prints the one stderr line for a failed file operation and returns ExitFile.
int FileFailure(Status status, LanguageFlagValue lang, const QString& file);

}  // namespace talvo::cli
