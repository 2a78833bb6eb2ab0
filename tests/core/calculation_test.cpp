#include "core/calculation.h"
#include "core/number_text.h"

#include "worked_runs.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace c3f8;
using enum c3f8::field;

namespace {

using texts = std::array<std::string_view, input_count>;

field_record record_with(const texts &typed)
{
    field_record r;
    for (std::size_t i = 0; i < input_count; ++i)
        r[input(i)] = typed[i];
    return r;
}

// The results a run wrote, in the catalogue's order.
std::vector<field> written(const run_outcome &outcome)
{
    std::vector<field> fields;
    for (std::size_t i = 0; i < result_count; ++i)
        if (outcome.wrote(result(i)))
            fields.push_back(result(i));
    return fields;
}

// Results left from an earlier run, to see which ones a failed run leaves alone.
void fill_with_old_results(field_record &r, bool ostrzezenie, bool m_warn)
{
    for (std::size_t i = 0; i < result_count; ++i)
        r[result(i)] = "old";
    r.warnings = {ostrzezenie, m_warn};
}

const texts &run_a = worked_runs[0].typed;
const texts &run_b = worked_runs[1].typed;

texts with(texts typed, field f, std::string_view text)
{
    typed[static_cast<std::size_t>(f)] = text;
    return typed;
}

} // namespace

TEST(Calculate, ReproducesTheWorkedRuns)
{
    for (const auto &run : worked_runs) {
        SCOPED_TRACE(run.name);
        auto r = record_with(run.typed);
        fill_with_old_results(r, !run.ostrzezenie, !run.m_warn);
        const run_outcome outcome = calculate(r, ".");
        ASSERT_EQ(outcome.failure, std::nullopt);
        for (std::size_t i = 0; i < result_count; ++i) {
            EXPECT_EQ(r[result(i)], run.shown[i]) << field_name(result(i));
            // The unrounded value handed back is what the field shows, before rounding.
            ASSERT_TRUE(outcome.wrote(result(i)));
            EXPECT_EQ(format_number(*outcome.value(result(i)), *row(result(i)).shown_as, "."),
                      run.shown[i]);
        }
        EXPECT_EQ(r.shown(warning::Ostrzezenie), run.ostrzezenie);
        EXPECT_EQ(r.shown(warning::m_warn), run.m_warn);
        EXPECT_EQ(outcome.decided, (std::array{true, true}));

        // A second run over the same texts changes nothing.
        const auto first = r.texts;
        ASSERT_EQ(calculate(r, ".").failure, std::nullopt);
        EXPECT_EQ(r.texts, first);
    }
}

TEST(Calculate, UsesTheLocalesSeparatorThroughout)
{
    for (const auto &run : worked_runs) {
        SCOPED_TRACE(run.name);
        field_record r;
        for (std::size_t i = 0; i < input_count; ++i)
            r[input(i)] = with_commas(run.typed[i]);
        ASSERT_EQ(calculate(r, ",").failure, std::nullopt);
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(r[result(i)], with_commas(run.shown[i]));
        EXPECT_EQ(r.shown(warning::m_warn), run.m_warn);
    }
    // A point is not this locale's separator.
    auto r = record_with(run_a);
    EXPECT_EQ(calculate(r, ",").failure, (calc_error{error_kind::conversion, x_we}));
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

            const run_outcome outcome = calculate(r, ".");
            EXPECT_EQ(outcome.failure, (calc_error{error_kind::conversion, row.unreadable}));
            std::vector<field> written_first;
            for (std::size_t i = 0; i < result_count; ++i) {
                if (i < row.results_written)
                    written_first.push_back(result(i));
                else
                    EXPECT_EQ(r[result(i)], "old");
            }
            EXPECT_EQ(written(outcome), written_first);
            EXPECT_EQ(outcome.decided, (std::array{row.ostrzezenie_set, false}));
            for (std::size_t i = 0; i < input_count; ++i)
                EXPECT_EQ(r.texts[i], before[i]);
            EXPECT_EQ(r.shown(warning::Ostrzezenie), !row.ostrzezenie_set);
            EXPECT_FALSE(r.shown(warning::m_warn));
        }
    }
}

