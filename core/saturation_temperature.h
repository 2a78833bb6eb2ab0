// The evaporation temperature from a measured pressure.
#pragma once

#include "core/catalogue.h"

#include <optional>

namespace c3f8 {

// The saturation temperature (C) at the absolute pressure p (bar) under the given properties.
// With the fits it is the temperature whose displayed pressure (psat_shown, which rises over all
// real numbers) is nearest p, to the last bit, so that a run shows p back as pevap; none at or
// below 0 bar. With the reference equation it is the temperature whose saturation pressure is
// p; none outside the triple point's and the critical point's pressures. None for NaN.
std::optional<double> saturation_temperature(properties from, double p);

} // namespace c3f8
