// The panel's fields and warnings as the calculation knows them, and the interface through which
// it reads and writes them. The window implements it over its widgets, tests over a record.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace c3f8 {

// How a result is shown: the pattern as the user knows it, and its number of decimals.
struct display_pattern
{
    std::string_view text;
    int decimals;
};

namespace patterns {
inline constexpr display_pattern thousandths{"0.000", 3};
inline constexpr display_pattern hundredths{"0.00", 2};
inline constexpr display_pattern tenths{"0.0", 1};
inline constexpr display_pattern whole{"0", 0};
} // namespace patterns

enum class field
{
    // inputs
    tevap,
    tsub,
    x_we,
    x_wy,
    m,
    Qw,
    // results, in the order a run writes them
    pevap,
    Hliq_sat,
    Hvap_sat,
    Hwe_cap,
    Hx_we,
    Hx_wy,
    dHw,
    dHg,
    Tlsub_max,
    x_we2,
    m_opt,
    Qg, // the last field: field_count follows from it
};

inline constexpr std::size_t field_count = static_cast<std::size_t>(field::Qg) + 1;

struct field_row
{
    field id;
    std::string_view name;                   // the object name of its control on the panel
    std::optional<display_pattern> shown_as; // results only
};

// Every field once, in the order of the enumeration.
inline constexpr std::array<field_row, field_count> field_table = {{
    {field::tevap, "tevap", {}},
    {field::tsub, "tsub", {}},
    {field::x_we, "x_we", {}},
    {field::x_wy, "x_wy", {}},
    {field::m, "m", {}},
    {field::Qw, "Qw", {}},
    {field::pevap, "pevap", patterns::thousandths},
    {field::Hliq_sat, "Hliq_sat", patterns::tenths},
    {field::Hvap_sat, "Hvap_sat", patterns::tenths},
    {field::Hwe_cap, "Hwe_cap", patterns::tenths},
    {field::Hx_we, "Hx_we", patterns::tenths},
    {field::Hx_wy, "Hx_wy", patterns::tenths},
    {field::dHw, "dHw", patterns::tenths},
    {field::dHg, "dHg", patterns::tenths},
    {field::Tlsub_max, "Tlsub_max", patterns::whole},
    {field::x_we2, "x_we2", patterns::tenths},
    {field::m_opt, "m_opt", patterns::hundredths},
    {field::Qg, "Qg", patterns::tenths},
}};

// The inputs come first and have no pattern; every result has one.
inline constexpr std::size_t input_count = static_cast<std::size_t>(field::Qw) + 1;
inline constexpr std::size_t result_count = field_count - input_count;

constexpr bool field_table_is_complete()
{
    for (std::size_t i = 0; i < field_count; ++i) {
        const field_row &row = field_table[i];
        if (static_cast<std::size_t>(row.id) != i || row.name.empty() ||
            row.shown_as.has_value() != (i >= input_count))
            return false;
    }
    return true;
}
static_assert(field_table_is_complete(),
              "every field needs its row, in enumeration order, with a name and, for a result, "
              "its display pattern");

constexpr field input(std::size_t i)
{
    return static_cast<field>(i);
}
constexpr field result(std::size_t i)
{
    return static_cast<field>(input_count + i);
}

// The object name of the field on the panel ("tevap", "Hliq_sat", ...).
constexpr std::string_view field_name(field f)
{
    return field_table[static_cast<std::size_t>(f)].name;
}

enum class warning
{
    Ostrzezenie, // the inlet quality is too low for the arriving liquid
    m_warn,      // the set mass flow is below the optimum
};

inline constexpr std::size_t warning_count = 2;
inline constexpr std::array<std::string_view, warning_count> warning_names = {"Ostrzezenie",
                                                                              "m_warn"};

constexpr std::string_view warning_name(warning w)
{
    return warning_names[static_cast<std::size_t>(w)];
}

class field_access
{
public:
    virtual ~field_access() = default;

    virtual std::string text(field f) = 0;
    virtual void set_text(field f, std::string_view text) = 0;
    virtual void set_warning_visible(warning w, bool visible) = 0;
    // The decimal separator of the user's locale, asked afresh for every conversion.
    virtual std::string decimal_separator() = 0;
};

} // namespace c3f8
