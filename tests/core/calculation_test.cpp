// One run of the calculation on a record: results, the two decisions, failures and what they
// leave behind.
#include "core/calculation.h"
#include "core/number_text.h"
#include "core/reference_notes.h"

#include "worked_runs.h"

#include <gtest/gtest.h>

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

// The first n results, the ones a run that stops at the next writes.
std::vector<field> first_results(std::size_t n)
{
    std::vector<field> fields;
    for (std::size_t i = 0; i < n; ++i)
        fields.push_back(result(i));
    return fields;
}

// Results left from an earlier run, to see which ones a failed run leaves alone.
void fill_with_old_results(field_record &r, std::array<bool, warning_count> warnings)
{
    for (std::size_t i = 0; i < result_count; ++i)
        r[result(i)] = "old";
    r.warnings = warnings;
}

std::array<bool, warning_count> opposite(std::array<bool, warning_count> warnings)
{
    for (bool &shown : warnings)
        shown = !shown;
    return warnings;
}

const texts &run_a = worked_runs[0].typed;
const texts &run_b = worked_runs[1].typed;

texts with(texts typed, std::initializer_list<std::pair<field, std::string_view>> changes)
{
    for (const auto &[f, text] : changes)
        typed[index(f)] = text;
    return typed;
}

} // namespace

TEST(Results, ReproduceTheWorkedRunsAndKeepNothingBetweenRuns)
{
    for (const auto &run : worked_runs) {
        SCOPED_TRACE(run.name);
        auto r = record_with(run.typed);
        fill_with_old_results(r, opposite(run.warnings));
        const run_outcome outcome = calculate(r, ".");
        ASSERT_EQ(outcome.failure, std::nullopt);
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(r[result(i)], run.shown[i]) << field_name(result(i));
        EXPECT_EQ(r.warnings, run.warnings);
        EXPECT_EQ(outcome.decided, opposite({}));

        // A second run over the same texts changes nothing.
        const auto first = r.texts;
        ASSERT_EQ(calculate(r, ".").failure, std::nullopt);
        EXPECT_EQ(r.texts, first);
    }
}

TEST(Results, BeforeRoundingAreTheFormulasOfEachStep)
{
    // Runs A and C to the last bit, as the steps' formulas give them in double precision,
    // worked out apart from this program: errors that the displayed tenths hide show here.
    const std::pair<texts, std::array<double, result_count>> runs[] = {
        {run_a,
         {1.6709750000000003, 173.61496940770593, 275.5634159331582, 216.29986022232603,
          183.80981406025114, 265.36857128061297, 81.55875722036183, -32.49004616207489,
          -14.717878861044994, 0.10599731849440147, 6.1305495208694865, -9.312889417130634}},
        {worked_runs[2].typed,
         {2.0331, 178.79497097115737, 278.6453807103377, 178.79497097115737, 198.76505291899343,
          278.6453807103377, 79.88032779134426, 19.970081947836064, -0.9388295642813773,
          0.20434217972543767, 8.763108757245876, 98.80327791344257}},
    };
    for (const auto &[typed, values] : runs) {
        auto r = record_with(typed);
        const run_outcome outcome = calculate(r, ".");
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_DOUBLE_EQ(*outcome.value(result(i)), values[i]) << field_name(result(i));
    }
}

TEST(Results, FollowTheLocalesSeparatorThroughout)
{
    for (decimal_separator separator : {decimal_separator(","), decimal_separator("\xd9\xab")}) {
        for (const auto &run : worked_runs) { // a comma, and U+066B
            SCOPED_TRACE(std::string(run.name) + " with " + std::string(separator.text()));
            const auto local = [separator](std::string_view text) {
                std::string t(text);
                if (const auto point = t.find('.'); point != std::string::npos)
                    t.replace(point, 1, separator.text());
                return t;
            };
            field_record r;
            for (std::size_t i = 0; i < input_count; ++i)
                r[input(i)] = local(run.typed[i]);
            ASSERT_EQ(calculate(r, separator).failure, std::nullopt);
            for (std::size_t i = 0; i < result_count; ++i)
                EXPECT_EQ(r[result(i)], local(run.shown[i]));
            EXPECT_EQ(r.warnings, run.warnings);
        }
    }
    // A point is not such a locale's separator.
    auto r = record_with(run_a);
    EXPECT_EQ(calculate(r, ",").failure, (calc_error{error_kind::conversion, x_we}));
}

