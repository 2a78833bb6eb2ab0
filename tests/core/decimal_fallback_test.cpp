// The fallback conversions against the standard library's, on the edge cases of the plain
// notation and on a million random doubles: the same value read, the same texts written.
#include "core/decimal.h"
#include "test_seed.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

namespace standard = c3f8::decimal::standard;
namespace fallback = c3f8::decimal::fallback;

using buffer = std::array<char, 400>;

std::string shortest(c3f8::decimal::shortest_writer write, double value)
{
    buffer b;
    return {b.data(), write(value, b.data(), b.data() + b.size())};
}

std::string fixed(c3f8::decimal::fixed_writer write, double value, int decimals)
{
    buffer b;
    return {b.data(), write(value, decimals, b.data(), b.data() + b.size())};
}

// Both writers, and reading back what they wrote; a difference names the value's bits.
void expect_same(double value)
{
    const std::string text = shortest(standard::write_shortest, value);
    ASSERT_EQ(shortest(fallback::write_shortest, value), text)
        << std::bit_cast<std::uint64_t>(value);
    for (int decimals : {0, 1, 2, 3})
        ASSERT_EQ(fixed(fallback::write_fixed, value, decimals),
                  fixed(standard::write_fixed, value, decimals))
            << std::bit_cast<std::uint64_t>(value) << " at " << decimals;
    const std::string plain = text.starts_with('-') ? text.substr(1) : text;
    ASSERT_EQ(fallback::read(plain), standard::read(plain)) << plain;
}

TEST(DecimalFallback, WritesAndReadsTheEdgeCasesAsTheStandardLibrary)
{
    constexpr double max = std::numeric_limits<double>::max();
    constexpr double min_normal = std::numeric_limits<double>::min();
    constexpr double min_subnormal = std::numeric_limits<double>::denorm_min();
    for (double value :
         {0.0,        -0.0,   0.1,           0.125,      0.375,         1.0,
          2.5,        -14.72, 6.1305,        1e23,       9e15,          0x1p53,
          0x1p53 + 2, 0x1p60, 0x1p64 - 2048, 1e22,       1e100,         1e300,
          1e308,      max,    -max,          min_normal, min_subnormal, 3 * min_subnormal,
          1e-310,     5e-324, 0.1 + 0.2,     1.0 / 3})
        expect_same(value);
    // Every power of two and of ten across the range: the shortest digits' boundary cases.
    for (int e = -1074; e <= 1023; ++e)
        expect_same(std::ldexp(1.0, e));
    for (int e = -323; e <= 308; ++e)
        expect_same(std::pow(10.0, e));
    // Ties at two decimals follow the exact binary value, in both.
    EXPECT_EQ(fixed(fallback::write_fixed, 0.125, 2), "0.12");
    EXPECT_EQ(shortest(fallback::write_shortest, 1e23), "99999999999999991611392");

    for (const char *plain : {"1e400", "1e-400", "0e999999999999", "1.7976931348623157e308",
                              "1.7976931348623159e308", "2.4703282292062328e-324", "0.0", "5",
                              "123456789012345678901234567890", "0.000001e-320", "1e+5"})
        EXPECT_EQ(fallback::read(plain), standard::read(plain)) << plain;
    EXPECT_FALSE(fallback::read("1e400"));
    EXPECT_EQ(fallback::read("1e-400"), 0.0);
}

TEST(DecimalFallback, WritesAndReadsAMillionRandomDoublesAsTheStandardLibrary)
{
    const auto seed = test_seed();
    SCOPED_TRACE(seed_note(seed));
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> around_the_panel(-1000.0, 1000.0);
    for (int i = 0; i < 1'000'000; ++i) {
        // Half any bit pattern (every magnitude), half the panel's own range of values.
        double value = std::bit_cast<double>(random());
        if (i % 2 || !std::isfinite(value))
            value = around_the_panel(random);
        expect_same(value);
    }
}

} // namespace
