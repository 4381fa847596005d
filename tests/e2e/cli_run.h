#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"

namespace talvo::e2e {

// Runs talvo-cli with `args`; a run that had to be killed fails the test.
inline ProcessResult Cli(const std::vector<std::string>& args) {
    ProcessResult r = RunProcess(TALVO_CLI_PATH, args);
    EXPECT_FALSE(r.timedOut);
    return r;
}

}  // namespace talvo::e2e
