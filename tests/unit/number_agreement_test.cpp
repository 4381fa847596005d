// Temporary: the double-based number rules next to the exact ones, on many texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <random>
#include <set>

#include "image/codecs.h"
#include "image/encode.h"
#include "model/program_state.h"
#include "radio/memory_layout.h"
#include "rules/channel_table.h"
#include "rules/fm_checks.h"
#include "rules/options_checks.h"

namespace talvo {
namespace {

bool IsDigitC(char c) {
    return c >= '0' && c <= '9';
}

struct Scan {
    bool negative = false;
    std::string_view integer, fraction;
    bool hasDigits() const { return !integer.empty() || !fraction.empty(); }
};
Scan ScanText(std::string_view text) {
    Scan n;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        n.negative = text[i] == '-';
        ++i;
    }
    const std::size_t s = i;
    while (i < text.size() && IsDigitC(text[i])) ++i;
    n.integer = text.substr(s, i - s);
    if (i < text.size() && text[i] == '.') {
        const std::size_t f = ++i;
        while (i < text.size() && IsDigitC(text[i])) ++i;
        n.fraction = text.substr(f, i - f);
    }
    return n;
}
double OldValue(std::string_view text) {
    const Scan n = ScanText(text);
    if (!n.hasDigits()) return 0.0;
    std::string digits(n.integer.empty() ? std::string_view("0") : n.integer);
    digits += '.';
    digits += n.fraction.empty() ? std::string_view("0") : n.fraction;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range || !std::isfinite(value)) {
        value = std::numeric_limits<double>::max();
    }
    return n.negative ? -value : value;
}
std::string OldFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 30);
    if (!std::isfinite(value)) value = 0.0;
    const bool negative = std::signbit(value);
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    std::string shortest = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    const std::size_t point = shortest.find('.');
    std::string integer = shortest.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : shortest.substr(point + 1);
    if (fraction.size() > static_cast<std::size_t>(decimals)) {
        const bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
        fraction.resize(static_cast<std::size_t>(decimals));
        if (roundUp) {
            std::string all = integer + fraction;
            std::size_t k = all.size();
            while (k > 0) {
                --k;
                if (all[k] == '9') {
                    all[k] = '0';
                } else {
                    ++all[k];
                    break;
                }
                if (k == 0) all.insert(all.begin(), '1');
            }
            integer = all.substr(0, all.size() - fraction.size());
            fraction = all.substr(all.size() - fraction.size());
        }
    }
    fraction.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
    const bool isZero =
        std::all_of(integer.begin(), integer.end(), [](char c) { return c == '0'; }) &&
        std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; });
    std::string out = negative && !isZero ? "-" : "";
    out += integer;
    if (decimals > 0) out += "." + fraction;
    return out;
}
struct OldBand {
    double aLow, aHigh, bLow, bHigh;
    bool contains(double m) const { return (aLow <= m && m < aHigh) || (bLow <= m && m < bHigh); }
};
const OldBand kOldBands[] = {{136, 174.99501, 400, 470.99501},
                             {144, 146, 430, 440},
                             {136, 174.99501, 460, 499.99501},
                             {136, 174.99501, 245, 245.99501},
                             {136, 174.99501, 450, 526.99501}};
