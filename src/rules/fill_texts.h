#pragma once

#include "model/text.h"
#include "rules/channel_fill.h"

namespace talvo {

// The words of a fill series' preview: what keeps the series from being filled (empty for
// None), and what one channel's row gets ("New channel", "Filled", "Stays: <why>").
Message FillProblemText(FillProblem problem);
Message FillRowResult(const FillRow& row);

}  // namespace talvo
