// Everything the program knows about its fields, warnings and failures, each fact once: the
// object name of a field's control, its caption and unit as the window shows them, its display
// pattern and its place in the order of the calculation's record.
//
// The enumerations end with a count that the tables are checked against at compile time, so an
// enumerator added anywhere without its row does not compile.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
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

// The inputs in the window's order (its Tab order), then the results in the order a run
// writes them. Wherever a case is listed (records, worked runs, columns) it is in this order.
enum class field
{
    tevap,
    tsub,
    x_we,
    x_wy,
    Qw,
    m,
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
    count
};

inline constexpr std::size_t field_count = static_cast<std::size_t>(field::count);
inline constexpr std::size_t input_count = 6;
inline constexpr std::size_t result_count = field_count - input_count;

// The items a field offers in its list, in this order: the inlet and outlet qualities.
inline constexpr std::array<double, 10> inlet_qualities{0,   0.1, 0.2, 0.3, 0.4,
                                                        0.5, 0.6, 0.7, 0.8, 0.9};
inline constexpr std::array<double, 7> outlet_qualities{0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1};

struct field_row
{
    field id;
    std::string_view name;    // the object name of its control
    std::string_view caption; // as the labels that name it read, UTF-8 ("ΔHg")
    std::string_view unit;    // as its unit label reads, without brackets; empty: none
    std::optional<display_pattern> shown_as; // results only
    std::string_view meaning;                // what it is, in a line of English
    std::span<const double> offered{};       // an input's list of items; empty: a plain field
    bool negative_values = false; // an input users type negative values into (needs a minus)
};

// clang-format off
inline constexpr std::array<field_row, field_count> field_table = {{
    {field::tevap,     "tevap",     "T odparowania",           "C",       {},
     "evaporation temperature", {}, true},
    {field::tsub,      "tsub",      "T przechlodzenia cieczy", "C",       {},
     "temperature of the subcooled liquid arriving at the pre-heater", {}, true},
    {field::x_we,      "x_we",      "x_we",                    "",        {},
     "vapour quality wanted at the inlet of the measuring section", inlet_qualities},
    {field::x_wy,      "x_wy",      "x_wy",                    "",        {},
     "vapour quality wanted at the outlet of the measuring section", outlet_qualities},
    {field::Qw,        "Qw",        "Qw",                      "W",       {},
     "heat dissipated in the test object"},
    {field::m,         "m",         "m",                       "g/s",     {},
     "mass flow currently set"},
    {field::pevap,     "pevap",     "p_odparowania",           "bar abs", patterns::thousandths,
     "evaporation pressure"},
    {field::Hliq_sat,  "Hliq_sat",  "Hliq_sat",                "kJ/kg",   patterns::tenths,
     "saturated-liquid enthalpy at the evaporation state"},
    {field::Hvap_sat,  "Hvap_sat",  "Hvap_sat",                "kJ/kg",   patterns::tenths,
     "saturated-vapour enthalpy at the evaporation state"},
    {field::Hwe_cap,   "Hwe_cap",   "Hwe_cap (od 2)",          "kJ/kg",   patterns::tenths,
     "enthalpy of the arriving liquid"},
    {field::Hx_we,     "Hx_we",     "Hx_we (x_we)",            "kJ/kg",   patterns::tenths,
     "enthalpy at the inlet quality x_we"},
    {field::Hx_wy,     "Hx_wy",     "Hx_wy (x_wy)",            "kJ/kg",   patterns::tenths,
     "enthalpy at the outlet quality x_wy"},
    {field::dHw,       "dHw",       "\u0394Hw",                "kJ/kg",   patterns::tenths,
     "enthalpy rise across the measuring section, Hx_wy - Hx_we"},
    {field::dHg,       "dHg",       "\u0394Hg",                "kJ/kg",   patterns::tenths,
     "enthalpy rise the pre-heater must supply, Hx_we - Hwe_cap"},
    {field::Tlsub_max, "Tlsub_max", "Tlsub_max",               "C",       patterns::whole,
     "highest liquid temperature that reaches x_we without pre-heating"},
    {field::x_we2,     "x_we2",     "x_we'",                   "",        patterns::tenths,
     "inlet quality actually reached from liquid at Tlsub_max"},
    {field::m_opt,     "m_opt",     "m_opt (Qw,dx)",           "g/s",     patterns::hundredths,
     "mass flow at which Qw alone takes the flow from x_we to x_wy"},
    {field::Qg,        "Qg",        "Qg (m)",                  "W",       patterns::tenths,
     "pre-heater power needed at the set flow m; negative means none is needed"},
}};
// clang-format on

