// Ranges FROM:TO:STEP: exact decimal values and the count rule.
#include "cli/usage_error.h"
#include "cli/value_range.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using c3f8::cli::value_range;

namespace {

std::vector<std::string> values(std::string_view range_text,
                                c3f8::decimal_separator separator = ".")
{
    const value_range range(range_text, separator);
    std::vector<std::string> texts;
    for (std::uint64_t i = 0; i < range.count() && i < 100; ++i) {
        texts.emplace_back();
        range.append_value(i, texts.back());
    }
    return texts;
}

using texts = std::vector<std::string>;

} // namespace

TEST(ValueRange, StepsExactlyInDecimal)
{
    EXPECT_EQ(values("0:1:0.1"),
              (texts{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}));
    EXPECT_EQ(values("0:1:0.3"), (texts{"0.0", "0.3", "0.6", "0.9"})); // stops below TO
    EXPECT_EQ(values(" -1 :\t1: 0.5 "), (texts{"-1.0", "-0.5", "0.0", "0.5", "1.0"}));
    EXPECT_EQ(values("0.25:-0.25:-0.25"), (texts{"0.25", "0.00", "-0.25"}));
    EXPECT_EQ(values("5:5:-3"), (texts{"5"}));
    EXPECT_EQ(values("1e3:3e3:1e3"), (texts{"1000", "2000", "3000"}));
    EXPECT_EQ(values("-.5:.5:5e-1"), (texts{"-0.5", "0.0", "0.5"}));
    EXPECT_EQ(values("0,1:0,3:0,1", ","), (texts{"0,1", "0,2", "0,3"}));
    // TO's own decimals neither show nor count beyond the rule floor(span / STEP + 1e-9) + 1.
    EXPECT_EQ(values("0:0.25:0.1"), (texts{"0.0", "0.1", "0.2"}));
    EXPECT_EQ(values("0:0.9999999999:1"), (texts{"0", "1"}));
    EXPECT_EQ(values("0:0.99999999899999999:1"), (texts{"0"}));
    EXPECT_EQ(value_range("0:1e30:1", ".").count(), UINT64_MAX);
    EXPECT_EQ(value_range("-1e18:1e18:1", ".").count(), 2'000'000'000'000'000'001u);
}

TEST(ValueRange, RefusesWhatIsNoRange)
{
    for (const char *range_text : {"1:2", "1:2:3:4", ":1:1", "1:2:", "a:2:1", "1:2:0", "1:2:-1",
                                   "2:1:1", "1e:2:1", "1.2.3:4:1", "1:2:1e-40", "1e40:1e41:1"})
        EXPECT_THROW(value_range(range_text, "."), c3f8::cli::usage_error) << range_text;
}

// A part of a range is written as a field's number is: what one reads, so does the other.
TEST(ValueRange, ReadsThePartsAsAFieldIsRead)
{
    for (const char *text :
         {"1",    "-1",    "+1",   "1.",  ".5",  "-.5", " 2\t", "1e3",   "1E+3",
          "5e-1", "",      ".",    "+",   "-",   "1e",  "1e+",  "e3",    "1.2.3",
          "1,5",  "1 000", "0x10", "inf", "nan", "--1", "1-",   "1e3.5", "\xd9\xab"}) {
        const bool field_reads = c3f8::text_to_number(text, ".").has_value();
        const std::string part(text);
        bool range_reads = true;
        try {
            value_range(part + ":" + part + ":1", ".");
        } catch (const c3f8::cli::usage_error &) {
            range_reads = false;
        }
        EXPECT_EQ(range_reads, field_reads) << "'" << text << "'";
    }
}