TEST(Results, NameTheTemperaturesOutsideTheFitsTrustedRange)
{
    using outside = std::vector<field>;
    const std::pair<texts, outside> cases[] = {
        {run_a, {}},
        {run_b, {}},
        {worked_runs[2].typed, {}},
        {with(run_a, {{tevap, "-45"}}), {}}, // both ends inside
        {with(run_a, {{tevap, "30"}, {tsub, "30"}, {x_we, "0"}}), {}},
        {with(run_a, {{tevap, "30"}, {x_we, "0.0265"}}), {Tlsub_max}}, // 30.04, shown as 30
        {with(run_a, {{tevap, "-45.001"}}), {tevap}},
        {with(run_a, {{tevap, "100"}}), {tevap, Tlsub_max}},
        {with(run_a, {{tsub, "30.001"}}), {tsub}},
        {with(run_a, {{x_we, "0.7"}}), {Tlsub_max}},          // about 38 C
        {with(run_a, {{tevap, "-50"}, {tsub, ""}}), {tevap}}, // as far as the run got
    };
    for (const auto &[typed, expected] : cases) {
        auto r = record_with(typed);
        const run_outcome outcome = calculate(r, ".");
        outside listed;
        for (std::size_t i = 0; i < field_count; ++i)
            if (outcome.outside_fits[i])
                listed.push_back(static_cast<field>(i));
        EXPECT_EQ(listed, expected) << typed[0] << " " << typed[1] << " " << typed[2];
    }
}