TEST(Calculate, TheInputReadFirstNamesTheFailure)
{
    const std::pair<std::vector<field>, field> cases[] = {
        {{m, Qw}, Qw},
        {{x_wy, x_we}, x_we},
        {{m, tsub}, tsub},
        {{Qw, x_wy, m}, x_wy},
        {{m, Qw, x_wy, x_we, tsub, tevap}, tevap},
    };
    for (const auto &[unreadable, named] : cases) {
        auto r = record_with(run_a);
        for (field f : unreadable)
            r[f] = "";
        EXPECT_EQ(calculate(r, ".").failure, (calc_error{error_kind::conversion, named}))
            << field_name(named);
    }
}

TEST(Calculate, EqualQualitiesOfOneHalfDivideByZero)
{
    auto r = record_with(with(with(run_a, x_we, "0.5"), x_wy, "0.5"));
    fill_with_old_results(r, true, true);
    const run_outcome outcome = calculate(r, ".");
    EXPECT_EQ(outcome.failure, (calc_error{error_kind::division_by_zero, m_opt}));
    EXPECT_EQ(written(outcome).size(), 10u);
    EXPECT_EQ(r[dHw], "0.0");
    EXPECT_FALSE(r.shown(warning::Ostrzezenie)); // decided: dHg is 8.3
    EXPECT_EQ(r[m_opt], "old");
    EXPECT_EQ(r[Qg], "old");
    EXPECT_TRUE(r.shown(warning::m_warn));
}

TEST(Calculate, EqualQualitiesOfSevenTenthsLeaveATinyRise)
{
    auto r = record_with(with(with(run_a, x_we, "0.7"), x_wy, "0.7"));
    ASSERT_EQ(calculate(r, ".").failure, std::nullopt);
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
    auto far = record_with(with(run_a, tevap, "1e103"));
    const auto far_outcome = calculate(far, ".");
    EXPECT_EQ(far_outcome.failure, (calc_error{error_kind::overflow, pevap}));
    EXPECT_TRUE(written(far_outcome).empty());

    auto farther = record_with(with(run_a, tevap, "1e60"));
    const auto farther_outcome = calculate(farther, ".");
    EXPECT_EQ(farther_outcome.failure, (calc_error{error_kind::overflow, Hliq_sat}));
    EXPECT_EQ(written(farther_outcome), std::vector<field>{pevap});

    auto hot = record_with(with(run_a, tsub, "1e60"));
    EXPECT_EQ(calculate(hot, ".").failure, (calc_error{error_kind::overflow, Hwe_cap}));

    auto heavy = record_with(with(run_a, m, "1e307"));
    const auto heavy_outcome = calculate(heavy, ".");
    EXPECT_EQ(heavy_outcome.failure, (calc_error{error_kind::overflow, Qg}));
    EXPECT_EQ(written(heavy_outcome).size(), 11u);

    auto tiny =
        record_with(with(with(with(run_a, x_we, "0.5"), x_wy, "0.5000000000001"), Qw, "1e308"));
    EXPECT_EQ(calculate(tiny, ".").failure, (calc_error{error_kind::overflow, m_opt}));
}

TEST(Calculate, ComparesTheSetFlowWithTheDisplayedOptimum)
{
    for (auto [flow, warned] : {std::pair{"6.13", false},
                                {"6.129", true},
                                {"6.14", false},
                                {"-1", true},
                                {"1e300", false}}) {
        auto r = record_with(with(run_a, m, flow));
        ASSERT_EQ(calculate(r, ".").failure, std::nullopt) << flow;
        EXPECT_EQ(r.shown(warning::m_warn), warned) << flow;
    }
}

TEST(Calculate, FailureMessagesNameTheKindAndTheFieldAsItsLabelsRead)
{
    EXPECT_EQ(failure_message({error_kind::conversion, tevap}),
              "Blad konwersji: pole \"T odparowania\" nie zawiera poprawnej liczby.\n"
              "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian.");
    EXPECT_TRUE(failure_message({error_kind::division_by_zero, m_opt})
                    .starts_with("Dzielenie przez zero przy obliczaniu \"m_opt (Qw,dx)\".\n"));
    EXPECT_TRUE(failure_message({error_kind::overflow, dHg})
                    .starts_with("Przekroczenie zakresu liczb przy obliczaniu \"\u0394Hg\".\n"));
}

TEST(Calculate, IgnoresPhysicalSenseOfTheInputs)
{
    auto r = record_with({"-25", "-60", "-0.5", "1.5", "0", "-10"});
    ASSERT_EQ(calculate(r, ".").failure, std::nullopt);
    EXPECT_EQ(r[m_opt], "0.00");
    EXPECT_TRUE(r.shown(warning::m_warn)); // a negative flow is below 0.00
}
