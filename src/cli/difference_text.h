#pragma once

#include <string>

#include "compare/byte_compare.h"
#include "model/language.h"

namespace talvo::cli {

// "the radio does not hold what was written: first difference at 0x1A3, 5 bytes differ" in
// `lang`.
std::string ByteDifferenceText(const compare::ByteDifference& difference, LanguageFlagValue lang);

}  // namespace talvo::cli
