// The values of a range FROM:TO:STEP, computed exactly in decimal: the i-th is FROM + i * STEP,
// written with as many decimals as FROM or STEP has, whichever has more, so that 0:1:0.1 gives
// "0.3" and never "0.30000000000000004".
#pragma once

#include "core/number_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace c3f8::cli {

class value_range
{
public:
    // Reads FROM:TO:STEP, each part a number as a field holds it (scan_number). Throws
    // usage_error for a part that is no number or has more than 36 significant digits, a STEP
    // of zero, or one that points away from TO.
    value_range(std::string_view range_text, decimal_separator separator);

    // floor((TO - FROM) / STEP + 1e-9) + 1, at most UINT64_MAX.
    std::uint64_t count() const { return m_count; }

    // Appends the i-th value's text to out.
    void append_value(std::uint64_t i, std::string &out) const;

private:
    __extension__ __int128 m_from = 0, m_step = 0; // in units of 10^-m_decimals
    int m_decimals = 0;
    std::uint64_t m_count = 0;
    decimal_separator m_separator;
};

} // namespace c3f8::cli
