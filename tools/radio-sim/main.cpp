// talvo-radio-sim: a virtual radio on a pseudo-terminal, for tests, benchmarks and demos.

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>
#include <random>
#include <thread>

#include "pty_line.h"
#include "radio_memory.h"
#include "radio_presence.h"
#include "radio_responder.h"
#include "sim_options.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace talvo::radiosim;
    Options options;
    bool help = false;
    if (const std::string error = ParseOptions(argc, argv, options, help); !error.empty()) {
        std::fprintf(stderr, "talvo-radio-sim: %s\n%s", error.c_str(), UsageText());
        return 2;
    }
    if (help) {
        std::fputs(UsageText(), stdout);
        return 0;
    }

    Memory memory = SampleMemory();
    if (!options.loadPath.empty()) {
        if (const std::string error = LoadDatFile(options.loadPath, memory); !error.empty()) {
            std::fprintf(stderr, "talvo-radio-sim: %s\n", error.c_str());
            return 2;
        }
    }
    const Clock::time_point start = Clock::now();
    Transcript transcript(start);
    if (!options.transcriptPath.empty()) {
        if (const std::string error = transcript.open(options.transcriptPath); !error.empty()) {
            std::fprintf(stderr, "talvo-radio-sim: %s\n", error.c_str());
            return 2;
        }
    }
    PtyLine line;
    if (const std::string error = line.open(); !error.empty()) {
        std::fprintf(stderr, "talvo-radio-sim: %s\n", error.c_str());
        return 1;
    }
    line.setPacing(options.baudPacing);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("%s\n", line.devicePath().c_str());
    std::fflush(stdout);

    // The memory every arriving radio starts with.
    const Memory fresh = memory;
    RadioPresence presence(options.presence, start);
    std::optional<RadioResponder> radio;
    int status = 0;
    auto save = [&](int number) {
        const auto pathFor = [&](const std::string& path) {
            return options.severalRadios() ? NumberedPath(path, number) : path;
        };
        if (!options.savePath.empty()) {
            if (const std::string error = SaveDatFile(pathFor(options.savePath), memory);
                !error.empty()) {
                std::fprintf(stderr, "talvo-radio-sim: %s\n", error.c_str());
                status = 1;
            }
        }
        if (!options.rawPath.empty()) {
            if (const std::string error = SaveRawFile(pathFor(options.rawPath), memory);
                !error.empty()) {
                std::fprintf(stderr, "talvo-radio-sim: %s\n", error.c_str());
                status = 1;
            }
        }
    };
    auto arrive = [&](Clock::time_point now) {
        if (presence.update(now) != RadioPresence::Change::Arrived) return;
        if (presence.radioNumber() > 1) memory = fresh;
        const bool faulty =
            options.faultyRadio == 0 || options.faultyRadio == presence.radioNumber();
        // Behaviours belong to every radio, faults only to the faulty one.
        Faults behaviours;
        behaviours.answerEveryEnd = options.faults.answerEveryEnd;
        radio.emplace(memory, faulty ? options.faults : behaviours);
        auto tail = options.identificationTail;
        tail[1] = static_cast<std::uint8_t>(tail[1] + presence.radioNumber() - 1);
        radio->setIdentificationTail(tail);
    };
    arrive(Clock::now());

    std::mt19937 random(options.seed);
    auto turnaround = [&](bool toEnd) {
        int ms = options.turnaroundMs;
        if (options.lateAnswersMs > 0)
            ms += std::uniform_int_distribution<int>(0, options.lateAnswersMs)(random);
        if (toEnd) ms = std::max(ms, options.lateEndAnswerMs);
        return std::chrono::milliseconds(ms);
    };
    std::uint8_t buffer[4096];
    // Handles everything waiting on the line; false when the line failed.
    auto serveWaiting = [&]() {
        const long got = line.readSome(buffer);
        if (got <= 0) return got == 0;
        const Clock::time_point readAt = Clock::now();
        transcript.record('P',
                          std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(got)));
        arrive(readAt);
        for (long i = 0; i < got; ++i) {
            line.awaitArrival(readAt);
            if (!presence.attached()) continue;  // nobody there to hear it
            const std::vector<std::uint8_t> reply = radio->take(buffer[i]);
            if (const auto ended = radio->takeSessionEnd()) {
                if (presence.sessionEnded(*ended, Clock::now()) == RadioPresence::Change::Left) {
                    // Its last acknowledge still goes out as the cable is let go.
                    if (!reply.empty()) line.send(reply);
                    transcript.record('R', reply);
                    if (options.severalRadios()) save(presence.radioNumber());
                    continue;
                }
            }
            if (reply.empty()) continue;
            if (const auto wait = turnaround(radio->answeredEnd()); wait.count() > 0)
                std::this_thread::sleep_for(wait);
            line.send(reply);
            transcript.record('R', reply);
        }
        return true;
    };
    while (!g_stop) {
        int waitMs = 500;
        if (const auto next = presence.nextChange()) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now()).count();
            waitMs = static_cast<int>(std::clamp<long long>(left, 0, waitMs));
        }
        pollfd fds[2] = {{line.fd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const int ready = ::poll(fds, options.ignoreStdin ? 1 : 2, waitMs);
        arrive(Clock::now());
        if (ready < 0) continue;  // a signal: the loop condition decides
        if (fds[0].revents & POLLIN) {
            if (!serveWaiting()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) {
            char sink[256];
            if (::read(STDIN_FILENO, sink, sizeof sink) <= 0) break;  // stdin closed: we are done
        }
    }
    // Bytes the program sent just before it let go still belong in the transcript.
    for (pollfd p{line.fd(), POLLIN, 0}; ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);) {
        if (!serveWaiting()) break;
    }

    // With several radios, the ones that left were saved as they went.
    if (!options.severalRadios()) {
        save(1);
    } else if (presence.attached()) {
        save(presence.radioNumber());
    }
    return status;
}