TEST(Results, EqualQualitiesOfSevenTenthsLeaveATinyRise)
{
    auto r = record_with(with(run_a, {{x_we, "0.7"}, {x_wy, "0.7"}}));
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

TEST(Results, IgnorePhysicalSenseOfTheInputs)
{
    auto r = record_with({"-25", "-60", "-0.5", "1.5", "0", "-10"});
    ASSERT_EQ(calculate(r, ".").failure, std::nullopt);
    EXPECT_EQ(r[m_opt], "0.00");
    EXPECT_TRUE(r.shown(warning::m_warn)); // a negative flow is below 0.00

    // An outlet quality below the inlet's: a negative rise, and a negative optimum flow.
    auto falling = record_with(with(run_a, {{x_we, "0.9"}, {x_wy, "0.1"}}));
    ASSERT_EQ(calculate(falling, ".").failure, std::nullopt);
    EXPECT_EQ(falling[dHw], "-81.6");
    EXPECT_EQ(falling[m_opt], "-6.13");
    // Above the critical point of the fits the latent heat comes out negative.
    auto hot = record_with(with(run_a, {{tevap, "80"}}));
    ASSERT_EQ(calculate(hot, ".").failure, std::nullopt);
    EXPECT_LT(*calculate(hot, ".").value(Hvap_sat), *calculate(hot, ".").value(Hliq_sat));
}

TEST(Warnings, OstrzezenieComparesTheDisplayedRiseWithZero)
{
    // Liquid at the evaporation temperature and x_we 0 give a rise of exactly 0; a slightly
    // negative x_we one that still shows as 0.0 (or -0.0), and then one that shows as -0.1.
    for (auto [x, shown, warned] : {std::tuple{"0", "0.0", false},
                                    {"-0.0003", "0.0", false},
                                    {"-0.0004", "0.0", false},
                                    {"-0.0005", "-0.1", true},
                                    {"0.0005", "0.1", false}}) {
        auto r = record_with(with(run_a, {{tsub, "-25"}, {x_we, x}}));
        r.warnings = {!warned, false};
        ASSERT_EQ(calculate(r, ".").failure, std::nullopt);
        EXPECT_EQ(r[dHg], shown) << x;
        EXPECT_EQ(r.shown(warning::Ostrzezenie), warned) << x;
    }
}

TEST(Warnings, MWarnComparesTheSetFlowWithTheDisplayedOptimum)
{
    // m_opt shows 6.13 (6.1305... unrounded).
    for (auto [flow, warned] : {std::pair{"6.13", false},
                                {"6.1300001", false},
                                {"6.129", true},
                                {"6.1305", false},
                                {"6.14", false},
                                {"-1", true},
                                {"1e300", false}}) {
        auto r = record_with(with(run_a, {{m, flow}}));
        r.warnings = {false, !warned};
        ASSERT_EQ(calculate(r, ".").failure, std::nullopt) << flow;
        EXPECT_EQ(r.shown(warning::m_warn), warned) << flow;
    }
}

// A run stops at the first failure and names the input being read, or the result whose step
// is being computed. What it wrote before keeps its new text; everything else keeps its old.
TEST(Failures, AnUnreadableInputStopsTheStepThatReadsIt)
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
        for (std::string_view bad : {"", "abc", "0,5", "-", "inf", "1e", "\xd9\xac"}) {
            SCOPED_TRACE(std::string(field_name(row.unreadable)) + " = '" + std::string(bad) + "'");
            auto r = record_with(run_b); // would hide Ostrzezenie and show m_warn
            r[row.unreadable] = bad;
            fill_with_old_results(r, opposite(worked_runs[1].warnings));
            const auto before = r.texts;

            const run_outcome outcome = calculate(r, ".");
            EXPECT_EQ(outcome.failure, (calc_error{error_kind::conversion, row.unreadable}));
            EXPECT_EQ(written(outcome), first_results(row.results_written));
            for (std::size_t i = row.results_written; i < result_count; ++i)
                EXPECT_EQ(r[result(i)], "old");
            for (std::size_t i = 0; i < input_count; ++i)
                EXPECT_EQ(r.texts[i], before[i]);
            EXPECT_EQ(outcome.decided, (std::array{row.ostrzezenie_set, false}));
            EXPECT_EQ(r.shown(warning::Ostrzezenie), !row.ostrzezenie_set);
            EXPECT_FALSE(r.shown(warning::m_warn));
        }
    }
}

TEST(Failures, TheInputReadFirstNamesTheFailure)
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

