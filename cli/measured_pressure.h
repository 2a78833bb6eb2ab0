// The evaporation temperature from a pressure measured at the stand: the inputs the command line
// takes beside the window's six, each an option and a column of its own name.
#pragma once

#include "core/calculation.h"
#include "core/catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace c3f8::cli {

enum class measured
{
    p_abs,     // the absolute evaporation pressure
    p_gauge,   // the same above the air's pressure
    barometer, // the air's absolute pressure, which p_gauge is read against
    count
};

inline constexpr std::size_t measured_count = static_cast<std::size_t>(measured::count);

struct measured_row
{
    measured id;
    std::string_view name; // of its option (with "--") and of its column
    std::string_view description;
};

// clang-format off
inline constexpr std::array<measured_row, measured_count> measured_table = {{
    {measured::p_abs, "p_abs",
     "absolute evaporation pressure [bar abs], instead of --tevap: tevap is its saturation "
     "temperature under --properties"},
    {measured::p_gauge, "p_gauge",
     "gauge evaporation pressure [bar], instead of --tevap; needs --barometer"},
    {measured::barometer, "barometer",
     "absolute pressure of the air [bar abs] that --p_gauge is read against"},
}};
// clang-format on

constexpr std::size_t index(measured m)
{
    return static_cast<std::size_t>(m);
}

// Every value a point is made of: the six inputs, then the measured pressures.
inline constexpr std::size_t value_count = input_count + measured_count;
constexpr std::size_t value_index(field f)
{
    return index(f);
}
constexpr std::size_t value_index(measured m)
{
    return input_count + index(m);
}
constexpr std::string_view value_name(std::size_t i)
{
    return i < input_count ? field_table[i].name : measured_table[i - input_count].name;
}

// tevap's text for a point whose pressure is measured (p_abs, or p_gauge with barometer): the
// shortest text that reads back to the saturation temperature at that absolute pressure, or
// the failure that names tevap where a text does not read (conversion) or the pressure has no
// saturation temperature under those properties (no_saturated_state).
std::variant<std::string, calc_error>
tevap_from_pressure(measured from, const std::array<std::string, value_count> &texts,
                    properties under, decimal_separator separator);

} // namespace c3f8::cli
