#include "core/saturation_temperature.h"

#include "core/correlations.h"
#include "core/reference_properties.h"

#include <cmath>

namespace c3f8 {

namespace {

// The double nearest the root of psat_shown(t) = p: a bracket widened until it holds the root,
// then halved until its ends are neighbours.
double shown_pressure_inverse(double p)
{
    double lo = -200, hi = 100; // psat_shown(-200) < 0
    while (!(psat_shown(hi) >= p))
        hi *= 2; // at most some 340 doublings before the cube overflows to infinity
    for (;;) {
        const double middle = lo + (hi - lo) / 2;
        if (middle <= lo || middle >= hi)
            break;
        (psat_shown(middle) < p ? lo : hi) = middle;
    }
    return std::abs(psat_shown(lo) - p) < std::abs(psat_shown(hi) - p) ? lo : hi;
}

} // namespace

std::optional<double> saturation_temperature(properties from, double p)
{
    if (from == properties::reference)
        return reference::saturation_temperature(p);
    if (!(p > 0) || !std::isfinite(p))
        return std::nullopt;
    return shown_pressure_inverse(p);
}

} // namespace c3f8
