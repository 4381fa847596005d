#include "model/decimal_number.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace talvo {
namespace {

std::int64_t HalfAwayFromZero(std::int64_t tenths) {
    const std::int64_t whole = tenths / 10, rest = tenths % 10;
    if (rest >= 5) return whole + 1;
    if (rest <= -5) return whole - 1;
    return whole;
}

// Any value written with up to six decimals reads back as itself, orders like its units, cuts
// and rounds (half away from zero) like integer arithmetic on them.
TEST(DecimalNumber, AgreesWithIntegerArithmeticOnItsUnits) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<std::int64_t> units(-2'000'000'000'000, 2'000'000'000'000);
    for (int i = 0; i < 20000; ++i) {
        const int d = 1 + static_cast<int>(rng() % 6);
        const std::int64_t u = i % 3 == 0 ? units(rng) % 100'000 : units(rng);
        const std::int64_t v = units(rng);
        const DecimalNumber a = DecimalNumber::FromUnits(u, d);
        SCOPED_TRACE(a.fixed(d));
        EXPECT_EQ(DecimalNumber::Leading(a.fixed(d)), a);
        EXPECT_EQ(a.units(d).units, u);
        EXPECT_EQ(a <=> DecimalNumber::FromUnits(v, d), u <=> v);
        EXPECT_EQ(a <=> DecimalNumber::FromUnits(v, d - 1), u <=> v * 10);
        EXPECT_EQ(a.units(d - 1).units, u / 10);
        EXPECT_EQ(a.roundedUnits(d - 1), HalfAwayFromZero(u));
        EXPECT_EQ(a.fixed(d - 1),
                  DecimalNumber::FromUnits(HalfAwayFromZero(u), d - 1).fixed(d - 1));
    }
}

TEST(DecimalNumber, ReadsAnyTextExactlyAndSafely) {
    auto value = [](std::string_view text) { return DecimalNumber::Leading(text); };
    // Digits beyond what a binary fraction holds still count.
    EXPECT_LT(value("174.99500999999999999999"), DecimalNumber::FromUnits(17'499'501, 5));
    EXPECT_GT(value("0." + std::string(400, '0') + "1"), DecimalNumber());
    EXPECT_EQ(value("0.50000000000000000001").fixed(0), "1");
    EXPECT_EQ(value("-0.000").negative(), false);
    EXPECT_EQ(value("-0.004").fixed(2), "0.00");
    EXPECT_EQ(value("9.995").fixed(2), "10.00");
    // Nothing numeric, and absurd lengths: zero or saturated units, never a fault.
    for (const char* text : {"", "-", "+.", ".", "--1", "x1", " \t"}) {
        EXPECT_FALSE(value(text).hasDigits()) << text;
        EXPECT_TRUE(value(text).isZero()) << text;
    }
    const std::string huge(100'000, '9');
    const DecimalNumber::Units u = value("-" + huge + "." + huge).units(5);
    EXPECT_TRUE(u.saturated);
    EXPECT_EQ(u.units, -DecimalNumber::kUnitsLimit);
    EXPECT_EQ(value(huge).fixed(1).size(), huge.size() + 2);
    EXPECT_EQ(value(huge + ".5").fixed(0), "1" + std::string(100'000, '0'));
}

}  // namespace
}  // namespace talvo
