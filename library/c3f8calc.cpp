// The C interface over the core. Every function catches what the core may throw, so that no
// C++ exception crosses into a caller written in C, Python or LabVIEW.
#include "c3f8calc.h"

#include "interface_checks.h"
#include "interface_support.h"

#include "core/calculation.h"
#include "core/correlations.h"
#include "core/number_text.h"
#include "core/reference_properties.h"
#include "core/saturation_temperature.h"
#include "project_info.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace c3f8;
using interface_support::all_given;
using interface_support::copy_text;
using interface_support::guarded;
using interface_support::lay_out_texts;

constexpr double not_reached = std::numeric_limits<double>::quiet_NaN();

// Whether i numbers one of count entries.
bool within(int32_t i, std::size_t count)
{
    return i >= 0 && static_cast<std::size_t>(i) < count;
}

template <class... Pointers> bool any_null(Pointers... pointers)
{
    return ((pointers == nullptr) || ...);
}

// What c3f8_layout answers: the limits and the layout of the structs as this build lays them out.
struct layout_item
{
    std::string_view name;
    std::size_t value;
};
// clang-format off
constexpr layout_item layout_items[] = {
    {"text_max",                     C3F8_TEXT_MAX},
    {"separator_max",                C3F8_SEPARATOR_MAX},
    {"pointer",                      sizeof(const char *)},
    {"c3f8_field_info",              sizeof(c3f8_field_info)},
    {"c3f8_field_info.name",         offsetof(c3f8_field_info, name)},
    {"c3f8_field_info.caption",      offsetof(c3f8_field_info, caption)},
    {"c3f8_field_info.unit",         offsetof(c3f8_field_info, unit)},
    {"c3f8_field_info.pattern",      offsetof(c3f8_field_info, pattern)},
    {"c3f8_field_info.meaning",      offsetof(c3f8_field_info, meaning)},
    {"c3f8_field_info.is_input",     offsetof(c3f8_field_info, is_input)},
    {"c3f8_field_info.decimals",     offsetof(c3f8_field_info, decimals)},
    {"c3f8_outcome",                 sizeof(c3f8_outcome)},
    {"c3f8_outcome.values",          offsetof(c3f8_outcome, values)},
    {"c3f8_outcome.warnings",        offsetof(c3f8_outcome, warnings)},
    {"c3f8_outcome.failure_kind",    offsetof(c3f8_outcome, failure_kind)},
    {"c3f8_outcome.failure_field",   offsetof(c3f8_outcome, failure_field)},
    {"c3f8_outcome.outside_fits",    offsetof(c3f8_outcome, outside_fits)},
};
// clang-format on

void fill_outcome(const run_outcome &outcome, const std::array<bool, warning_count> &shown,
                  double *values, int8_t *warnings, uint32_t *outside_fits, int32_t *kind,
                  int32_t *failed_field)
{
    for (std::size_t i = 0; i < result_count; ++i)
        values[i] = outcome.values[i].value_or(not_reached);
    for (std::size_t w = 0; w < warning_count; ++w)
        warnings[w] = outcome.decided[w] ? static_cast<int8_t>(shown[w]) : int8_t{-1};
    *outside_fits = static_cast<uint32_t>(outcome.outside_fits.to_ulong());
    *kind = outcome.failure ? static_cast<int32_t>(outcome.failure->kind) : -1;
    *failed_field = outcome.failure ? static_cast<int32_t>(index(outcome.failure->field)) : -1;
}

std::optional<properties> properties_numbered(int32_t which)
{
    if (!within(which, properties_count))
        return std::nullopt;
    return static_cast<properties>(which);
}

template <class Fit> c3f8_status fit(Fit f, double x, double *y)
{
    if (!y)
        return C3F8_ERROR_NULL_POINTER;
    *y = f(x);
    return C3F8_OK;
}

} // namespace

