#include "core/reference_equation.h"

#include "core/saturation_expansions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace c3f8::reference_equation {

namespace {

// Lemmon, E.W. and Span, R., "Short Fundamental Equations of State for 20 Industrial Fluids",
// J. Chem. Eng. Data 51 (2006) 785-850: R-218.
constexpr double gas_constant = 8.314472;               // J/(mol K)
constexpr double molar_mass = 188.01933;                // g/mol
constexpr double t_reducing = 345.02;                   // K
constexpr double rho_reducing = 3.34;                   // mol/L
constexpr double zero_celsius = 273.15;                 // K
constexpr double kj_per_kg = gas_constant / molar_mass; // R in kJ/(kg K)

// n * tau^t * delta^d, times exp(-delta^c) where c > 0.
struct residual_term
{
    double n, t;
    int d, c;
};
constexpr std::array<residual_term, 12> residual_terms{{
    {1.3270, 0.25, 1, 0},
    {-3.8433, 1.25, 1, 0},
    {0.922, 1.5, 1, 0},
    {0.1136, 0.25, 3, 0},
    {0.00036195, 0.875, 7, 0},
    {1.1001, 2.375, 1, 1},
    {1.1896, 2.0, 2, 1},
    {-0.025147, 2.125, 5, 1},
    {-0.65923, 3.5, 1, 2},
    {-0.027969, 6.5, 1, 2},
    {-0.1833, 4.75, 4, 2},
    {-0.02163, 12.5, 2, 3},
}};

// The ideal gas: cp0/R = 4 + sum v (u/T)^2 e^(u/T) / (e^(u/T) - 1)^2, u in K.
constexpr double cp0_constant = 4;
constexpr std::array<std::pair<double, double>, 3> cp0_einstein{
    {{7.2198, 326}, {7.2692, 595}, {11.599, 1489}}};

// The residual Helmholtz energy and the derivatives the saturation and the enthalpy need.
struct residual_part
{
    double a, a_d, a_dd, a_t;
};

residual_part residual(double tau, double delta)
{
    residual_part r{};
    for (const residual_term &term : residual_terms) {
        double value = term.n * std::pow(tau, term.t) * std::pow(delta, term.d);
        double g = term.d; // delta times the logarithmic derivative in delta
        double g_d = 0;    // delta times the derivative of g
        if (term.c > 0) {
            const double dc = std::pow(delta, term.c);
            value *= std::exp(-dc);
            g -= term.c * dc;
            g_d = -term.c * term.c * dc;
        }
        r.a += value;
        r.a_d += value * g / delta;
        r.a_dd += value * (g * (g - 1) + g_d) / (delta * delta);
        r.a_t += value * term.t / tau;
    }
    return r;
}

// d(alpha_0)/d(tau) without its reference constant.
double ideal_tau_derivative(double tau)
{
    double value = (cp0_constant - 1) / tau;
    for (const auto &[v, u] : cp0_einstein) {
        const double x = u / t_reducing;
        value += v * x / std::expm1(x * tau);
    }
    return value;
}

double enthalpy(double T, double delta, double reference_constant)
{
    const double tau = t_reducing / T;
    const residual_part r = residual(tau, delta);
    return kj_per_kg * T *
           (1 + tau * (ideal_tau_derivative(tau) + reference_constant + r.a_t) + delta * r.a_d);
}

constexpr double t_critical = saturation_data::t_critical + zero_celsius;
constexpr double delta_critical = saturation_data::delta_critical;
constexpr double t_triple = saturation_data::t_triple + zero_celsius;
// Below this distance from the critical point the phases are started from solutions further away.
constexpr double near_critical = 0.05;

std::optional<std::pair<double, double>> densities(double T);

// Rough starting densities (reduced): a rectilinear diameter for the liquid and a vapour
// pressure line with the ideal gas for the vapour; near the critical point an extrapolation in
// the square root of the distance, along which the phases part.
std::optional<std::pair<double, double>> starting_densities(double T)
{
    const double theta = 1 - T / t_critical;
    if (theta < near_critical) {
        const double theta_a = std::min(4 * theta, near_critical);
        const double theta_b = std::min(16 * theta, 2 * near_critical);
        const auto a = densities(t_critical * (1 - theta_a));
        const auto b = densities(t_critical * (1 - theta_b));
        if (!a || !b)
            return std::nullopt;
        const double x = std::sqrt(theta), xa = std::sqrt(theta_a), xb = std::sqrt(theta_b);
        const auto extrapolate = [&](double da, double db) {
            const double ya = (da - delta_critical) / xa, yb = (db - delta_critical) / xb;
            const double slope = (ya - yb) / (xa - xb);
            return delta_critical + (ya - slope * xa) * x + slope * x * x;
        };
        return std::pair{extrapolate(a->first, b->first), extrapolate(a->second, b->second)};
    }
    const double liquid = 1 + 1.75 * std::cbrt(theta) + 0.75 * theta;
    const double ln_p =
        (t_critical / T) *
        (-7.8419 * theta + 2.8989 * std::pow(theta, 1.5) - 3.3458 * std::pow(theta, 2.2) -
         3.3196 * std::pow(theta, 4.8) + 0.25363 * std::pow(theta, 6.2));
    const double ideal_gas = 2.64e6 * std::exp(ln_p) / (1000 * gas_constant * T) / rho_reducing;
    return std::pair{liquid, ideal_gas};
}

// The reduced densities of both phases at T in K: Newton's method on equal pressure and equal
// Gibbs energy, written in Akasaka's functions J and K of the reduced density.
std::optional<std::pair<double, double>> densities(double T)
{
    const auto start = starting_densities(T);
    if (!start)
        return std::nullopt;
    auto [dl, dv] = *start;
    const double tau = t_reducing / T;
    struct jk
    {
        double j, k, j_d, k_d;
    };
    const auto functions = [tau](double delta) {
        const residual_part r = residual(tau, delta);
        return jk{delta * (1 + delta * r.a_d), delta * r.a_d + r.a + std::log(delta),
                  1 + 2 * delta * r.a_d + delta * delta * r.a_dd,
                  2 * r.a_d + delta * r.a_dd + 1 / delta};
    };
    // Once the steps are small, one more (quadratic convergence) reaches what doubles hold;
    // asking for less than the rounding noise would never end.
    bool closing = false;
    for (int iteration = 0; iteration < 100; ++iteration) {
        const jk l = functions(dl), v = functions(dv);
        const double det = v.j_d * l.k_d - l.j_d * v.k_d;
        double step_l = ((v.k - l.k) * v.j_d - (v.j - l.j) * v.k_d) / det;
        double step_v = ((v.k - l.k) * l.j_d - (v.j - l.j) * l.k_d) / det;
        // Far from the solution a full step can leave the two phases' order; shorten it.
        for (int halving = 0; !(dl + step_l > dv + step_v && dv + step_v > 0); ++halving) {
            if (halving == 60)
                return std::nullopt;
            step_l /= 2;
            step_v /= 2;
        }
        dl += step_l;
        dv += step_v;
        if (closing)
            return std::pair{dl, dv};
        closing = std::abs(step_l) <= 1e-10 * dl && std::abs(step_v) <= 1e-10 * dv;
    }
    return std::nullopt;
}

// The constant of the ideal part that puts the saturated liquid at 0 C at 200 kJ/kg.
double reference_constant()
{
    static const double constant = [] {
        const double T = zero_celsius;
        const double h = enthalpy(T, densities(T)->first, 0);
        return (200 - h) / (kj_per_kg * t_reducing);
    }();
    return constant;
}

// The x in from .. to at which the rising f reaches target: the Illinois variant of false
// position, to the last bits of x.
std::optional<double> rising_root(const std::function<std::optional<double>(double)> &f,
                                  double target, double from, double to)
{
    auto f_lo = f(from), f_hi = f(to);
    if (!f_lo || !f_hi || target < *f_lo || target > *f_hi)
        return std::nullopt;
    double lo = from, hi = to, y_lo = *f_lo - target, y_hi = *f_hi - target;
    int side = 0;
    for (int iteration = 0; iteration < 200 && hi - lo > 1e-13 * std::abs(hi); ++iteration) {
        const double x = (lo * y_hi - hi * y_lo) / (y_hi - y_lo);
        const auto fx = f(x);
        if (!fx)
            return std::nullopt;
        const double y = *fx - target;
        if (y == 0)
            return x;
        if (y < 0) {
            lo = x, y_lo = y;
            if (side == -1)
                y_hi /= 2;
            side = -1;
        } else {
            hi = x, y_hi = y;
            if (side == 1)
                y_lo /= 2;
            side = 1;
        }
    }
    return (lo + hi) / 2;
}

} // namespace

