#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "radio_presence.h"
#include "radio_responder.h"

namespace talvo::radiosim {

struct Options {
    std::string loadPath;        // .dat to start from; empty: the built-in sample
    std::string savePath;        // .dat written on exit
    std::string rawPath;         // all 0xC30 bytes written on exit
    std::string transcriptPath;  // both directions, timed
    bool baudPacing = false;
    bool ignoreStdin = false;  // serve until killed, even with stdin closed or a terminal
    int turnaroundMs = 0;
    int lateAnswersMs = 0;    // each answer waits a further 0..this many ms, drawn at random
    int lateEndAnswerMs = 0;  // the answer to an "E" waits at least this long
    unsigned seed = 1;        // for the random draws
    Faults faults;
    PresenceOptions presence;
    int faultyRadio = 0;  // with several radios: only this one has the faults (0: every one)
    std::array<std::uint8_t, 2> identificationTail = {0x01, 0x50};

    // More than one radio may come to the cable.
    bool severalRadios() const { return presence.nextAfterMs >= 0; }
};

// With several radios, radio n's memory is saved as "name-n.ext".
std::string NumberedPath(const std::string& path, int radio);

// Parses the command line; returns an error text (empty on success). `help` is set for -h.
std::string ParseOptions(int argc, char** argv, Options& options, bool& help);

const char* UsageText();

}  // namespace talvo::radiosim
