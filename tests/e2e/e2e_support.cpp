#include "e2e_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace talvo::e2e {
namespace {

class Pipe {
  public:
    Pipe() {
        if (::pipe2(fds_, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    int read() const { return fds_[0]; }
    int write() const { return fds_[1]; }
    void closeRead() { closeEnd(0); }
    void closeWrite() { closeEnd(1); }

  private:
    void closeEnd(int i) {
        if (fds_[i] >= 0) ::close(fds_[i]);
        fds_[i] = -1;
    }
    int fds_[2] = {-1, -1};
};

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const ProcessOptions& options) {
    // Everything the child needs is prepared before fork: after it only system calls run.
    std::vector<std::string> argStore = {program};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStore) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStore;
    // An entry given in the options replaces the inherited one of the same name.
    const auto overridden = [&options](const std::string& entry) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        for (const std::string& own : options.environment)
            if (own.rfind(name, 0) == 0) return true;
        return false;
    };
    for (char** e = environ; *e != nullptr; ++e)
        if (!overridden(*e)) envStore.emplace_back(*e);
    envStore.insert(envStore.end(), options.environment.begin(), options.environment.end());
    std::vector<char*> envp;
    for (auto& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string workDir = options.workingDirectory.string();

    Pipe in, out, err;
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(in.read(), 0);
        ::dup2(out.write(), 1);
        ::dup2(err.write(), 2);
        if (!workDir.empty() && ::chdir(workDir.c_str()) != 0) ::_exit(126);
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    in.closeRead();
    out.closeWrite();
    err.closeWrite();
    ::fcntl(in.write(), F_SETFL, O_NONBLOCK);

    ProcessResult result;
    std::size_t written = 0;
    if (options.input.empty()) in.closeWrite();
    const auto deadline = std::chrono::steady_clock::now() + options.timeout;
    bool outOpen = true, errOpen = true;
    while (outOpen || errOpen) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        pollfd fds[3] = {{outOpen ? out.read() : -1, POLLIN, 0},
                         {errOpen ? err.read() : -1, POLLIN, 0},
                         {in.write(), POLLOUT, 0}};
        const int ready = ::poll(fds, 3, static_cast<int>(std::min<long long>(left.count(), 1000)));
        if (ready < 0 && errno != EINTR) break;
        char buffer[65536];
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || fds[k].revents == 0) continue;
            const ssize_t n = ::read(fds[k].fd, buffer, sizeof buffer);
            if (n > 0) {
                (k == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                (k == 0 ? outOpen : errOpen) = false;
            }
        }
        if (fds[2].fd >= 0 && fds[2].revents != 0) {
            const ssize_t n =
                ::write(in.write(), options.input.data() + written, options.input.size() - written);
            if (n > 0) written += static_cast<std::size_t>(n);
            if (n < 0 || written == options.input.size()) in.closeWrite();
        }
    }
    in.closeWrite();
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.exitCode = 128 + WTERMSIG(status);
    return result;
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "talvo-e2e-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutFileBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const auto& [k, v] : object) {
        if (k == key) return &v;
    }
    return nullptr;
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    static const JsonValue null;
    const JsonValue* v = find(key);
    return v ? *v : null;
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    static const JsonValue null;
    return index < array.size() ? array[index] : null;
}

namespace {

class JsonParser {
  public:
    explicit JsonParser(std::string_view text) : s_(text) {}

    std::optional<JsonValue> document(std::string* error) {
        JsonValue v;
        skipSpace();
        if (value(v, 0)) {
            skipSpace();
            if (pos_ == s_.size()) return v;
            fail("text after the value");
        }
        if (error) *error = error_ + " at offset " + std::to_string(pos_);
        return std::nullopt;
    }

