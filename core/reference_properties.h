// Saturated C3F8 from its reference equation of state (Lemmon and Span 2006), in the units of
// the fits: t in C, p in bar abs, h in kJ/kg. The curves are kept as Chebyshev expansions of the
// equation's own solution (core/saturation_expansions.h), within about 1e-14 of it relative in
// pressure, 1e-12 kJ/kg in enthalpy and 1e-11 K in the temperatures they give.
#pragma once

#include <optional>

namespace c3f8::reference {

struct saturation_state
{
    double p;        // bar abs
    double h_liquid; // kJ/kg
    double h_vapour; // kJ/kg
};

// Two phases coexist from the triple point (-147.7 C) up to, not including, the critical point.
bool has_two_phases(double t);

// The saturated state at t, where two phases coexist; none elsewhere.
std::optional<saturation_state> saturation(double t);
// The saturated-liquid enthalpy at t, from the triple point up to the critical point included.
std::optional<double> liquid_enthalpy(double t);
// The temperature whose saturation pressure is p, between the triple and the critical point's.
std::optional<double> saturation_temperature(double p);
// The temperature whose saturated-liquid enthalpy is h, between the triple point's liquid
// enthalpy and the critical enthalpy.
std::optional<double> liquid_temperature(double h);

} // namespace c3f8::reference