std::string OldBandChecked(const OldBand& band, std::string_view text) {
    if (std::count(text.begin(), text.end(), '.') >= 2) return {};
    if (!ScanText(text).hasDigits()) return {};
    const double value = OldValue(text);
    if (!band.contains(value)) return {};
    const std::string snapped = SnapToRaster(OldFixed(value, 5));
    std::string stored = OldFixed(OldValue(snapped), 5);
    if (!band.contains(OldValue(stored))) return {};
    return stored;
}
std::string OldWhileTyping(std::string_view text) {
    if (OldValue(text) > 128.0) return "128";
    return std::string(text);
}
std::string OldOnLeave(std::string_view text) {
    const double value = OldValue(text);
    if (!(value >= 1.0)) return {};
    if (value > 1e9) return "1000000000";
    return std::to_string(static_cast<long long>(value));
}
std::string OldVfo(TextId field, std::string_view text) {
    const bool b = field == TextId::BVfoFrequency;
    const double low = b ? 400.0 : 136.0, high = b ? 470.0 : 174.0;
    const double value = OldValue(text);
    if (value >= low && value < high) return SnapToRaster(LeadingNumberText(text));
    return b ? "400.00000" : "136.00000";
}
std::string OldShortest(double value) {
    std::string s = OldFixed(value, 5);
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
}
std::string OldOffset(std::string_view text) {
    std::string capped = OldValue(text) > 99.995 ? "99.995" : LeadingNumberText(text);
    return OldShortest(OldValue(SnapToRaster(capped)));
}
bool IsPlain(std::string_view text) {
    int points = 0, digits = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (IsDigitC(c))
            ++digits;
        else
            return false;
    }
    return points <= 1 && digits > 0;
}
FmEntryCheck OldFm(std::string_view text) {
    if (text.empty()) return {FmEntry::Empty, {}};
    if (!IsPlain(text)) return {FmEntry::NotNumber, {}};
    const double value = OldValue(text);
    if (value < 87.0 || value > 107.9) return {FmEntry::OutOfRange, {}};
    return {FmEntry::Accepted, RoundTwoDecimals(LeadingNumberText(text))};
}
double OldRhe(double x) {
    const double down = std::floor(x);
    const double diff = x - down;
    if (diff > 0.5) return down + 1;
    if (diff < 0.5) return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1;
}
std::optional<std::array<std::uint8_t, 2>> OldEncodeFm(std::string_view text) {
    const double v = OldRhe((OldValue(text) - 87.0) * 10.0);
    if (!(v >= 0.0 && v <= 65535.0)) return std::nullopt;
    const auto n = static_cast<unsigned>(v);
    return std::array<std::uint8_t, 2>{static_cast<std::uint8_t>(n >> 8),
                                       static_cast<std::uint8_t>(n & 0xFF)};
}
std::optional<int> OldChannelByte(const std::string& text) {
    if (text.empty()) return 0xFF;
    const double v = std::nearbyint(OldValue(text));
    if (v >= 0 && v <= 255) return static_cast<int>(v);
    return std::nullopt;
}

// Significant digits of the leading number, and whether it lies outside the double range.
std::size_t Significant(std::string_view text) {
    const Scan n = ScanText(text);
    std::string all = std::string(n.integer) + std::string(n.fraction);
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const auto last = all.find_last_not_of('0');
    return last - first + 1;
}
bool Tiny(std::string_view text) {
    const Scan n = ScanText(text);
    if (n.integer.find_first_not_of('0') != std::string_view::npos) return false;
    const auto first = n.fraction.find_first_not_of('0');
    return first != std::string_view::npos && first >= 300;
}

// Decimal text arithmetic for the texts around a limit: one unit in the last place less.
std::string Below(std::string s) {
    for (std::size_t k = s.size(); k-- > 0;) {
        if (s[k] == '.') continue;
        if (s[k] != '0') {
            --s[k];
            break;
        }
        s[k] = '9';
    }
    return s;
}