double pressure(double T, double rho)
{
    const double delta = rho / rho_reducing;
    return rho * gas_constant * T * (1 + delta * residual(t_reducing / T, delta).a_d) / 1000;
}

std::optional<saturated_phases> saturation(double t)
{
    const double T = t + zero_celsius;
    if (!(T >= t_triple && T < t_critical))
        return std::nullopt;
    const auto phases = densities(T);
    if (!phases)
        return std::nullopt;
    const double constant = reference_constant();
    // The vapour gives the pressure: near the triple point the liquid's is a small difference
    // of large terms.
    return saturated_phases{pressure(T, phases->second * rho_reducing) * 10,
                            enthalpy(T, phases->first, constant),
                            enthalpy(T, phases->second, constant)};
}

std::optional<double> saturation_temperature(double p)
{
    return rising_root(
        [](double t) -> std::optional<double> {
            const auto state = saturation(t);
            return state ? std::optional(std::log(state->p)) : std::nullopt;
        },
        std::log(p), saturation_data::t_triple, saturation_data::t_critical - 0.01);
}

std::optional<double> liquid_temperature(double h)
{
    return rising_root(
        [](double t) -> std::optional<double> {
            const auto state = saturation(t);
            return state ? std::optional(state->h_liquid) : std::nullopt;
        },
        h, saturation_data::t_triple, saturation_data::t_critical - 0.01);
}

} // namespace c3f8::reference_equation
