#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

#include "io/number_format.h"

TEST(NumberFormat, MatchesDefaultStreamFormatting) {
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {2.5e8, "2.5e+08"},          // 250 kNm in Nmm: exponent from 1e6 on
        {150000000.0, "1.5e+08"},
        {999999.0, "999999"},        // largest fixed-notation six-digit number
        {1234567.0, "1.23457e+06"},  // rounded to six significant digits
        {0.0001, "0.0001"},          // exponent -4 still fixed
        {0.00001234, "1.234e-05"},   // below -4 in exponent notation
        {-30.0, "-30"},
        {434.7826086956522, "434.783"},
        {0.0, "0"},
        {1e-300, "1e-300"},          // three-digit exponent
    };
    for (const auto &c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST(NumberFormat, IgnoresUserLocaleAndNonFiniteValues) {
    // A German global locale must not turn the decimal point into a comma.
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error &) {
        std::locale::global(std::locale::classic());
    }
    EXPECT_EQ(formatNumber(1234.5), "1234.5");
    std::locale::global(std::locale::classic());
    // The engine's last resort (the tests abort instead, see below).
    const NonFiniteNumbers previous = nonFiniteNumbers();
    setNonFiniteNumbers(NonFiniteNumbers::WriteZero);
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(formatNumber(std::nan("")), "0");
    setNonFiniteNumbers(previous);
}

TEST(NumberFormatDeathTest, NonFiniteValueIsFatalInTests) {
    // Every engine test runs with the abort policy, so a value that escaped
    // the checks of its stage cannot pass as a written 0.
    ASSERT_EQ(nonFiniteNumbers(), NonFiniteNumbers::Abort);
    EXPECT_DEATH(formatNumber(std::numeric_limits<double>::infinity()), "no finite number");
    EXPECT_DEATH(formatNumber(-std::numeric_limits<double>::infinity()), "no finite number");
    EXPECT_DEATH(formatNumber(std::nan("")), "no finite number");
    EXPECT_EQ(formatNumber(1e-310), "1e-310");  // denormal, but finite
}
