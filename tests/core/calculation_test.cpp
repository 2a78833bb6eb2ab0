#include "core/calculation.h"
#include "core/number_text.h"

#include "field_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace c3f8;
using enum c3f8::field;

namespace {

constexpr field results[] = {pevap, Hliq_sat, Hvap_sat,  Hwe_cap, Hx_we, Hx_wy,
                             dHw,   dHg,      Tlsub_max, x_we2,   m_opt, Qg};

struct inputs
{
    std::string tevap, tsub, x_we, x_wy, m, Qw;
};

field_record record_with(const inputs &in, std::string separator = ".")
{
    field_record r;
    r.separator = std::move(separator);
    r[tevap] = in.tevap;
    r[tsub] = in.tsub;
    r[x_we] = in.x_we;
    r[x_wy] = in.x_wy;
    r[m] = in.m;
    r[Qw] = in.Qw;
    return r;
}

// Results left from an earlier run, to see which ones a failed run leaves alone.
void fill_with_old_results(field_record &r, bool ostrzezenie, bool m_warn)
{
    for (field f : results)
        r[f] = "old";
    r.warnings = {ostrzezenie, m_warn};
}

const inputs run_a{"-25", "15", "0.1", "0.9", "10", "500"};
const inputs run_b{"-25", "-30", "0.1", "0.9", "5", "500"};
const inputs run_c{"-20", "-20", "0.2", "1", "8", "700"};

struct worked_run
{
    const char *name;
    inputs in;
    std::array<const char *, 12> shown;
    bool ostrzezenie, m_warn;
};

const worked_run worked_runs[] = {
    {"A",
     run_a,
     {"1.671", "173.6", "275.6", "216.3", "183.8", "265.4", "81.6", "-32.5", "-15", "0.1", "6.13",
      "-9.3"},
     true,
     false},
    {"B",
     run_b,
     {"1.671", "173.6", "275.6", "168.7", "183.8", "265.4", "81.6", "15.1", "-15", "0.1", "6.13",
      "-16.5"},
     false,
     true},
    {"C",
     run_c,
     {"2.033", "178.8", "278.6", "178.8", "198.8", "278.6", "79.9", "20.0", "-1", "0.2", "8.76",
      "98.8"},
     false,
     true},
};

std::string with_commas(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace

TEST(Calculate, ReproducesTheWorkedRuns)
{
    for (const auto &run : worked_runs) {
        SCOPED_TRACE(run.name);
        auto r = record_with(run.in);
        fill_with_old_results(r, !run.ostrzezenie, !run.m_warn);
        ASSERT_EQ(calculate(r), std::nullopt);
        for (std::size_t i = 0; i < std::size(results); ++i)
            EXPECT_EQ(r[results[i]], run.shown[i]) << field_name(results[i]);
        EXPECT_EQ(r.shown(warning::Ostrzezenie), run.ostrzezenie);
        EXPECT_EQ(r.shown(warning::m_warn), run.m_warn);

        // A second run over the same texts changes nothing.
        const auto first = r.texts;
        ASSERT_EQ(calculate(r), std::nullopt);
        EXPECT_EQ(r.texts, first);
    }
}

TEST(Calculate, UsesTheLocalesSeparatorThroughout)
{
    for (const auto &run : worked_runs) {
        SCOPED_TRACE(run.name);
        inputs in = run.in;
        in.x_we = with_commas(in.x_we);
        in.x_wy = with_commas(in.x_wy);
        auto r = record_with(in, ",");
        ASSERT_EQ(calculate(r), std::nullopt);
        for (std::size_t i = 0; i < std::size(results); ++i)
            EXPECT_EQ(r[results[i]], with_commas(run.shown[i]));
        EXPECT_EQ(r.shown(warning::m_warn), run.m_warn);
    }
    // A point is not this locale's separator.
    auto r = record_with(run_a, ",");
    EXPECT_EQ(calculate(r), (calc_error{error_kind::conversion, x_we}));
}

TEST(Calculate, ReadsAndWritesInTheOrderOfTheSteps)
{
    auto r = record_with(run_a);
    ASSERT_EQ(calculate(r), std::nullopt);
    const std::vector<std::string> expected = {
        "read tevap",    "write pevap", "write Hliq_sat", "write Hvap_sat",   "read tsub",
        "write Hwe_cap", "read x_we",   "read x_wy",      "write Hx_we",      "write Hx_wy",
        "write dHw",     "write dHg",   "read dHg",       "warn Ostrzezenie", "write Tlsub_max",
        "write x_we2",   "read Qw",     "write m_opt",    "read m",           "read Qw",
        "write Qg",      "read m",      "read m_opt",     "warn m_warn",
    };
    EXPECT_EQ(r.events, expected);
}

TEST(Calculate, StopsAtTheStepThatReadsAnUnreadableInput)
{
    struct row
    {
        field unreadable;
        std::size_t results_written;
        bool ostrzezenie_set;
    };
    const row rows[] = {
        {tevap, 0, false}, {tsub, 3, false}, {x_we, 4, false},
        {x_wy, 4, false},  {Qw, 10, true},   {m, 11, true},
    };
    for (const auto &row : rows) {
        for (std::string_view bad : {"", "abc", "0,5", "-", "inf"}) {
            SCOPED_TRACE(std::string(field_name(row.unreadable)) + " = '" + std::string(bad) + "'");
            auto r = record_with(run_b); // would hide Ostrzezenie and show m_warn
            r[row.unreadable] = bad;
            fill_with_old_results(r, true, false);
            const auto before = r.texts;

            EXPECT_EQ(calculate(r), (calc_error{error_kind::conversion, row.unreadable}));
            EXPECT_EQ(r.written, std::vector<field>(results, results + row.results_written));
            for (std::size_t i = row.results_written; i < std::size(results); ++i)
                EXPECT_EQ(r[results[i]], "old");
            for (int i = 0; i < input_count; ++i)
                EXPECT_EQ(r.texts[i], before[i]);
            EXPECT_EQ(r.shown(warning::Ostrzezenie), !row.ostrzezenie_set);
            EXPECT_FALSE(r.shown(warning::m_warn));
        }
    }
}

TEST(Calculate, EqualQualitiesOfOneHalfDivideByZero)
{
    auto r = record_with({"-25", "15", "0.5", "0.5", "10", "500"});
    fill_with_old_results(r, true, true);
    EXPECT_EQ(calculate(r), (calc_error{error_kind::division_by_zero, m_opt}));
    EXPECT_EQ(r.written.size(), 10u);
    EXPECT_EQ(r[dHw], "0.0");
    EXPECT_FALSE(r.shown(warning::Ostrzezenie)); // decided: dHg is 8.3
    EXPECT_EQ(r[m_opt], "old");
    EXPECT_EQ(r[Qg], "old");
    EXPECT_TRUE(r.shown(warning::m_warn));
}

TEST(Calculate, EqualQualitiesOfSevenTenthsLeaveATinyRise)
{
    auto r = record_with({"-25", "15", "0.7", "0.7", "10", "500"});
    ASSERT_EQ(calculate(r), std::nullopt);
    EXPECT_EQ(r[dHw], "0.0");
    const std::string &shown = r[m_opt];
    EXPECT_TRUE(shown.ends_with(".00")) << shown;
    EXPECT_EQ(shown.find('e'), std::string::npos);
    const auto m_opt_value = text_to_number(shown, ".");
    ASSERT_TRUE(m_opt_value.has_value());
    EXPECT_NEAR(*m_opt_value / 1.8e16, 1.0, 0.05);
    EXPECT_TRUE(r.shown(warning::m_warn));
}

TEST(Calculate, FailsWithOverflowBeforeWritingAnInfiniteValue)
{
    auto far = record_with({"1e103", "15", "0.1", "0.9", "10", "500"});
    EXPECT_EQ(calculate(far), (calc_error{error_kind::overflow, pevap}));
    EXPECT_TRUE(far.written.empty());

    auto farther = record_with({"1e60", "15", "0.1", "0.9", "10", "500"});
    EXPECT_EQ(calculate(farther), (calc_error{error_kind::overflow, Hliq_sat}));
    EXPECT_EQ(farther.written, std::vector<field>{pevap});

    auto hot = record_with({"-25", "1e60", "0.1", "0.9", "10", "500"});
    EXPECT_EQ(calculate(hot), (calc_error{error_kind::overflow, Hwe_cap}));

    auto heavy = record_with({"-25", "15", "0.1", "0.9", "1e307", "500"});
    EXPECT_EQ(calculate(heavy), (calc_error{error_kind::overflow, Qg}));
    EXPECT_EQ(heavy.written.size(), 11u);

    auto tiny = record_with({"-25", "15", "0.5", "0.5000000000001", "10", "1e308"});
    EXPECT_EQ(calculate(tiny), (calc_error{error_kind::overflow, m_opt}));
}

TEST(Calculate, ComparesTheSetFlowWithTheDisplayedOptimum)
{
    for (auto [flow, warned] : {std::pair{"6.13", false},
                                {"6.129", true},
                                {"6.14", false},
                                {"-1", true},
                                {"1e300", false}}) {
        inputs in = run_a;
        in.m = flow;
        auto r = record_with(in);
        ASSERT_EQ(calculate(r), std::nullopt) << flow;
        EXPECT_EQ(r.shown(warning::m_warn), warned) << flow;
    }
}

TEST(Calculate, IgnoresPhysicalSenseOfTheInputs)
{
    auto r = record_with({"-25", "-60", "-0.5", "1.5", "-10", "0"});
    ASSERT_EQ(calculate(r), std::nullopt);
    EXPECT_EQ(r[m_opt], "0.00");
    EXPECT_TRUE(r.shown(warning::m_warn)); // a negative flow is below 0.00
}
