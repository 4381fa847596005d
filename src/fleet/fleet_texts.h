#pragma once

#include <string>

#include "fleet/radio_rows.h"
#include "model/text.h"

namespace talvo::fleet {

// The words of a fleet run's set-up, for the window and talvo-cli (how each radio ended is worded
// with every other outcome in jobs/outcome_words.h).

// What is wrong with the per-radio values file, naming the line.
Message RowsProblemText(const RowsProblem& problem);

// That a fleet write leaves each radio's own power calibration alone.
Text CalibrationKeptText();

}  // namespace talvo::fleet
