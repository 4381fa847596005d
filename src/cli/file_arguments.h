#pragma once

#include <QStringList>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_texts.h"
#include "model/language.h"
#include "model/status.h"

namespace talvo::cli {

// The options a command takes besides `--lang`: options with a value (`--out FILE` or
// `--out=FILE`) and flags without one.
struct CommandOptions {
    QStringList withValue;
    QStringList flags;
};

// The arguments of a command: fixed positional file names, an optional `--lang en|zh|es` (also
// `--lang=zh`) and the command's own options; `--` ends the options.
struct FileArguments {
    QStringList files;
    Language lang = ToolLanguage();
    std::map<QString, QString> values;  // the options with a value that were given
    QStringList flags;                  // the flags that were given

    bool has(const QString& option) const { return values.count(option) > 0; }
};

// Parses `args` for `command` expecting exactly `fileCount` file names. On a usage error
// prints one line on stderr and returns ExitUsage; otherwise returns nullopt.
std::optional<int> ParseArguments(const char* command, const QStringList& args, int fileCount,
                                  const CommandOptions& options, FileArguments& out);

// ParseArguments for a command that takes no options besides `--lang`.
std::optional<int> ParseFileArguments(const char* command, const QStringList& args, int fileCount,
                                      FileArguments& out);

// Prints "talvo-cli COMMAND: PROBLEM (see talvo-cli COMMAND --help)" in the tool's language and
// returns ExitUsage; the problem is the words of a text with its arguments (option names, values).
int UsageError(const char* command, const std::string& problem);
int UsageError(const char* command, const Text& problem, const std::vector<std::string>& args = {});

// A file name as the operating system takes it.
std::string LocalPath(const QString& file);

// Prints the one stderr line for a failed file operation and returns ExitFile.
int FileFailure(Status status, Language lang, const QString& file);

}  // namespace talvo::cli
