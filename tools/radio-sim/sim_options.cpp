#include "sim_options.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace talvo::radiosim {

const char* UsageText() {
    return "usage: talvo-radio-sim [options]\n"
           "A virtual radio on a pseudo-terminal. Prints the device path on the first line of\n"
           "stdout and serves until stdin is closed or it is killed (SIGTERM, SIGINT).\n"
           "  --load FILE.dat          start from this data file (default: a built-in sample)\n"
           "  --save FILE.dat          save the memory to a data file on exit\n"
           "  --save-raw FILE          save all 0xC30 bytes of memory on exit\n"
           "  --transcript FILE        log both directions: '<ms> P|R <hex>' per chunk\n"
           "  --ignore-stdin           serve until killed, whatever stdin does\n"
           "  --baud-pacing            every byte takes 1/960 s each way (9600 baud 8N1)\n"
           "  --turnaround-ms MS       wait this long before each answer\n"
           "  --late-answers MS        each answer waits a further 0..MS ms, at random\n"
           "  --late-end-answer MS     the answer to an \"E\" waits at least MS ms\n"
           "  --seed N                 seed of the random draws (default 1)\n"
           "  --id-tail XXXX           the identification's last two bytes, in hex (0150)\n"
           "behaviours a radio may have:\n"
           "  --answer-every-e         answer every \"E\" with 0x06, also one outside a session\n"
           "                           (the second \"E\" that ends a read)\n"
           "arrival and departure (a radio that is not there answers nothing):\n"
           "  --arrive-after-ms MS     the radio comes to the cable this long after the start\n"
           "  --leave-after write|read-back\n"
           "                           the radio goes after a complete write, or after the\n"
           "                           first complete read that follows one\n"
           "  --next-radio-after-ms MS after a radio left, the next one (fresh memory, the\n"
           "                           identification's last byte one higher) arrives\n"
           "  --radios N               with --next-radio-after-ms: N radios in all\n"
           "                           (default: no limit); --save FILE.dat then saves radio n\n"
           "                           as FILE-n.dat when it leaves or the sim ends\n"
           "  --faults-on-radio N      only the N-th radio has the faults below (default: all)\n"
           "faults:\n"
           "  --silent                 never answer\n"
           "  --stop-after-frames N    answer N frames, then nothing\n"
           "  --wrong-id               identify as RQZ-DX\n"
           "  --id-length 7|9          identification of 7 or 9 bytes\n"
           "  --nak-block N            answer the N-th written block with 0x15\n"
           "  --wrong-address-block N  echo a wrong address in the N-th read block\n"
           "  --short-block N          send the N-th read block one byte short\n"
           "  --stray-before-ack N     send a stray 0x55 before the N-th acknowledge\n"
           "  --corrupt-block N        store the N-th written block with its 8th byte inverted\n"
           "  --drop-block N           acknowledge the N-th written block but do not store it\n"
           "  --cut-write-block N      go silent at the N-th written block until the next\n"
           "                           \"PROGRAM\" (a cable pulled in the middle of a write)\n"
           "Written blocks are counted over the whole run, so a later write is not affected.\n";
}

namespace {

bool ToTail(std::string_view s, std::array<std::uint8_t, 2>& tail) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 16);
    if (s.size() != 4 || ec != std::errc() || end != s.data() + s.size()) return false;
    tail = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
    return true;
}

bool ToInt(const char* text, int& out, int low, int high) {
    const std::string_view s(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || value < low || value > high)
        return false;
    out = value;
    return true;
}

}  // namespace

std::string NumberedPath(const std::string& path, int radio) {
    const std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot == slash + 1 || dot == 0)
        dot = path.size();
    return path.substr(0, dot) + "-" + std::to_string(radio) + path.substr(dot);
}

