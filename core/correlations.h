// Property fits of saturated C3F8 in engineering units: t in C, p in bar abs, H in kJ/kg.
//
// Each fit is one polynomial, evaluated term by term from the highest power down and summed
// strictly left to right, so that every result is reproducible to the last bit. The fits accept
// any double; outside roughly -60 .. +60 C they are meaningless but still evaluated.
#pragma once

namespace c3f8 {

// The temperatures over which the fits agree with the reference data well enough to trust the
// figures (in C, both ends inside). Beyond them the pressure fit falls away below, and the liquid
// enthalpy departs above.
struct temperature_range
{
    double from, to;

    constexpr bool holds(double t) const { return t >= from && t <= to; }
};
inline constexpr temperature_range fits_trusted_range{-45.0, 30.0};

// Saturation pressure used for every enthalpy.
double psat(double t);
// Saturation pressure shown to the user: the same fit with a constant 0.0172 bar lower.
double psat_shown(double t);
// Saturated-liquid enthalpy at pressure p.
double hliq(double p);
// Saturated-vapour enthalpy at pressure p.
double hvap(double p);
// Liquid temperature whose saturated-liquid enthalpy is H (a fit of its own, not an inverse).
double tliq(double H);

} // namespace c3f8