extern "C" {

const char *c3f8_status_text(c3f8_status status)
{
    switch (status) {
    case C3F8_OK:
        return "no error";
    case C3F8_ERROR_NULL_POINTER:
        return "a pointer that must not be null is null";
    case C3F8_ERROR_BAD_INDEX:
        return "a field, warning, kind or column number is out of range";
    case C3F8_ERROR_BAD_COUNT:
        return "a count or capacity is negative";
    case C3F8_ERROR_BAD_SEPARATOR:
        return "the decimal separator is empty, too long, or holds a digit, sign, blank or e";
    case C3F8_ERROR_BUFFER_TOO_SMALL:
        return "a text buffer is too small";
    case C3F8_ERROR_OUT_OF_MEMORY:
        return "out of memory";
    case C3F8_ERROR_INTERNAL:
        return "an internal fault of the library";
    case C3F8_ERROR_BAD_VALUE:
        return "a value is infinite or not a number";
    case C3F8_ERROR_NO_SATURATION:
        return "the fluid has no saturated state there";
    default:
        return "unknown status";
    }
}

c3f8_status c3f8_version(const char **version)
{
    if (!version)
        return C3F8_ERROR_NULL_POINTER;
    *version = project_info::version;
    return C3F8_OK;
}

c3f8_status c3f8_counts(int32_t *fields, int32_t *warnings, int32_t *failure_kinds,
                        int32_t *column_total)
{
    if (fields)
        *fields = static_cast<int32_t>(field_count);
    if (warnings)
        *warnings = static_cast<int32_t>(warning_count);
    if (failure_kinds)
        *failure_kinds = static_cast<int32_t>(error_kind_count);
    if (column_total)
        *column_total = static_cast<int32_t>(column_count);
    return C3F8_OK;
}

c3f8_status c3f8_layout(const char *item, int64_t *value)
{
    if (any_null(item, value))
        return C3F8_ERROR_NULL_POINTER;
    for (const layout_item &known : layout_items) {
        if (known.name == item) {
            *value = static_cast<int64_t>(known.value);
            return C3F8_OK;
        }
    }
    return C3F8_ERROR_BAD_INDEX;
}

c3f8_status c3f8_field(int32_t f, c3f8_field_info *info)
{
    if (!info)
        return C3F8_ERROR_NULL_POINTER;
    if (!within(f, field_count))
        return C3F8_ERROR_BAD_INDEX;
    // The catalogue's texts are whole literals, so each ends in a NUL.
    const field_row &r = field_table[static_cast<std::size_t>(f)];
    info->name = r.name.data();
    info->caption = r.caption.data();
    info->unit = r.unit.data();
    info->pattern = r.shown_as ? r.shown_as->text.data() : "";
    info->meaning = r.meaning.data();
    info->is_input = is_input(r.id) ? 1 : 0;
    info->decimals = r.shown_as ? r.shown_as->decimals : -1;
    return C3F8_OK;
}

c3f8_status c3f8_field_index(const char *name, int32_t *f)
{
    if (any_null(name, f))
        return C3F8_ERROR_NULL_POINTER;
    for (std::size_t i = 0; i < field_count; ++i) {
        if (field_table[i].name == name) {
            *f = static_cast<int32_t>(i);
            return C3F8_OK;
        }
    }
    return C3F8_ERROR_BAD_INDEX;
}

c3f8_status c3f8_warning(int32_t w, const char **name, const char **caption)
{
    if (any_null(name, caption))
        return C3F8_ERROR_NULL_POINTER;
    if (!within(w, warning_count))
        return C3F8_ERROR_BAD_INDEX;
    *name = warning_table[static_cast<std::size_t>(w)].name.data();
    *caption = warning_table[static_cast<std::size_t>(w)].caption.data();
    return C3F8_OK;
}

c3f8_status c3f8_failure_kind(int32_t kind, const char **name, const char **message)
{
    if (any_null(name, message))
        return C3F8_ERROR_NULL_POINTER;
    if (!within(kind, error_kind_count))
        return C3F8_ERROR_BAD_INDEX;
    *name = error_kind_table[static_cast<std::size_t>(kind)].name.data();
    *message = error_kind_table[static_cast<std::size_t>(kind)].message.data();
    return C3F8_OK;
}

c3f8_status c3f8_column(int32_t c, const char **name, int32_t *kind, int32_t *of)
{
    if (any_null(name, kind, of))
        return C3F8_ERROR_NULL_POINTER;
    if (!within(c, column_count))
        return C3F8_ERROR_BAD_INDEX;
    const column &col = columns[static_cast<std::size_t>(c)];
    *name = col.name.data();
    *kind = static_cast<int32_t>(col.kind);
    *of = static_cast<int32_t>(col.of);
    return C3F8_OK;
}

c3f8_status c3f8_fits_trusted_range(double *from, double *to)
{
    if (any_null(from, to))
        return C3F8_ERROR_NULL_POINTER;
    *from = fits_trusted_range.from;
    *to = fits_trusted_range.to;
    return C3F8_OK;
}

c3f8_status c3f8_psat(double t, double *p)
{
    return fit(psat, t, p);
}
c3f8_status c3f8_psat_shown(double t, double *p)
{
    return fit(psat_shown, t, p);
}
c3f8_status c3f8_hliq(double p, double *H)
{
    return fit(hliq, p, H);
}
c3f8_status c3f8_hvap(double p, double *H)
{
    return fit(hvap, p, H);
}
c3f8_status c3f8_tliq(double H, double *t)
{
    return fit(tliq, H, t);
}

c3f8_status c3f8_calculate(const char *const inputs[C3F8_INPUT_COUNT], const char *separator,
                           char *texts, int64_t text_capacity, c3f8_outcome *outcome,
                           int64_t *needed)
{
    return c3f8_calculate_with_properties(C3F8_PROPERTIES_FITS, inputs, separator, texts,
                                          text_capacity, outcome, needed);
}

c3f8_status c3f8_calculate_with_properties(int32_t which,
                                           const char *const inputs[C3F8_INPUT_COUNT],
                                           const char *separator, char *texts,
                                           int64_t text_capacity, c3f8_outcome *outcome,
                                           int64_t *needed)
{
    return guarded([&] {
        if (!all_given(inputs, input_count) || any_null(separator, outcome) ||
            (!texts && text_capacity > 0))
            return C3F8_ERROR_NULL_POINTER;
        if (text_capacity < 0)
            return C3F8_ERROR_BAD_COUNT;
        const auto from = properties_numbered(which);
        if (!from)
            return C3F8_ERROR_BAD_INDEX;
        const std::optional<decimal_separator> usable = make_separator(separator);
        if (!usable)
            return C3F8_ERROR_BAD_SEPARATOR;

        field_record record;
        for (std::size_t i = 0; i < input_count; ++i)
            record.texts[i] = inputs[i];
        const run_outcome ran = calculate(record, *usable, *from);
        const c3f8_status laid_out = lay_out_texts(std::span(record.texts).subspan(input_count),
                                                   texts, text_capacity, needed);
        if (laid_out != C3F8_OK)
            return laid_out;
        fill_outcome(ran, record.warnings, outcome->values, outcome->warnings,
                     &outcome->outside_fits, &outcome->failure_kind, &outcome->failure_field);
        return C3F8_OK;
    });
}

c3f8_status c3f8_calculate_many(int64_t n, const double *const inputs[C3F8_INPUT_COUNT],
                                const int64_t strides[C3F8_INPUT_COUNT], double *values,
                                int8_t *warnings, uint32_t *outside_fits, int32_t *failure_kinds,
                                int32_t *failure_fields, int64_t *failed)
{
    return c3f8_calculate_many_with_properties(C3F8_PROPERTIES_FITS, n, inputs, strides, values,
                                               warnings, outside_fits, failure_kinds,
                                               failure_fields, failed);
}

c3f8_status c3f8_calculate_many_with_properties(int32_t which, int64_t n,
                                                const double *const inputs[C3F8_INPUT_COUNT],
                                                const int64_t strides[C3F8_INPUT_COUNT],
                                                double *values, int8_t *warnings,
                                                uint32_t *outside_fits, int32_t *failure_kinds,
                                                int32_t *failure_fields, int64_t *failed)
{
    return guarded([&] {
        if (n < 0)
            return C3F8_ERROR_BAD_COUNT;
        if (!failed)
            return C3F8_ERROR_NULL_POINTER;
        if (n > 0 &&
            (!all_given(inputs, input_count) ||
             any_null(strides, values, warnings, outside_fits, failure_kinds, failure_fields)))
            return C3F8_ERROR_NULL_POINTER;
        const auto from = properties_numbered(which);
        if (!from)
            return C3F8_ERROR_BAD_INDEX;
        int64_t failures = 0;
        std::array<double, input_count> point{};
        for (int64_t j = 0; j < n; ++j) {
            for (std::size_t i = 0; i < input_count; ++i) {
                const char *at = reinterpret_cast<const char *>(inputs[i]) + j * strides[i];
                std::memcpy(&point[i], at, sizeof(double)); // strides need not be aligned
            }
            std::array<bool, warning_count> shown{};
            const run_outcome ran = calculate(point, shown, *from);
            fill_outcome(ran, shown, values + j * C3F8_RESULT_COUNT,
                         warnings + j * C3F8_WARNING_COUNT, outside_fits + j, failure_kinds + j,
                         failure_fields + j);
            failures += ran.failure.has_value();
        }
        *failed = failures;
        return C3F8_OK;
    });
}

c3f8_status c3f8_properties(int32_t which, const char **name, const char **meaning)
{
    if (any_null(name, meaning))
        return C3F8_ERROR_NULL_POINTER;
    const auto from = properties_numbered(which);
    if (!from)
        return C3F8_ERROR_BAD_INDEX;
    *name = row(*from).name.data();
    *meaning = row(*from).meaning.data();
    return C3F8_OK;
}

c3f8_status c3f8_reference_saturation(double t, double *p, double *h_liquid, double *h_vapour)
{
    if (any_null(p, h_liquid, h_vapour))
        return C3F8_ERROR_NULL_POINTER;
    if (!std::isfinite(t))
        return C3F8_ERROR_BAD_VALUE;
    const auto state = reference::saturation(t);
    if (!state)
        return C3F8_ERROR_NO_SATURATION;
    *p = state->p;
    *h_liquid = state->h_liquid;
    *h_vapour = state->h_vapour;
    return C3F8_OK;
}

c3f8_status c3f8_saturation_temperature(int32_t which, double p, double *t)
{
    if (!t)
        return C3F8_ERROR_NULL_POINTER;
    const auto from = properties_numbered(which);
    if (!from)
        return C3F8_ERROR_BAD_INDEX;
    if (!std::isfinite(p))
        return C3F8_ERROR_BAD_VALUE;
    const auto found = saturation_temperature(*from, p);
    if (!found)
        return C3F8_ERROR_NO_SATURATION;
    *t = *found;
    return C3F8_OK;
}

c3f8_status c3f8_read_number(const char *text, const char *separator, double *value,
                             int32_t *readable)
{
    return guarded([&] {
        if (any_null(text, separator, value, readable))
            return C3F8_ERROR_NULL_POINTER;
        const std::optional<decimal_separator> usable = make_separator(separator);
        if (!usable)
            return C3F8_ERROR_BAD_SEPARATOR;
        const auto read = text_to_number(text, *usable);
        *value = read.value_or(not_reached);
        *readable = read.has_value() ? 1 : 0;
        return C3F8_OK;
    });
}

c3f8_status c3f8_format_result(int32_t f, double value, const char *separator, char *text,
                               int64_t capacity, int64_t *needed)
{
    return guarded([&] {
        if (!separator)
            return C3F8_ERROR_NULL_POINTER;
        if (!within(f, field_count) || is_input(static_cast<field>(f)))
            return C3F8_ERROR_BAD_INDEX;
        if (capacity < 0)
            return C3F8_ERROR_BAD_COUNT;
        const std::optional<decimal_separator> usable = make_separator(separator);
        if (!usable)
            return C3F8_ERROR_BAD_SEPARATOR;
        if (!std::isfinite(value))
            return C3F8_ERROR_BAD_VALUE;
        const field_row &r = field_table[static_cast<std::size_t>(f)];
        return copy_text(format_number(value, *r.shown_as, *usable), text, capacity, needed);
    });
}

c3f8_status c3f8_format_results(int32_t f, int64_t n, const double *values, const char *separator,
                                char *texts, int64_t capacity, int64_t *needed)
{
    return guarded([&] {
        if (!separator || (n > 0 && (!values || (!texts && capacity > 0))))
            return C3F8_ERROR_NULL_POINTER;
        if (!within(f, field_count) || is_input(static_cast<field>(f)))
            return C3F8_ERROR_BAD_INDEX;
        if (n < 0 || capacity < 0)
            return C3F8_ERROR_BAD_COUNT;
        const std::optional<decimal_separator> usable = make_separator(separator);
        if (!usable)
            return C3F8_ERROR_BAD_SEPARATOR;
        if (std::any_of(values, values + n, [](double v) { return std::isinf(v); }))
            return C3F8_ERROR_BAD_VALUE;
        const display_pattern pattern = *field_table[static_cast<std::size_t>(f)].shown_as;
        std::vector<std::string> shown(static_cast<std::size_t>(n));
        for (int64_t i = 0; i < n; ++i)
            if (!std::isnan(values[i]))
                shown[static_cast<std::size_t>(i)] = format_number(values[i], pattern, *usable);
        return lay_out_texts(shown, texts, capacity, needed);
    });
}

c3f8_status c3f8_failure_message(int32_t kind, int32_t f, char *text, int64_t capacity,
                                 int64_t *needed)
{
    return guarded([&] {
        if (!within(kind, error_kind_count) || !within(f, field_count))
            return C3F8_ERROR_BAD_INDEX;
        if (capacity < 0)
            return C3F8_ERROR_BAD_COUNT;
        const calc_error error{static_cast<error_kind>(kind), static_cast<field>(f)};
        return copy_text(failure_message(error), text, capacity, needed);
    });
}

} // extern "C"