std::string ParseOptions(int argc, char** argv, Options& o, bool& help) {
    help = false;
    struct Counter {
        const char* name;
        int* target;
        int low, high;
    };
    const Counter counters[] = {
        {"--turnaround-ms", &o.turnaroundMs, 0, 10000},
        {"--late-answers", &o.lateAnswersMs, 0, 10000},
        {"--late-end-answer", &o.lateEndAnswerMs, 0, 10000},
        {"--stop-after-frames", &o.faults.stopAfterFrames, 1, 100000},
        {"--id-length", &o.faults.identificationLength, 7, 9},
        {"--nak-block", &o.faults.nakWrittenBlock, 1, 1000},
        {"--wrong-address-block", &o.faults.wrongAddressReadBlock, 1, 1000},
        {"--short-block", &o.faults.shortReadBlock, 1, 1000},
        {"--stray-before-ack", &o.faults.strayBeforeAck, 1, 1000},
        {"--corrupt-block", &o.faults.corruptWrittenBlock, 1, 1000},
        {"--drop-block", &o.faults.dropWrittenBlock, 1, 1000},
        {"--cut-write-block", &o.faults.cutWrittenBlock, 1, 1000},
        {"--arrive-after-ms", &o.presence.arriveAfterMs, 0, 3600000},
        {"--next-radio-after-ms", &o.presence.nextAfterMs, 0, 3600000},
        {"--radios", &o.presence.radios, 1, 10000},
        {"--faults-on-radio", &o.faultyRadio, 1, 10000},
    };
    struct Path {
        const char* name;
        std::string* target;
    };
    const Path paths[] = {{"--load", &o.loadPath},
                          {"--save", &o.savePath},
                          {"--save-raw", &o.rawPath},
                          {"--transcript", &o.transcriptPath}};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            help = true;
            return {};
        }
        if (arg == "--baud-pacing") {
            o.baudPacing = true;
            continue;
        }
        if (arg == "--ignore-stdin") {
            o.ignoreStdin = true;
            continue;
        }
        if (arg == "--answer-every-e") {
            o.faults.answerEveryEnd = true;
            continue;
        }
        if (arg == "--seed") {
            int seed = 0;
            if (i + 1 >= argc || !ToInt(argv[i + 1], seed, 0, 1000000000))
                return "--seed needs a number from 0 to 1000000000";
            o.seed = static_cast<unsigned>(seed);
            ++i;
            continue;
        }
        if (arg == "--silent") {
            o.faults.silent = true;
            continue;
        }
        if (arg == "--wrong-id") {
            o.faults.wrongIdentification = true;
            continue;
        }
        if (arg == "--leave-after") {
            const std::string_view value = i + 1 < argc ? argv[i + 1] : "";
            if (value == "write") {
                o.presence.leave = PresenceOptions::Leave::AfterWrite;
            } else if (value == "read-back") {
                o.presence.leave = PresenceOptions::Leave::AfterReadBack;
            } else {
                return "--leave-after takes write or read-back";
            }
            ++i;
            continue;
        }
        if (arg == "--id-tail") {
            if (i + 1 >= argc || !ToTail(argv[i + 1], o.identificationTail))
                return "--id-tail needs four hexadecimal digits";
            ++i;
            continue;
        }
        bool known = false;
        for (const Counter& c : counters) {
            if (arg != c.name) continue;
            known = true;
            if (i + 1 >= argc || !ToInt(argv[i + 1], *c.target, c.low, c.high)) {
                return std::string(c.name) + " needs a number from " + std::to_string(c.low) +
                       " to " + std::to_string(c.high);
            }
            if (arg == "--id-length" && *c.target == 8) return "--id-length takes 7 or 9";
            ++i;
        }
        for (const Path& p : paths) {
            if (arg != p.name) continue;
            known = true;
            if (i + 1 >= argc || std::strlen(argv[i + 1]) == 0)
                return std::string(p.name) + " needs a file name";
            *p.target = argv[++i];
        }
        if (!known) return "unknown option " + std::string(arg);
    }
    if (o.presence.radios > 0 && !o.severalRadios()) return "--radios needs --next-radio-after-ms";
    if (o.faultyRadio > 0 && !o.severalRadios())
        return "--faults-on-radio needs --next-radio-after-ms";
    if (o.severalRadios() && o.presence.leave == PresenceOptions::Leave::Never)
        return "--next-radio-after-ms needs --leave-after";
    return {};
}

}  // namespace talvo::radiosim
