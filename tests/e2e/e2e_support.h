#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvo::e2e {

// What a finished child process left behind.
struct ProcessResult {
    int exitCode = -1;      // exit status, or 128 + signal number when killed by a signal
    std::string out;        // everything written to stdout
    std::string err;        // everything written to stderr
    bool timedOut = false;  // killed because it ran past the time limit
};

struct ProcessOptions {
    std::string input;                         // written to the child's stdin, then closed
    std::vector<std::string> environment;      // extra "NAME=value" entries
    std::chrono::milliseconds timeout{60000};  // the child is killed after this long
    std::filesystem::path workingDirectory;    // empty: the current one
};

// Runs `program` with `args` and waits for it (never longer than the timeout).
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const ProcessOptions& options = {});

// Splits a text into lines without their line ends (a last line without one counts too).
std::vector<std::string> Lines(std::string_view text);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file);
void PutFileBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// A parsed JSON value. Strings are held as UTF-8.
struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<JsonValue> array;
    std::vector<std::pair<std::string, JsonValue>> object;  // in document order

    bool is(Type t) const { return type == t; }
    // The member `key` of an object, or nullptr.
    const JsonValue* find(std::string_view key) const;
    // The member `key`; a Null value when absent.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const;
};

// Parses a complete JSON text (RFC 8259: one value, optional surrounding white space, strings
// of valid UTF-8). On failure returns nullopt and describes the first problem in `error`.
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error = nullptr);

}  // namespace talvo::e2e
