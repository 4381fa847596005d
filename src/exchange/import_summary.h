#pragma once

#include <string>
#include <vector>

#include "exchange/channel_import.h"
#include "model/text.h"

namespace talvo {

// What an import of the file `fileName` would do, as its preview says it above the rows: the
// counts of rows and their fates, the channels replaced, the rows that change nothing, and the
// notes on the file as a whole; one line each.
std::vector<Message> ImportSummary(const ImportPlan& plan, const std::string& fileName);

}  // namespace talvo
