#include "cli/measured_pressure.h"

#include "core/number_text.h"
#include "core/saturation_temperature.h"

namespace c3f8::cli {

std::variant<std::string, calc_error>
tevap_from_pressure(measured from, const std::array<std::string, value_count> &texts,
                    properties under, decimal_separator separator)
{
    const auto read = [&](measured m) { return text_to_number(texts[value_index(m)], separator); };
    std::optional<double> p = read(from);
    if (p && from == measured::p_gauge) {
        const auto air = read(measured::barometer);
        p = air ? std::optional(*p + *air) : std::nullopt;
    }
    if (!p)
        return calc_error{error_kind::conversion, field::tevap};
    const auto t = saturation_temperature(under, *p);
    if (!t)
        return calc_error{error_kind::no_saturated_state, field::tevap};
    return number_to_text(*t, separator);
}

} // namespace c3f8::cli
