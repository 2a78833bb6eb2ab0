// The reference equation of state: the full solver against the published figures, the
// expansions the programs use against the full solver, and the inverses the run needs.
#include "core/correlations.h"
#include "core/reference_equation.h"
#include "core/reference_properties.h"
#include "core/saturation_expansions.h"
#include "core/saturation_temperature.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

using namespace c3f8;
namespace full = c3f8::reference_equation;
namespace data = c3f8::saturation_data;

namespace {

constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

TEST(ReferenceEquation, GivesThePapersCheckValue)
{
    // p(347 K, 3 mol/L) = 2.742100 MPa, to all its digits.
    EXPECT_EQ(rounded(full::pressure(347, 3), 6), 2.742100);
}

TEST(ReferenceEquation, FullSolverAndExpansionsGiveTheSaturationTable)
{
    std::ifstream in(C3F8_REFERENCE_CSV);
    std::string line;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 't')
            continue;
        std::istringstream fields(line);
        double t, p, h_liq, h_vap;
        char comma;
        fields >> t >> comma >> p >> comma >> h_liq >> comma >> h_vap;
        SCOPED_TRACE(line);
        const auto solved = full::saturation(t);
        const auto expanded = reference::saturation(t);
        ASSERT_TRUE(solved && expanded);
        for (const auto &[p_of, h_liq_of, h_vap_of] :
             {std::tuple{solved->p, solved->h_liquid, solved->h_vapour},
              std::tuple{expanded->p, expanded->h_liquid, expanded->h_vapour}}) {
            EXPECT_EQ(rounded(p_of, 5), p);
            EXPECT_EQ(rounded(h_liq_of, 3), h_liq);
            EXPECT_EQ(rounded(h_vap_of, 3), h_vap);
        }
        ++rows;
    }
    EXPECT_EQ(rows, 25);
}

TEST(ReferenceEquation, ExpansionsAgreeWithTheFullSolverFromTripleToNearCritical)
{
    // 10,000 temperatures from the triple point to 0.01 K below the critical point.
    constexpr int count = 10000;
    const double from = data::t_triple, to = data::t_critical - 0.01;
    double worst_p = 0, worst_h = 0;
    for (int i = 0; i < count; ++i) {
        const double t = from + (to - from) * i / (count - 1);
        const auto solved = full::saturation(t);
        const auto expanded = reference::saturation(t);
        ASSERT_TRUE(solved && expanded) << t;
        worst_p = std::max(worst_p, std::abs(expanded->p / solved->p - 1));
        worst_h = std::max({worst_h, std::abs(expanded->h_liquid - solved->h_liquid),
                            std::abs(expanded->h_vapour - solved->h_vapour)});
        ASSERT_EQ(*reference::liquid_enthalpy(t), expanded->h_liquid);
    }
    EXPECT_LE(worst_p, 1e-10);
    EXPECT_LE(worst_h, 1e-8);
}

TEST(ReferenceEquation, InversesAgreeWithTheFullSolversAndGoBackAndForth)
{
    for (double t : {-147.7, -140.0, -100.0, -45.0, -25.0, 0.0, 15.0, 30.0, 60.0, 71.0, 71.8}) {
        SCOPED_TRACE(t);
        const auto state = *reference::saturation(t);
        const double by_pressure = *reference::saturation_temperature(state.p);
        const double by_enthalpy = *reference::liquid_temperature(state.h_liquid);
        EXPECT_NEAR(by_pressure, t, 1e-9);
        EXPECT_NEAR(by_enthalpy, t, 1e-9);
        EXPECT_NEAR(by_pressure, *full::saturation_temperature(state.p), 1e-8);
        EXPECT_NEAR(by_enthalpy, *full::liquid_temperature(state.h_liquid), 1e-8);
    }
    // Beyond the saturated states the full solver's inverses give none either.
    for (double p : {1e-6, 27.0})
        EXPECT_EQ(full::saturation_temperature(p), std::nullopt) << p;
    for (double h : {65.0, 304.0})
        EXPECT_EQ(full::liquid_temperature(h), std::nullopt) << h;
}

