// The conversions from libraries that do not depend on the standard library's support for
// doubles in <charconv>: fast_float reads, double-conversion finds the shortest digits, and the
// C library's printf, which prints the exact binary value correctly rounded, writes fixed
// decimals. Each gives what std::from_chars and std::to_chars give.
#include "core/decimal.h"

#if C3F8_FALLBACK_READING
#include <fast_float/fast_float.h>
#endif
#if C3F8_FALLBACK_WRITING
#include <double-conversion/double-to-string.h>
#endif

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace c3f8::decimal::fallback {

#if C3F8_FALLBACK_READING

std::optional<double> read(std::string_view plain)
{
    double value = 0.0;
    const char *last = plain.data() + plain.size();
    const auto [end, error] = fast_float::from_chars(plain.data(), last, value);
    if (end != last)
        return std::nullopt;
    // Versions differ in how they report a value out of range, not in the value they give: an
    // infinity above the range, zero below it.
    if (error != std::errc{} && error != std::errc::result_out_of_range)
        return std::nullopt;
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

#endif

#if C3F8_FALLBACK_WRITING

char *write_fixed(double value, int decimals, char *first, char *last)
{
    const int written =
        std::snprintf(first, static_cast<std::size_t>(last - first), "%.*f", decimals, value);
    char *end = first + std::clamp(written, 0, static_cast<int>(last - first) - 1);
    // printf writes the C locale's decimal point; the plain text has '.'.
    const char *point = std::localeconv()->decimal_point;
    if (std::strcmp(point, ".") != 0) {
        char *found = std::search(first, end, point, point + std::strlen(point));
        if (found != end) {
            *found = '.';
            end = std::copy(found + std::strlen(point), end, found + 1);
        }
    }
    return end;
}

char *write_shortest(double value, char *first, char *last)
{
    using double_conversion::DoubleToStringConverter;
    char digits[DoubleToStringConverter::kBase10MaximalLength + 1];
    bool negative = false;
    int length = 0;
    int point = 0;
    DoubleToStringConverter::DoubleToAscii(value, DoubleToStringConverter::SHORTEST, 0, digits,
                                           sizeof digits, &negative, &length, &point);
    // Where the shortest digits stop before the units, the plain text is as long with the
    // exact integer in their place, and the nearer of equally short texts is the one wanted.
    if (point > length)
        return write_fixed(value, 0, first, last);
    char *out = first;
    if (negative)
        *out++ = '-';
    if (point <= 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -point, '0');
        return std::copy_n(digits, length, out);
    }
    out = std::copy_n(digits, point, out);
    if (point < length) {
        *out++ = '.';
        out = std::copy_n(digits + point, length - point, out);
    }
    return out;
}

#endif

} // namespace c3f8::decimal::fallback