TEST(Failures, EveryReachableCheckStopsAtItsStep)
{
    // Inputs that make each check of a run overflow or divide by zero, and the results written
    // before it (the four of steps 7 to 10 are shown together, at step 11). No input reaches
    // the other four checks: the working pressure and the vapour enthalpy overflow only where
    // the shown pressure and the liquid enthalpy already have; and the latent heat and the rise
    // at x_we2 are differences of two enthalpies that stay below about 1.1e305 in size, as the
    // fifth power of the pressure overflows first.
    using k = error_kind;
    struct stop
    {
        std::initializer_list<std::pair<field, std::string_view>> inputs;
        calc_error failure;
        std::size_t results_written;
    };
    const stop stops[] = {
        {{{tevap, "1e103"}}, {k::overflow, pevap}, 0},
        {{{tevap, "1e60"}}, {k::overflow, Hliq_sat}, 1},
        {{{tsub, "1e103"}}, {k::overflow, Hwe_cap}, 3}, // its saturation pressure
        {{{tsub, "1e60"}}, {k::overflow, Hwe_cap}, 3},  // its liquid enthalpy
        {{{x_we, "1e308"}}, {k::overflow, Hx_we}, 4},
        {{{x_wy, "-1e308"}}, {k::overflow, Hx_wy}, 4},
        {{{x_we, "1.5e306"}, {x_wy, "-1.5e306"}}, {k::overflow, dHw}, 4},
        {{{tsub, "-1.7e22"}, {x_we, "1.7632e306"}}, {k::overflow, dHg}, 4},
        {{{x_we, "1e158"}}, {k::overflow, Tlsub_max}, 8},
        {{{x_we, "1e110"}}, {k::overflow, x_we2}, 9},  // the pressure at Tlsub_max
        {{{x_we, "2.7e29"}}, {k::overflow, x_we2}, 9}, // the liquid enthalpy there
        {{{tevap, "71.85149567478108"}}, {k::division_by_zero, x_we2}, 9}, // no latent heat
        {{{tevap, "71.85149567478109"}, {x_we, "-5.3e24"}}, {k::overflow, x_we2}, 9}, // a tiny one
        {{{x_we, "0.5"}, {x_wy, "0.5"}}, {k::division_by_zero, m_opt}, 10},
        {{{x_we, "0.5"}, {x_wy, "0.5000000000001"}, {Qw, "1e308"}}, {k::overflow, m_opt}, 10},
        {{{tsub, "-1.7e22"}, {x_wy, "1.7632e306"}}, {k::overflow, Qg}, 11}, // the total rise
        {{{m, "1e307"}}, {k::overflow, Qg}, 11},
    };
    for (const auto &s : stops) {
        SCOPED_TRACE(std::string(row(s.failure.kind).name) + " at " +
                     std::string(field_name(s.failure.field)));
        auto r = record_with(with(run_b, s.inputs));
        fill_with_old_results(r, opposite(worked_runs[1].warnings));
        const run_outcome outcome = calculate(r, ".");
        EXPECT_EQ(outcome.failure, s.failure);
        EXPECT_EQ(written(outcome), first_results(s.results_written));
        for (std::size_t i = s.results_written; i < result_count; ++i)
            EXPECT_EQ(r[result(i)], "old");
        EXPECT_EQ(outcome.decided[0], s.results_written >= 8);
        EXPECT_FALSE(outcome.decided[1]);
    }
}

TEST(Failures, MessagesNameTheKindAndTheFieldAsItsLabelsRead)
{
    EXPECT_EQ(failure_message({error_kind::conversion, tevap}),
              "Blad konwersji: pole \"T odparowania\" nie zawiera poprawnej liczby.\n"
              "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian.");
    EXPECT_EQ(failure_message({error_kind::division_by_zero, m_opt}),
              "Dzielenie przez zero przy obliczaniu \"m_opt (Qw,dx)\".\n"
              "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian.");
    EXPECT_EQ(failure_message({error_kind::overflow, dHg}),
              "Przekroczenie zakresu liczb przy obliczaniu \"\u0394Hg\".\n"
              "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian.");
}

TEST(Reference, ReproducesTheWorkedRunsInBothNotationsAndListsNothingOutsideTheFits)
{
    for (const auto &run : worked_runs) {
        SCOPED_TRACE(run.name);
        auto r = record_with(run.typed);
        const run_outcome outcome = calculate(r, ".", properties::reference);
        ASSERT_EQ(outcome.failure, std::nullopt);
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(r[result(i)], run.reference_shown[i]) << field_name(result(i));
        EXPECT_EQ(r.warnings, run.reference_warnings);
        EXPECT_TRUE(outcome.outside_fits.none());
        // x_we2 comes back from the liquid temperature's inverse, not as x_we itself.
        EXPECT_NEAR(*outcome.value(x_we2), *text_to_number(run.typed[2], "."), 1e-9);

        std::array<double, input_count> numbers{};
        for (std::size_t i = 0; i < input_count; ++i)
            numbers[i] = *text_to_number(run.typed[i], ".");
        std::array<bool, warning_count> warnings{};
        const run_outcome on_numbers = calculate(numbers, warnings, properties::reference);
        EXPECT_EQ(on_numbers.values, outcome.values);
        EXPECT_EQ(warnings, run.reference_warnings);
    }
    // Far outside the fits' range the reference lists nothing either.
    auto cold = record_with(with(run_a, {{tevap, "-100"}, {tsub, "-120"}}));
    EXPECT_EQ(calculate(cold, ".", properties::reference).failure, std::nullopt);
    EXPECT_TRUE(calculate(cold, ".", properties::reference).outside_fits.none());
}