std::vector<std::string> Texts() {
    std::vector<std::string> out;
    std::mt19937 rng(20261210);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::string alphabet = "0123456789012345678901234567890123456789.. +-\tx5";
    for (int i = 0; i < 60000; ++i) {
        std::string t;
        const int len = pick(26);
        for (int k = 0; k < len; ++k)
            t += alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        out.push_back(t);
    }
    for (int i = 0; i < 2000; ++i) {
        std::string t(static_cast<std::size_t>(1 + pick(400)), '0');
        for (char& c : t) c = static_cast<char>('0' + pick(10));
        if (pick(2)) t.insert(static_cast<std::size_t>(pick(static_cast<int>(t.size()))), ".");
        if (pick(4) == 0) t = "0." + std::string(static_cast<std::size_t>(pick(400)), '0') + t;
        out.push_back(t);
    }
    const char* limits[] = {"136",     "174",       "174.995",   "174.99501", "400",   "470",
                            "470.995", "470.99501", "146",       "144",       "430",   "440",
                            "460",     "499.99501", "245",       "245.99501", "450",   "526.99501",
                            "87",      "107.9",     "99.995",    "128",       "1",     "1000000000",
                            "255",     "0",         "255.5",     "6640.55",   "86.95", "0.5",
                            "254.5",   "145.125",   "145.12500", "98.55"};
    for (const char* l : limits) {
        std::string lim = l;
        if (lim.find('.') == std::string::npos) lim += ".";
        for (int m = 0; m <= 22; ++m) {
            std::string up = lim + std::string(static_cast<std::size_t>(m), '0') + "1";
            std::string exact = lim + std::string(static_cast<std::size_t>(m), '0');
            std::string down = Below(exact + "0") + std::string(static_cast<std::size_t>(m), '9');
            for (auto* t : {&up, &exact, &down}) {
                out.push_back(*t);
                out.push_back("-" + *t);
                out.push_back(" " + *t + "x");
                out.push_back("0" + *t);
            }
        }
        // every five-decimal value around the limit
        std::int64_t units = DecimalNumber::Leading(l).units(5).units;
        for (std::int64_t u = units - 2000; u <= units + 2000; ++u) {
            if (u < 0) continue;
            out.push_back(DecimalNumber::FromUnits(u, 5).fixed(5));
        }
    }
    for (int k = 8000; k <= 11300; ++k)
        out.push_back(std::to_string(k / 100) + "." + std::to_string(k / 10 % 10) +
                      std::to_string(k % 10));
    return out;
}

struct Differences {
    std::map<std::string, std::vector<std::string>> seen;
    std::map<std::string, int> count;
    std::map<std::string, std::size_t> fewest;
    std::size_t sig = 0;
    void add(const std::string& what, const std::string& text, const std::string& oldR,
             const std::string& newR) {
        ++count[what];
        if (!fewest.count(what) || sig < fewest[what]) fewest[what] = sig;
        auto& v = seen[what];
        if (v.size() < 12)
            v.push_back("[" + text.substr(0, 60) + "] old=" + oldR.substr(0, 40) +
                        " new=" + newR.substr(0, 40));
    }
};

