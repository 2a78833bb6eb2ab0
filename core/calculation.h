// One run of the operating-point calculation over the panel's fields.
#pragma once

#include "core/fields.h"

#include <optional>
#include <string_view>

namespace c3f8 {

enum class error_kind
{
    conversion,       // a field text is not a number in the user's locale
    division_by_zero, // a divisor came out as exactly zero
    overflow,         // a value came out infinite or undefined
};

std::string_view error_kind_name(error_kind kind);

// Why a run stopped, and the field being read or written at that moment.
struct calc_error
{
    error_kind kind;
    c3f8::field field;

    friend bool operator==(const calc_error &, const calc_error &) = default;
};

// Reads the six inputs, writes the twelve results as it goes and sets both warnings. At the
// first failure it stops: the results already written keep their new texts, everything else
// keeps what it showed. No result is ever infinite or undefined.
[[nodiscard]] std::optional<calc_error> calculate(field_access &fields);

} // namespace c3f8
