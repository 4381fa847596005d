#pragma once

#include <string>

#include "fleet/fleet_outcome.h"
#include "fleet/radio_rows.h"
#include "model/language.h"

namespace talvo::fleet {

// The words of a fleet run, in both languages: one table for the window and talvo-cli.

// "verified", "wrong radio (not this model)", ... for a person (the report keeps OutcomeName).
std::string OutcomeText(FleetOutcome outcome, LanguageFlagValue lang);

// What is wrong with the per-radio values file, naming the line.
std::string RowsProblemText(const RowsProblem& problem, LanguageFlagValue lang);

// That a fleet write leaves each radio's own power calibration alone.
std::string CalibrationKeptText(LanguageFlagValue lang);

}  // namespace talvo::fleet
