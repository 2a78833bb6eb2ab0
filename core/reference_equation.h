// The reference equation of state of C3F8 solved in full, in doubles: the check on the
// expansions that the programs use (core/reference_properties.h). Slow; built for the tests and
// the benchmarks, not into the programs.
#pragma once

#include <optional>

namespace c3f8::reference_equation {

// Pressure in MPa at the temperature T in K and the molar density rho in mol/L.
double pressure(double T, double rho);

struct saturated_phases
{
    double p;                  // bar abs
    double h_liquid, h_vapour; // kJ/kg, IIR reference state
};

// The saturated state at t (C), solved from equal pressure and equal Gibbs energy of the two
// phases; none outside the triple point .. the critical point, or where the solution fails.
std::optional<saturated_phases> saturation(double t);

// The inverses, by bracketed iteration on saturation(): the temperature (C) at the saturation
// pressure p (bar abs) and at the saturated-liquid enthalpy h (kJ/kg).
std::optional<double> saturation_temperature(double p);
std::optional<double> liquid_temperature(double h);

} // namespace c3f8::reference_equation