constexpr bool field_table_is_complete()
{
    for (std::size_t i = 0; i < field_count; ++i) {
        const field_row &row = field_table[i];
        if (static_cast<std::size_t>(row.id) != i || row.name.empty() || row.caption.empty() ||
            row.meaning.empty() || row.shown_as.has_value() != (i >= input_count) ||
            ((!row.offered.empty() || row.negative_values) && i >= input_count))
            return false;
    }
    return true;
}
static_assert(field_table_is_complete(),
              "every field needs its row, in enumeration order, with a name, a caption, a meaning "
              "and, for a result (and only for a result), its display pattern; only an input "
              "offers a list or takes negative values");

constexpr std::size_t index(field f)
{
    return static_cast<std::size_t>(f);
}
constexpr const field_row &row(field f)
{
    return field_table[index(f)];
}
constexpr field input(std::size_t i)
{
    return static_cast<field>(i);
}
constexpr field result(std::size_t i)
{
    return static_cast<field>(input_count + i);
}
constexpr bool is_input(field f)
{
    return index(f) < input_count;
}
constexpr std::string_view field_name(field f)
{
    return row(f).name;
}

enum class warning
{
    Ostrzezenie, // the inlet quality is too low for the arriving liquid
    m_warn,      // the set mass flow is below the optimum
    count
};

inline constexpr std::size_t warning_count = static_cast<std::size_t>(warning::count);

struct warning_row
{
    warning id;
    std::string_view name;    // the object name of its label
    std::string_view caption; // the label's text, exactly as shown
};

inline constexpr std::array<warning_row, warning_count> warning_table = {{
    {warning::Ostrzezenie, "Ostrzezenie",
     "!!! Hwe_cap jest wieksze od Hx_we, czyli zalozone x_we jest za male dla obecnej T "
     "przechlodzenia cieczy !!!!"},
    {warning::m_warn, "m_warn", "!!! m musi byc wieksze od m_opt (pkt.2 \"Komentarz) !!!"},
}};

constexpr bool warning_table_is_complete()
{
    for (std::size_t i = 0; i < warning_count; ++i) {
        if (static_cast<std::size_t>(warning_table[i].id) != i || warning_table[i].name.empty() ||
            warning_table[i].caption.empty())
            return false;
    }
    return true;
}
static_assert(warning_table_is_complete(),
              "every warning needs its row, in enumeration order, with a name and a caption");

constexpr std::size_t index(warning w)
{
    return static_cast<std::size_t>(w);
}
constexpr const warning_row &row(warning w)
{
    return warning_table[index(w)];
}

enum class error_kind
{
    conversion,         // a field text is not a number in the user's locale
    division_by_zero,   // a divisor came out as exactly zero
    overflow,           // a value came out infinite or undefined
    no_saturated_state, // the reference equation gives no saturated state at that point
    count
};

inline constexpr std::size_t error_kind_count = static_cast<std::size_t>(error_kind::count);

struct error_kind_row
{
    error_kind id;
    std::string_view name; // for scripts: "conversion", "division_by_zero", ...
    // What the user is told; {} stands for the field's caption in quotes.
    std::string_view message;
};

inline constexpr std::array<error_kind_row, error_kind_count> error_kind_table = {{
    {error_kind::conversion, "conversion",
     "Blad konwersji: pole \"{}\" nie zawiera poprawnej liczby."},
    {error_kind::division_by_zero, "division_by_zero",
     "Dzielenie przez zero przy obliczaniu \"{}\"."},
    {error_kind::overflow, "overflow", "Przekroczenie zakresu liczb przy obliczaniu \"{}\"."},
    {error_kind::no_saturated_state, "no_saturated_state",
     "Brak stanu nasycenia przy obliczaniu \"{}\"."},
}};

