#pragma once

#include <string>

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
    Faults faults;
};

// Parses the command line; returns an error text (empty on success). `help` is set for -h.
std::string ParseOptions(int argc, char** argv, Options& options, bool& help);

const char* UsageText();

}  // namespace talvo::radiosim