TEST(NumberAgreement, DoubleAndExactRulesGiveTheSameResults) {
    const std::vector<std::string> texts = Texts();
    Differences d;
    ProgramState state = StartupState(kEnglish);
    std::size_t n = 0;
    for (const std::string& t : texts) {
        const Scan sc = ScanText(t);
        const std::size_t intDigits =
            sc.integer.size() -
            std::min(sc.integer.size(), sc.integer.find_first_not_of('0') == std::string_view::npos
                                            ? sc.integer.size()
                                            : sc.integer.find_first_not_of('0'));
        const std::string cls = Tiny(t)                                   ? "tiny"
                                : (Significant(t) > 15 || intDigits > 15) ? "long"
                                                                          : "short";
        const std::size_t sig = Significant(t);
        d.sig = sig;
        for (int decimals = 0; decimals <= 6; ++decimals) {
            const std::string o = OldFixed(OldValue(t), decimals),
                              e = DecimalNumber::Leading(t).fixed(decimals);
            if (o != e) d.add("fixed/" + cls, t, o, e);
        }
        for (int b = 0; b < kBandCount; ++b) {
            BandState band;
            band.select(b);
            if (kOldBands[b].contains(OldValue(t)) != band.contains(DecimalNumber::Leading(t)))
                d.add("contains/" + cls, t, "", "");
            const std::string o = OldBandChecked(kOldBands[b], t),
                              e = BandCheckedFrequency(band, t);
            if (o != e) d.add("bandchecked/" + cls, t, o, e);
        }
        if (OldWhileTyping(t) != ChannelNumberWhileTyping(t))
            d.add("typing/" + cls, t, OldWhileTyping(t), ChannelNumberWhileTyping(t));
        if (OldOnLeave(t) != ChannelNumberOnLeave(t))
            d.add("onleave/" + cls, t, OldOnLeave(t), ChannelNumberOnLeave(t));
        for (TextId f : {TextId::AVfoFrequency, TextId::BVfoFrequency})
            if (OldVfo(f, t) != VfoFrequencyOnLeave(f, t))
                d.add("vfo/" + cls, t, OldVfo(f, t), VfoFrequencyOnLeave(f, t));
        if (OldOffset(t) != OffsetDataOnLeave(t))
            d.add("offset/" + cls, t, OldOffset(t), OffsetDataOnLeave(t));
        const auto of = OldFm(t), nf = CheckFmEntry(t);
        if (of.outcome != nf.outcome || of.text != nf.text)
            d.add("fmcheck/" + cls, t, std::to_string(int(of.outcome)) + of.text,
                  std::to_string(int(nf.outcome)) + nf.text);
        const auto oe = OldEncodeFm(t), ne = EncodeFmFrequency(t);
        auto show = [](const std::optional<std::array<std::uint8_t, 2>>& x) {
            return x ? std::to_string((*x)[0] * 256 + (*x)[1]) : std::string("none");
        };
        if (oe != ne) d.add("fmencode/" + cls, t, show(oe), show(ne));
        if (n++ % 7 == 0 && t.size() < 200) {
            state.options[TextId::AChannelNumber] = t;
            state.fm.Vfo = t;
            state.EncodedImage.fill(0xAB);
            EncodeImage(state);
            const int got = state.EncodedImage[layout::kAChannelNumber];
            const auto want = OldChannelByte(t);
            if (got != want.value_or(0xAB))
                d.add("channelbyte/" + cls, t, std::to_string(want.value_or(-1)),
                      std::to_string(got));
            const bool oldZero = OldValue(t) == 0.0;
            const bool erased = state.EncodedImage[layout::kFmVfo] == 0xFF &&
                                state.EncodedImage[layout::kFmVfo + 1] == 0xFF;
            const auto oldBytes = oldZero ? std::optional<std::array<std::uint8_t, 2>>(
                                                std::array<std::uint8_t, 2>{0xFF, 0xFF})
                                          : OldEncodeFm(t);
            const std::array<std::uint8_t, 2> gotBytes{state.EncodedImage[layout::kFmVfo],
                                                       state.EncodedImage[layout::kFmVfo + 1]};
            if (oldBytes.value_or(std::array<std::uint8_t, 2>{0xAB, 0xAB}) != gotBytes)
                d.add("fmvfo/" + cls, t, show(oldBytes), show(gotBytes));
            (void)erased;
        }
    }
    // Every tie the FM encoder can meet.
    for (int h = 8695; h <= 664055; h += 10) {
        const std::string t = std::to_string(h / 100) + "." + std::to_string(h / 10 % 10) + "5";
        if (OldEncodeFm(t) != EncodeFmFrequency(t)) d.add("fmtie", t, "", "");
    }
    std::printf("%zu texts\n", texts.size());
    for (const auto& [what, c] : d.count) {
        std::printf("%s: %d (fewest significant digits %zu)\n", what.c_str(), c, d.fewest[what]);
        for (const auto& s : d.seen[what]) std::printf("    %s\n", s.c_str());
    }
    for (const auto& [what, c] : d.count) EXPECT_NE(what.find('/'), std::string::npos) << what;
    for (const auto& [what, c] : d.count) EXPECT_EQ(what.find("short"), std::string::npos) << what;
}

}  // namespace
}  // namespace talvo