constexpr bool error_kind_table_is_complete()
{
    for (std::size_t i = 0; i < error_kind_count; ++i) {
        const error_kind_row &r = error_kind_table[i];
        if (static_cast<std::size_t>(r.id) != i || r.name.empty() ||
            r.message.find("{}") == std::string_view::npos)
            return false;
    }
    return true;
}
static_assert(error_kind_table_is_complete(),
              "every kind of failure needs its row, in enumeration order, with a name and a "
              "message that names the field");

constexpr const error_kind_row &row(error_kind k)
{
    return error_kind_table[static_cast<std::size_t>(k)];
}

// Where a run takes the properties of saturated C3F8 from.
enum class properties
{
    fits,      // the five polynomial fits, as the window shows its figures
    reference, // the reference equation of state (Lemmon and Span 2006)
    count
};

inline constexpr std::size_t properties_count = static_cast<std::size_t>(properties::count);

struct properties_row
{
    properties id;
    std::string_view name;    // as options and parameters spell it
    std::string_view meaning; // in a line of English
};

inline constexpr std::array<properties_row, properties_count> properties_table = {{
    {properties::fits, "fits", "the five polynomial fits of saturated C3F8 the window uses"},
    {properties::reference, "reference",
     "C3F8's reference equation of state (Lemmon and Span 2006)"},
}};

constexpr bool properties_table_is_complete()
{
    for (std::size_t i = 0; i < properties_count; ++i)
        if (static_cast<std::size_t>(properties_table[i].id) != i ||
            properties_table[i].name.empty() || properties_table[i].meaning.empty())
            return false;
    return true;
}
static_assert(properties_table_is_complete(),
              "every kind of properties needs its row, in enumeration order, with a name and a "
              "meaning");

constexpr const properties_row &row(properties p)
{
    return properties_table[static_cast<std::size_t>(p)];
}

// The properties called name, or none.
constexpr std::optional<properties> properties_named(std::string_view name)
{
    for (const properties_row &r : properties_table)
        if (r.name == name)
            return r.id;
    return std::nullopt;
}

// The columns in which every front end that writes points in series lists one point: the
// inputs, the results, the warnings, the fields outside the fits' trusted range, and why the
// run stopped. A reader of such output leaves aside every column but the inputs.
enum class column_kind
{
    field,
    warning,
    outside_fits,  // the names of the fields outside the fits' trusted range, by blanks
    failure,       // the kind's name
    failure_field, // the name of the field the failure names
};

struct column
{
    std::string_view name;
    column_kind kind;
    std::size_t of; // the index of the field or warning; 0 for the others
};

inline constexpr std::size_t column_count = field_count + warning_count + 3;

constexpr std::array<column, column_count> make_columns()
{
    std::array<column, column_count> columns{};
    std::size_t at = 0;
    for (const field_row &r : field_table)
        columns[at++] = {r.name, column_kind::field, index(r.id)};
    for (const warning_row &r : warning_table)
        columns[at++] = {r.name, column_kind::warning, index(r.id)};
    columns[at++] = {"outside_fits", column_kind::outside_fits, 0};
    columns[at++] = {"failure", column_kind::failure, 0};
    columns[at++] = {"failure_field", column_kind::failure_field, 0};
    return columns;
}
inline constexpr std::array<column, column_count> columns = make_columns();

// The place of the column called name, or none.
constexpr std::optional<std::size_t> column_index(std::string_view name)
{
    for (std::size_t i = 0; i < column_count; ++i)
        if (columns[i].name == name)
            return i;
    return std::nullopt;
}

// The title of the failure message, and the line that follows the kind and the field.
inline constexpr std::string_view failure_title = "Blad obliczen";
inline constexpr std::string_view failure_consequence =
    "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian.";

} // namespace c3f8