  private:
    bool fail(const std::string& why) {
        if (error_.empty()) error_ = why;
        return false;
    }
    void skipSpace() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r')) {
            ++pos_;
        }
    }
    bool literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word) return fail("unknown literal");
        pos_ += word.size();
        return true;
    }

    bool value(JsonValue& v, int depth) {
        if (depth > 200) return fail("nested too deeply");
        if (pos_ >= s_.size()) return fail("unexpected end");
        switch (s_[pos_]) {
            case '{':
                return objectValue(v, depth);
            case '[':
                return arrayValue(v, depth);
            case '"':
                v.type = JsonValue::Type::String;
                return stringValue(v.string);
            case 't':
                v.type = JsonValue::Type::Bool;
                v.boolean = true;
                return literal("true");
            case 'f':
                v.type = JsonValue::Type::Bool;
                return literal("false");
            case 'n':
                v.type = JsonValue::Type::Null;
                return literal("null");
            default:
                return numberValue(v);
        }
    }

    bool objectValue(JsonValue& v, int depth) {
        v.type = JsonValue::Type::Object;
        ++pos_;
        skipSpace();
        if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
        while (true) {
            skipSpace();
            std::string key;
            if (pos_ >= s_.size() || s_[pos_] != '"') return fail("expected a member name");
            if (!stringValue(key)) return false;
            skipSpace();
            if (pos_ >= s_.size() || s_[pos_] != ':') return fail("expected ':'");
            ++pos_;
            skipSpace();
            JsonValue member;
            if (!value(member, depth + 1)) return false;
            v.object.emplace_back(std::move(key), std::move(member));
            skipSpace();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
            return fail("expected ',' or '}'");
        }
    }

    bool arrayValue(JsonValue& v, int depth) {
        v.type = JsonValue::Type::Array;
        ++pos_;
        skipSpace();
        if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
        while (true) {
            skipSpace();
            JsonValue element;
            if (!value(element, depth + 1)) return false;
            v.array.push_back(std::move(element));
            skipSpace();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
            return fail("expected ',' or ']'");
        }
    }

    bool numberValue(JsonValue& v) {
        v.type = JsonValue::Type::Number;
        const std::size_t start = pos_;
        const auto digits = [&] {
            const std::size_t from = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
            return pos_ - from;
        };
        if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
        if (pos_ < s_.size() && s_[pos_] == '0') {
            ++pos_;
        } else if (digits() == 0) {
            return fail("expected a value");
        }
        if (pos_ < s_.size() && s_[pos_] == '.') {
            ++pos_;
            if (digits() == 0) return fail("expected digits after '.'");
        }
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
            if (digits() == 0) return fail("expected exponent digits");
        }
        v.number = std::strtod(std::string(s_.substr(start, pos_ - start)).c_str(), nullptr);
        return true;
    }

    static void appendUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool hex4(std::uint32_t& cp) {
        if (pos_ + 4 > s_.size()) return fail("short \\u escape");
        cp = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[pos_++];
            cp <<= 4;
            if (c >= '0' && c <= '9')
                cp |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                cp |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                cp |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return fail("bad \\u escape");
        }
        return true;
    }

    // One UTF-8 character of the raw text, checked for validity.
    bool rawCharacter(std::string& out) {
        const auto lead = static_cast<unsigned char>(s_[pos_]);
        std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || pos_ + length > s_.size()) return fail("invalid UTF-8");
        std::uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(s_[pos_ + k]);
            if ((c & 0xC0) != 0x80) return fail("invalid UTF-8");
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return fail("invalid UTF-8");
        }
        out.append(s_.substr(pos_, length));
        pos_ += length;
        return true;
    }

    bool stringValue(std::string& out) {
        ++pos_;  // opening quote
        while (true) {
            if (pos_ >= s_.size()) return fail("unterminated string");
            const char c = s_[pos_];
            if (c == '"') return ++pos_, true;
            if (static_cast<unsigned char>(c) < 0x20) return fail("unescaped control character");
            if (c != '\\') {
                if (!rawCharacter(out)) return false;
                continue;
            }
            if (++pos_ >= s_.size()) return fail("unterminated escape");
            const char e = s_[pos_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    std::uint32_t cp;
                    if (!hex4(cp)) return false;
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        std::uint32_t low;
                        if (s_.substr(pos_, 2) != "\\u") return fail("lone surrogate");
                        pos_ += 2;
                        if (!hex4(low) || low < 0xDC00 || low > 0xDFFF)
                            return fail("lone surrogate");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                        return fail("lone surrogate");
                    }
                    appendUtf8(out, cp);
                    break;
                }
                default:
                    return fail("unknown escape");
            }
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::string error_;
};

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text, std::string* error) {
    return JsonParser(text).document(error);
}

}  // namespace talvo::e2e
