#include "rules/channel_fill.h"

#include <cstdio>

#include "rules/channel_table.h"

namespace talvo {
namespace {

constexpr int kHzDecimals = 6;                   // a frequency in MHz, to the hertz
constexpr int kStepDecimals = 3;                 // a step in kHz, to the hertz
constexpr std::int64_t kMaxHz = 10'000'000'000;  // far above any radio band

// `hz` as MHz text with six decimals; the band check then rounds and snaps it as typing does.
std::string MhzText(std::int64_t hz) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(hz / 1'000'000),
                  static_cast<long long>(hz % 1'000'000));
    return text;
}

struct NamePart {
    std::string literal;  // used when width < 0
    int width = -1;       // the number, zero-padded to this many digits
};

std::optional<std::vector<NamePart>> ParsePattern(std::string_view pattern) {
    std::vector<NamePart> parts;
    std::string literal;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '}') return std::nullopt;
        if (c != '{') {
            literal.push_back(c);
            continue;
        }
        const std::size_t close = pattern.find('}', i);
        if (close == std::string_view::npos) return std::nullopt;
        const std::string_view inside = pattern.substr(i + 1, close - i - 1);
        int width = 1;
        if (inside.size() == 4 && inside.substr(0, 3) == "n:0" && inside[3] >= '1' &&
            inside[3] <= '5') {
            width = inside[3] - '0';  // {n:02}
        } else if (inside != "n") {
            return std::nullopt;
        }
        if (!literal.empty()) parts.push_back({std::move(literal), -1});
        literal.clear();
        parts.push_back({{}, width});
        i = close;
    }
    if (!literal.empty()) parts.push_back({std::move(literal), -1});
    // Letters are typed in upper case; any other character a name cannot hold spoils the
    // pattern for every channel alike.
    for (NamePart& part : parts) {
        if (part.width >= 0) continue;
        const NameCheck check = CheckTypedName(part.literal);
        if (check.refusal == EditRefusal::NameCharacters) return std::nullopt;
        part.literal = check.name;
    }
    return parts;
}

std::string NameFor(const std::vector<NamePart>& parts, long long number) {
    std::string name;
    for (const NamePart& part : parts) {
        if (part.width < 0) {
            name += part.literal;
            continue;
        }
        std::string digits = std::to_string(number < 0 ? -number : number);
        if (static_cast<int>(digits.size()) < part.width) {
            digits.insert(0, static_cast<std::size_t>(part.width) - digits.size(), '0');
        }
        name += (number < 0 ? "-" : "") + digits;
    }
    return name;
}

}  // namespace

std::optional<std::int64_t> ParseScaled(std::string_view text, int decimals) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    int digits = 0;
    int fraction = -1;  // decimals read after the point, -1 before it
    for (char c : text) {
        if (c == '.' && fraction < 0) {
            fraction = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        if (fraction >= 0 && ++fraction > decimals) {
            if (c != '0') return std::nullopt;  // finer than the unit
            continue;
        }
        value = value * 10 + (c - '0');
        if (value > kMaxHz) return std::nullopt;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    for (int k = std::max(fraction, 0); k < decimals; ++k) value *= 10;
    return negative ? -value : value;
}

FillPlan PlanFill(const ChannelStores& stores, const BandState& band, const ChannelList& channels,
                  const FillSeries& series) {
    FillPlan plan;
    if (!series.fillRx && series.tx == TxFill::Keep && !series.fillNames) {
        plan.problem = FillProblem::NothingToFill;
        return plan;
    }
    std::int64_t start = 0;
    std::int64_t step = 0;
    std::int64_t offset = 0;
    std::vector<NamePart> pattern;
    if (series.fillRx) {
        const auto s = ParseScaled(series.rxStartMhz, kHzDecimals);
        const auto k = ParseScaled(series.rxStepKhz, kStepDecimals);
        if (!s) plan.problem = FillProblem::BadStart;
        if (s && !k) plan.problem = FillProblem::BadStep;
        start = s.value_or(0);
        step = k.value_or(0);
    }
    if (plan.problem == FillProblem::None && series.tx == TxFill::Offset) {
        const auto o = ParseScaled(series.txOffsetMhz, kHzDecimals);
        if (!o) plan.problem = FillProblem::BadOffset;
        offset = o.value_or(0);
    }
    if (plan.problem == FillProblem::None && series.fillNames) {
        auto parts = ParsePattern(series.namePattern);
        if (!parts) plan.problem = FillProblem::BadPattern;
        pattern = std::move(parts).value_or(std::vector<NamePart>{});
    }
    if (plan.problem != FillProblem::None) return plan;

    const ChannelList targets = NormalizedChannels(channels);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const int ch = targets[i];
        FillRow row;
        row.channel = ch;
        row.rx = FrequencyText(stores.at(ch).rx);
        row.tx = FrequencyText(stores.at(ch).tx);
        row.name = stores.at(ch).name;
        row.starts = series.fillRx && stores.isFree(ch);
        const auto n = static_cast<std::int64_t>(i);
        auto refuse = [&](EditRefusal reason) {
            if (!row.refusal) row.refusal = reason;
        };
        if (series.fillRx) {
            const std::int64_t hz = start + n * step;
            row.rx = hz > 0 && hz < kMaxHz ? BandCheckedFrequency(band, MhzText(hz)) : "";
            if (row.rx.empty()) refuse(EditRefusal::OutOfBand);
            if (row.starts) row.tx = row.rx;
        } else if (stores.isFree(ch)) {
            refuse(EditRefusal::FreeChannel);
        }
        if (!row.refusal && series.tx != TxFill::Keep) {
            const auto rxHz = ParseScaled(row.rx, kHzDecimals);
            const std::int64_t hz = rxHz.value_or(0) + (series.tx == TxFill::Offset ? offset : 0);
            row.tx = rxHz && hz > 0 && hz < kMaxHz ? BandCheckedFrequency(band, MhzText(hz)) : "";
            if (row.tx.empty()) refuse(EditRefusal::OutOfBand);
        }
        if (series.fillNames) {
            const NameCheck check = CheckTypedName(NameFor(pattern, series.firstNumber + n));
            row.name = check.name;
            if (check.refusal) refuse(*check.refusal);
        }
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

ChannelList ApplyFill(ChannelStores& stores, const BandState& band, const FillPlan& plan) {
    ChannelList changed;
    if (plan.problem != FillProblem::None) return changed;
    for (const FillRow& row : plan.rows) {
        if (row.refusal) continue;
        const ChannelRecord before = TakeChannel(stores, row.channel);
        const Channel& now = stores.at(row.channel);
        if (row.rx != FrequencyText(now.rx)) {
            CommitFrequency(stores, band, row.channel, kColRxFreq, row.rx);
        }
        if (row.tx != FrequencyText(now.tx)) {
            CommitFrequency(stores, band, row.channel, kColTxFreq, row.tx);
        }
        if (row.name != now.name) StoreName(stores, row.channel, row.name);
        if (!(TakeChannel(stores, row.channel) == before)) changed.push_back(row.channel);
    }
    return changed;
}

}  // namespace talvo
