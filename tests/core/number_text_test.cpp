#include "core/number_text.h"

#include "test_seed.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

using namespace c3f8;

namespace {
constexpr display_pattern all_patterns[] = {patterns::thousandths, patterns::hundredths,
                                            patterns::tenths, patterns::whole};
constexpr decimal_separator separators[] = {".", ",", "\xd9\xab"}; // U+066B, two bytes
} // namespace

TEST(FormatNumber, RoundsToThePatternsDecimals)
{
    struct row
    {
        double value;
        display_pattern pattern;
        std::string_view text;
    };
    using namespace patterns;
    const row rows[] = {
        {1.670975, thousandths, "1.671"},   {-32.49, tenths, "-32.5"},   {-14.72, whole, "-15"},
        {6.1305, hundredths, "6.13"},       {0.04, tenths, "0.0"},       {0.06, tenths, "0.1"},
        {1234567.891, tenths, "1234567.9"}, {0.0, thousandths, "0.000"}, {-0.4, whole, "0"},
        {99.995, tenths, "100.0"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(format_number(r.value, r.pattern, "."), r.text)
            << r.value << " " << r.pattern.text;
}

TEST(FormatNumber, ShowsNoMinusSignOnAZero)
{
    for (double v : {-0.0, -1e-300, -0.0499, -2.8e-14})
        EXPECT_EQ(format_number(v, patterns::tenths, "."), "0.0") << v;
    EXPECT_EQ(format_number(-0.0004, patterns::thousandths, ","), "0,000");
    EXPECT_EQ(format_number(-0.5, patterns::whole, "."), "0"); // a tie rounds to even
    EXPECT_EQ(format_number(-0.06, patterns::tenths, "."), "-0.1");
}

TEST(FormatNumber, NeverUsesExponentForm)
{
    EXPECT_EQ(format_number(18014398509481984.0, patterns::hundredths, "."),
              "18014398509481984.00");
    const std::string huge = format_number(DBL_MAX, patterns::thousandths, ",");
    EXPECT_EQ(huge.size(), 309u + 4u);
    EXPECT_EQ(huge.find('e'), std::string::npos);
    EXPECT_EQ(text_to_number(huge, ","), DBL_MAX);
    EXPECT_EQ(format_number(-1e-300, patterns::thousandths, "."), "0.000");
}

TEST(FormatNumber, RejectsNonFiniteValues)
{
    EXPECT_THROW(format_number(INFINITY, patterns::tenths, "."), std::invalid_argument);
    EXPECT_THROW(format_number(NAN, patterns::whole, "."), std::invalid_argument);
    EXPECT_THROW(number_to_text(-INFINITY, "."), std::invalid_argument);
}

TEST(NumberToText, WritesTheShortestPlainForm)
{
    const char *tenths[] = {"0",   "0.1", "0.2", "0.3", "0.4", "0.5",
                            "0.6", "0.7", "0.8", "0.9", "1"};
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(number_to_text(i / 10.0, "."), tenths[i]);
    EXPECT_EQ(number_to_text(0.7, ","), "0,7");
    EXPECT_EQ(number_to_text(-0.0, "."), "0");
    EXPECT_EQ(number_to_text(1e-7, "."), "0.0000001");
    EXPECT_EQ(number_to_text(1e21, "."), "1000000000000000000000");
}

TEST(TextToNumber, ReadsNumbersInTheLocalesNotation)
{
    struct row
    {
        std::string_view text;
        decimal_separator separator;
        double value;
    };
    const row rows[] = {
        {"0.5", ".", 0.5},
        {"0,5", ",", 0.5},
        {"-25", ".", -25},
        {"+3", ".", 3},
        {" 12 ", ".", 12},
        {"\t-0.1", ".", -0.1},
        {".5", ".", 0.5},
        {"5.", ".", 5},
        {"1e3", ".", 1000},
        {"1,5E-3", ",", 0.0015},
        {"-2.5e+2", ".", -250},
        {"1e000000001", ".", 10},
        {"0\xd9\xab"
         "25",
         "\xd9\xab", 0.25},
        {"1e-400", ".", 0.0},
        {"-0", ".", 0.0},
        {"00012.50", ".", 12.5},
        {"0.00000000000000000000000000000000000000000000000000000001e-300", ".", 0.0},
        // Beyond the smallest double, however the digits and the exponent share the scale.
        {"12345e-330", ".", 0.0},
        {"0.00012e-320", ".", 0.0},
        {"-1e-9999999999", ".", 0.0},
        {"1e-99999999999999999999", ".", 0.0},
    };
    for (const auto &r : rows)
        EXPECT_EQ(text_to_number(r.text, r.separator), r.value) << r.text;
}

TEST(TextToNumber, TellsTooSmallFromTooLargeWhereverTheDigitsStand)
{
    // Beyond the range of a double, the digits before the point, the zeros after it and the
    // exponent decide together whether a number is too small (zero) or too large (refused).
    const std::string zeros(400, '0'), many(2000, '0');
    EXPECT_EQ(text_to_number(zeros + "1e-400", "."), 0.0);
    EXPECT_EQ(text_to_number("1" + zeros + "e-800", "."), 0.0);
    EXPECT_EQ(text_to_number("-0." + zeros + "1e-100", "."), 0.0);
    EXPECT_EQ(text_to_number("." + zeros + "1e50", "."), 0.0);
    EXPECT_EQ(text_to_number("1" + many + "e-1500", "."), std::nullopt);
    EXPECT_EQ(text_to_number("0." + zeros + "1e800", "."), std::nullopt);
    EXPECT_EQ(text_to_number(zeros + "1" + zeros + "e-50", "."), std::nullopt);
    EXPECT_EQ(text_to_number("0." + many + "1e2400", "."), std::nullopt);
    EXPECT_EQ(text_to_number("12e-1000000000000", "."), 0.0);
    EXPECT_EQ(text_to_number("1" + many + "e-999999999999", "."), 0.0);
}

TEST(TextToNumber, RejectsWhatIsNotANumberInTheLocale)
{
    const std::string beyond_range = "1" + std::string(400, '0');
    struct row
    {
        std::string_view text;
        decimal_separator separator;
    };
    const row rows[] = {
        {"", "."},
        {"   ", "."},
        {"-", "."},
        {"+", "."},
        {".", "."},
        {"abc", "."},
        {"inf", "."},
        {"-inf", "."},
        {"nan", "."},
        {"infinity", "."},
        {"1e400", "."},
        {"-1e309", "."},
        {"0,5", "."},
        {"0.5", ","},
        {"1,000.5", "."},
        {"1 000", "."},
        {"1.000,5", ","},
        {"1e", "."},
        {"1e+", "."},
        {"--1", "."},
        {"0x10", "."},
        {"1.2.3", "."},
        {"1e5.5", "."},
        {"12a", "."},
        {"1\xd9", "\xd9\xab"},
        {"5 5", "."},
        {beyond_range, "."},
        {"*5", "."},
        {"$5", "."},
        {"(5", "."},
        // Beyond the largest double, however the digits and the exponent share the scale.
        {"999e306", "."},
        {"0.5e309", "."},
        {"10000e305", "."},
        {"1e9999999999", "."},
        {"1e99999999999999999999", "."},
    };
    for (const auto &r : rows)
        EXPECT_FALSE(text_to_number(r.text, r.separator).has_value()) << r.text;
}

TEST(TextToNumber, ReadsBackEveryFormattedTextToTheValueItShows)
{
    const auto seed = test_seed();
    SCOPED_TRACE(seed_note(seed));
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> magnitude(-8, 20);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, magnitude(random));
        for (auto separator : separators) {
            for (auto pattern : all_patterns) {
                const std::string text = format_number(value, pattern, separator);
                const auto back = text_to_number(text, separator);
                ASSERT_TRUE(back.has_value()) << text;
                // The text shows the rounded value: reading it back and writing it again gives
                // the same text, and it lies within half a unit of the last decimal.
                ASSERT_EQ(format_number(*back, pattern, separator), text);
                const double half_unit = 0.5 * std::pow(10.0, -pattern.decimals);
                ASSERT_LE(std::abs(*back - value), half_unit * (1 + 1e-9) + std::abs(value) * 1e-15)
                    << text;
            }
            const std::string shortest = number_to_text(value, separator);
            ASSERT_EQ(text_to_number(shortest, separator), value) << shortest;
        }
    }
}
