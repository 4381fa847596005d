#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/text.h"
#include "radio/state/band.h"
#include "radio/state/channels.h"
#include "rules/channel_ops.h"
#include "rules/column_edit.h"

namespace talvo {

// Filling a run of channels with a series: receive frequencies from a start in steps, the
// transmit frequency equal to the receive one or at an offset from it, names from a pattern
// with a number. Every value goes through the checks typing uses.

enum class TxFill {
    Keep,      // transmit frequencies stay (a channel started by the fill gets its receive one)
    SameAsRx,  // transmit = receive
    Offset,    // transmit = receive + offset
};

struct FillSeries {
    bool fillRx = false;
    std::string rxStartMhz;  // "446.00625"
    std::string rxStepKhz;   // "12.5"; may be negative
    TxFill tx = TxFill::Keep;
    std::string txOffsetMhz;  // "-5", "+0.6"
    bool fillNames = false;
    // Literal characters and `{n}` (the number) or `{n:0W}` (the number with at least W
    // digits, zeros in front; W 1..5). Letters are taken in upper case, as typed.
    std::string namePattern;
    int firstNumber = 1;
};

// A fault of the series as a whole: nothing can be filled until it is mended.
enum class FillProblem {
    None,
    NothingToFill,  // neither frequencies nor names are filled
    BadStart,       // the start frequency is no number
    BadStep,        // the step is no number
    BadOffset,      // the offset is no number
    BadPattern,     // an unknown `{...}`, a lone brace, or a character names cannot hold
};

// What one channel gets.
struct FillRow {
    int channel = 0;
    std::string rx, tx, name;            // as stored after the fill (what the grid will show)
    bool starts = false;                 // a free channel the fill starts
    std::optional<EditRefusal> refusal;  // the channel stays as it is
};

struct FillPlan {
    FillProblem problem = FillProblem::None;
    std::vector<FillRow> rows;  // one per channel, in channel order
};

// The series over `channels` (in ascending order, the first gets the start value).
FillPlan PlanFill(const ChannelStores& stores, const BandState& band, const ChannelList& channels,
                  const FillSeries& series);

// Applies the rows of `plan` that are not refused; returns the channels that changed.
ChannelList ApplyFill(ChannelStores& stores, const BandState& band, const FillPlan& plan);

// A decimal text with at most `decimals` decimals as a whole number of 10^-decimals units
// ("12.5", 3 -> 12500; "-0.6", 6 -> -600000). nullopt when it is no such number.
std::optional<std::int64_t> ParseScaled(std::string_view text, int decimals);

}  // namespace talvo
