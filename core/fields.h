// The panel's fields and warnings as the calculation knows them, and the interface through which
// it reads and writes them. The window implements it over its widgets, tests over a record.
#pragma once

#include <string>
#include <string_view>

namespace c3f8 {

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
    Qg,
};

inline constexpr int field_count = static_cast<int>(field::Qg) + 1;
inline constexpr int input_count = static_cast<int>(field::Qw) + 1;

enum class warning
{
    Ostrzezenie, // the inlet quality is too low for the arriving liquid
    m_warn,      // the set mass flow is below the optimum
};

inline constexpr int warning_count = 2;

// The object name of the field on the panel ("tevap", "Hliq_sat", ...).
std::string_view field_name(field f);
std::string_view warning_name(warning w);

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
