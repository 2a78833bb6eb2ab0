#include "core/number_text.h"

#include "core/decimal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace c3f8 {

namespace {

// The build's conversions: the standard library's where it has them (the compile checks of
// cmake/decimal-conversions.cmake), the fallback's where it lacks them.
#if C3F8_STANDARD_READING
constexpr decimal::reader read_plain = decimal::standard::read;
#else
constexpr decimal::reader read_plain = decimal::fallback::read;
#endif
#if C3F8_STANDARD_WRITING
constexpr decimal::shortest_writer write_shortest = decimal::standard::write_shortest;
constexpr decimal::fixed_writer write_fixed = decimal::standard::write_fixed;
#else
constexpr decimal::shortest_writer write_shortest = decimal::fallback::write_shortest;
constexpr decimal::fixed_writer write_fixed = decimal::fallback::write_fixed;
#endif

constexpr bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}
constexpr bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

using number_buffer = std::array<char, max_text_bytes>;
// The widest text a pattern writes: 309 integer digits, a sign, a separator, the decimals, a NUL.
static_assert(309 + 1 + max_separator_bytes + patterns::thousandths.decimals + 1 <= max_text_bytes,
              "a text of the most decimals of any pattern fits the buffer");

// The plain text written, with the locale's separator for its '.' and without the minus
// sign on a zero ("-0.0"), which shows no sign.
std::string shown(const char *first, const char *last, decimal_separator separator)
{
    std::string_view plain(first, static_cast<std::size_t>(last - first));
    if (plain.starts_with('-') && plain.find_first_not_of("0.", 1) == std::string_view::npos)
        plain.remove_prefix(1);
    std::string text;
    text.reserve(plain.size() + separator.text().size());
    for (char c : plain) {
        if (c == '.')
            text += separator.text();
        else
            text += c;
    }
    return text;
}

void require_finite(double value)
{
    if (!std::isfinite(value))
        throw std::invalid_argument("a field text cannot show an infinite or undefined value");
}

// scan_number into parts; false where text is no number.
bool scan(std::string_view text, decimal_separator separator, number_parts &parts)
{
    const char *at = text.data(), *end = at + text.size();
    while (at != end && is_blank(*at))
        ++at;
    while (end != at && is_blank(end[-1]))
        --end;
    const auto take_sign = [&] {
        const bool negative = at != end && *at == '-';
        if (at != end && (*at == '+' || *at == '-'))
            ++at;
        return negative;
    };
    const auto take_digits = [&] {
        const char *from = at;
        while (at != end && is_digit(*at))
            ++at;
        return std::string_view(from, static_cast<std::size_t>(at - from));
    };
    const std::string_view point = separator.text();

    parts.negative = take_sign();
    const char *number = at;
    parts.integer = take_digits();
    if (static_cast<std::size_t>(end - at) >= point.size() &&
        std::string_view(at, point.size()) == point) {
        at += point.size();
        parts.has_separator = true;
        parts.fraction = take_digits();
    }
    if (parts.integer.empty() && parts.fraction.empty())
        return false;
    if (at != end && (*at == 'e' || *at == 'E')) {
        parts.upper_case_exponent = *at++ == 'E';
        parts.has_exponent = true;
        parts.exponent_negative = take_sign();
        parts.exponent = take_digits();
        if (parts.exponent.empty())
            return false;
    }
    parts.unsigned_text = std::string_view(number, static_cast<std::size_t>(end - number));
    return at == end;
}

} // namespace

std::optional<number_parts> scan_number(std::string_view text, decimal_separator separator)
{
    number_parts parts;
    if (!scan(text, separator, parts))
        return std::nullopt;
    return parts;
}

std::optional<double> text_to_number(std::string_view text, decimal_separator separator)
{
    // The decimal reader, which knows no locale, reads the number without its sign, in its own
    // notation: as written where that is already so (a point, a lower-case exponent), which is
    // the command line's every number, otherwise rewritten.
    number_parts parts;
    if (!scan(text, separator, parts))
        return std::nullopt;
    std::string rewritten;
    std::string_view plain = parts.unsigned_text;
    if (separator.text() != "." || parts.upper_case_exponent) {
        rewritten.reserve(plain.size() + 1);
        rewritten += parts.integer;
        if (parts.has_separator) {
            rewritten += '.';
            rewritten += parts.fraction;
        }
        if (parts.has_exponent) {
            rewritten += parts.exponent_negative ? "e-" : "e+";
            rewritten += parts.exponent;
        }
        plain = rewritten;
    }
    const std::optional<double> value = read_plain(plain);
    if (!value)
        return std::nullopt;
    return parts.negative ? -*value : *value;
}

std::string number_to_text(double value, decimal_separator separator)
{
    require_finite(value);
    number_buffer buffer;
    const char *end = write_shortest(value, buffer.data(), buffer.data() + buffer.size());
    return shown(buffer.data(), end, separator);
}

std::string format_number(double value, display_pattern pattern, decimal_separator separator)
{
    require_finite(value);
    number_buffer buffer;
    const char *end =
        write_fixed(value, pattern.decimals, buffer.data(), buffer.data() + buffer.size());
    return shown(buffer.data(), end, separator);
}

} // namespace c3f8