TEST(Reference, AStateWithoutASaturatedCounterpartStopsAtTheStepThatNeedsIt)
{
    using k = error_kind;
    const struct
    {
        std::initializer_list<std::pair<field, std::string_view>> inputs;
        calc_error failure;
        std::size_t results_written;
    } stops[] = {
        {{{tevap, "80"}}, {k::no_saturated_state, pevap}, 0},
        {{{tevap, "71.87"}}, {k::no_saturated_state, pevap}, 0}, // just above the critical point
        {{{tevap, "-147.8"}}, {k::no_saturated_state, pevap}, 0},
        {{{tsub, "72"}}, {k::no_saturated_state, Hwe_cap}, 3},
        {{{tsub, "-150"}}, {k::no_saturated_state, Hwe_cap}, 3},
        {{{tevap, "70"}, {x_we, "0.9"}}, {k::no_saturated_state, Tlsub_max}, 8}, // above hc
        {{{x_we, "-2"}}, {k::no_saturated_state, Tlsub_max}, 8}, // below the triple point's
        {{{x_we, "0.5"}, {x_wy, "0.5"}}, {k::division_by_zero, m_opt}, 10},
        {{{tevap, "x"}}, {k::conversion, tevap}, 0},
    };
    for (const auto &s : stops) {
        SCOPED_TRACE(std::string(field_name(s.failure.field)));
        auto r = record_with(with(run_a, s.inputs));
        const run_outcome outcome = calculate(r, ".", properties::reference);
        EXPECT_EQ(outcome.failure, s.failure);
        EXPECT_EQ(written(outcome), first_results(s.results_written));
        EXPECT_TRUE(outcome.outside_fits.none());
    }
    // The fits go on where the reference stops.
    auto hot = record_with(with(run_a, {{tevap, "80"}}));
    EXPECT_EQ(calculate(hot, ".").failure, std::nullopt);
    EXPECT_EQ(failure_message({k::no_saturated_state, pevap}),
              "Brak stanu nasycenia przy obliczaniu \"p_odparowania\".\n"
              "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian.");
}

TEST(ReferenceNotes, GiveTheReferenceFigureAndTheDifferenceOfEachResultWritten)
{
    const auto notes_of = [](const texts &typed, decimal_separator separator) {
        auto r = record_with(typed);
        const run_outcome fits = calculate(r, separator);
        return reference_notes(r, fits, separator);
    };
    const auto a = notes_of(run_a, ".");
    const std::pair<field, std::string_view> expected[] = {
        {pevap, "Wg rownania stanu: 1.677 bar abs (fity: -0.006)"},
        {Hvap_sat, "Wg rownania stanu: 274.7 kJ/kg (fity: 0.9)"},
        {Tlsub_max, "Wg rownania stanu: -15 C (fity: 0)"},
        {x_we2, "Wg rownania stanu: 0.1 (fity: 0.0)"}, // no unit, and no minus on a zero
        {m_opt, "Wg rownania stanu: 6.21 g/s (fity: -0.08)"},
        {Qg, "Wg rownania stanu: -18.1 W (fity: 8.8)"},
    };
    for (const auto &[f, note] : expected)
        EXPECT_EQ(a[index(f) - input_count], note) << field_name(f);

    // The reference stops at pevap while the fits go on; the fits stop at x_wy's conversion.
    const auto hot = notes_of(with(run_a, {{tevap, "80"}, {x_wy, ""}}), ",");
    for (std::size_t i = 0; i < result_count; ++i) {
        SCOPED_TRACE(field_name(result(i)));
        if (i < 4)
            EXPECT_EQ(hot[i], "Wg rownania stanu: obliczenia przerwane przy \"p_odparowania\"");
        else
            EXPECT_EQ(hot[i], std::nullopt);
    }
    EXPECT_EQ(notes_of(with(run_a, {{x_we, "0,1"}}), ",")[0],
              "Wg rownania stanu: 1,677 bar abs (fity: -0,006)");
}
