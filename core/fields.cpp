#include "core/fields.h"

#include <array>

namespace c3f8 {

namespace {
constexpr std::array<std::string_view, field_count> field_names = {
    "tevap",   "tsub",  "x_we",  "x_wy", "m",   "Qw",        "pevap", "Hliq_sat", "Hvap_sat",
    "Hwe_cap", "Hx_we", "Hx_wy", "dHw",  "dHg", "Tlsub_max", "x_we2", "m_opt",    "Qg",
};
constexpr std::array<std::string_view, warning_count> warning_names = {"Ostrzezenie", "m_warn"};
} // namespace

std::string_view field_name(field f)
{
    return field_names[static_cast<std::size_t>(f)];
}

std::string_view warning_name(warning w)
{
    return warning_names[static_cast<std::size_t>(w)];
}

} // namespace c3f8
