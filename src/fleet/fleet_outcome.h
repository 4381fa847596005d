#pragma once

#include <optional>
#include <string_view>

#include "jobs/outcome.h"

namespace talvo::fleet {

// The outcome set is the jobs' own, worded with the others in jobs/outcome_words.h.
using jobs::FleetOutcome;
inline constexpr const auto& kAllOutcomes = jobs::kAllFleetOutcomes;

// "verified", "verify-failed", "no-radio", ...
std::string_view OutcomeName(FleetOutcome outcome);
std::optional<FleetOutcome> OutcomeFromName(std::string_view name);

}  // namespace talvo::fleet