TEST(ReferenceEquation, GivesAStateOnlyWhereTwoPhasesCoexist)
{
    const double below_triple = std::nextafter(data::t_triple, -inf);
    const double below_critical = std::nextafter(data::t_critical, 0.0);
    // The full solver in doubles stops short of the critical point; it is checked to 0.01 K.
    const struct
    {
        double t;
        bool two_phases, liquid, solved;
    } temperatures[] = {
        {data::t_triple, true, true, true},
        {below_triple, false, false, false},
        {data::t_critical - 0.01, true, true, true},
        {below_critical, true, true, false},
        {data::t_critical, false, true, false},
        {std::nextafter(data::t_critical, inf), false, false, false},
        {not_a_number, false, false, false},
        {inf, false, false, false},
        {-inf, false, false, false},
    };
    for (const auto &row : temperatures) {
        SCOPED_TRACE(row.t);
        EXPECT_EQ(reference::has_two_phases(row.t), row.two_phases);
        EXPECT_EQ(reference::saturation(row.t).has_value(), row.two_phases);
        EXPECT_EQ(reference::liquid_enthalpy(row.t).has_value(), row.liquid);
        EXPECT_EQ(full::saturation(row.t).has_value(), row.solved);
    }
    EXPECT_NEAR(*reference::liquid_enthalpy(data::t_critical), data::h_critical, 1e-9);
    EXPECT_NEAR(reference::saturation(below_critical)->h_vapour, data::h_critical, 1e-5);

    const struct
    {
        double value;
        std::optional<double> t;
    } pressures[] = {{data::p_triple, data::t_triple},
                     {data::p_critical, data::t_critical},
                     {std::nextafter(data::p_triple, 0.0), std::nullopt},
                     {std::nextafter(data::p_critical, inf), std::nullopt},
                     {0, std::nullopt},
                     {not_a_number, std::nullopt}},
      enthalpies[] = {{data::h_liquid_triple, data::t_triple},
                      {data::h_critical, data::t_critical},
                      {std::nextafter(data::h_liquid_triple, 0.0), std::nullopt},
                      {std::nextafter(data::h_critical, inf), std::nullopt},
                      {not_a_number, std::nullopt}};
    for (const auto &row : pressures) {
        const auto t = reference::saturation_temperature(row.value);
        ASSERT_EQ(t.has_value(), row.t.has_value()) << row.value;
        if (t) {
            EXPECT_NEAR(*t, *row.t, 1e-9);
        }
    }
    for (const auto &row : enthalpies) {
        const auto t = reference::liquid_temperature(row.value);
        ASSERT_EQ(t.has_value(), row.t.has_value()) << row.value;
        if (t) {
            EXPECT_NEAR(*t, *row.t, 1e-9);
        }
    }
}

TEST(SaturationTemperature, WithTheFitsShowsTheGivenPressureBack)
{
    for (double p : {1e-300, 0.001, 0.5, 1.67325, 4.1291, 26.4, 1000.0, 1e300}) {
        SCOPED_TRACE(p);
        const double t = *saturation_temperature(properties::fits, p);
        // The nearest double: its neighbours miss p by at least as much.
        const double miss = std::abs(psat_shown(t) - p);
        EXPECT_GE(std::abs(psat_shown(std::nextafter(t, inf)) - p), miss);
        EXPECT_GE(std::abs(psat_shown(std::nextafter(t, -inf)) - p), miss);
        EXPECT_LE(miss, 1e-12 * p + 1e-14);
    }
    EXPECT_EQ(rounded(*saturation_temperature(properties::fits, 1.67325), 2), -24.97);
    EXPECT_EQ(rounded(*saturation_temperature(properties::reference, 1.67325), 3), -25.057);
    for (double p : {0.0, -1.0, -0.0, not_a_number, inf})
        for (properties from : {properties::fits, properties::reference})
            EXPECT_EQ(saturation_temperature(from, p), std::nullopt) << p;
}
