#include "core/reference_properties.h"

#include "core/saturation_expansions.h"

#include <algorithm>
#include <cmath>

namespace c3f8::reference {

namespace data = saturation_data;

namespace {

// The expansions' variable: 0 at the critical point, 1 at the triple point.
double distance_from_critical(double t)
{
    return std::sqrt((data::t_critical - t) / (data::t_critical - data::t_triple));
}

bool within(double x, double from, double to)
{
    return x >= from && x <= to; // false for NaN
}

} // namespace

bool has_two_phases(double t)
{
    return t >= data::t_triple && t < data::t_critical;
}

std::optional<saturation_state> saturation(double t)
{
    if (!has_two_phases(t))
        return std::nullopt;
    const double s = distance_from_critical(t);
    return saturation_state{std::exp(chebyshev_value(data::log_pressure, s)),
                            chebyshev_value(data::liquid_enthalpy, s),
                            chebyshev_value(data::vapour_enthalpy, s)};
}

std::optional<double> liquid_enthalpy(double t)
{
    if (!within(t, data::t_triple, data::t_critical))
        return std::nullopt;
    return chebyshev_value(data::liquid_enthalpy, distance_from_critical(t));
}

std::optional<double> saturation_temperature(double p)
{
    if (!within(p, data::p_triple, data::p_critical))
        return std::nullopt;
    const double t = chebyshev_value(data::temperature_at_log_pressure, std::log(p));
    return std::clamp(t, data::t_triple, data::t_critical);
}

std::optional<double> liquid_temperature(double h)
{
    if (!within(h, data::h_liquid_triple, data::h_critical))
        return std::nullopt;
    const double t = chebyshev_value(data::temperature_at_liquid_enthalpy, h);
    return std::clamp(t, data::t_triple, data::t_critical);
}

} // namespace c3f8::reference
