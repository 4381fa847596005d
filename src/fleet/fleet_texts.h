#pragma once

#include <string>

#include "fleet/fleet_outcome.h"
#include "fleet/radio_rows.h"
#include "model/text.h"

namespace talvo::fleet {

// The words of a fleet run: one table for the window and talvo-cli.

// "verified", "wrong radio (not this model)", ... for a person (the report keeps OutcomeName).
Message OutcomeText(FleetOutcome outcome);

// What is wrong with the per-radio values file, naming the line.
Message RowsProblemText(const RowsProblem& problem);

// That a fleet write leaves each radio's own power calibration alone.
Text CalibrationKeptText();

}  // namespace talvo::fleet
