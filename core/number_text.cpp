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
static_assert(309 + 1 + max_separator_bytes + 3 + 1 <= max_text_bytes);

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

} // namespace

std::optional<number_parts> scan_number(std::string_view text, decimal_separator separator)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);

    std::size_t i = 0;
    const auto take_sign = [&] {
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        return negative;
    };
    const auto take_digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && is_digit(text[i]))
            ++i;
        return text.substr(from, i - from);
    };

    number_parts parts;
    parts.negative = take_sign();
    parts.integer = take_digits();
    if (text.substr(i).starts_with(separator.text())) {
        i += separator.text().size();
        parts.has_separator = true;
        parts.fraction = take_digits();
    }
    if (parts.integer.empty() && parts.fraction.empty())
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        parts.has_exponent = true;
        parts.exponent_negative = take_sign();
        parts.exponent = take_digits();
        if (parts.exponent.empty())
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return parts;
}

std::optional<double> text_to_number(std::string_view text, decimal_separator separator)
{
    // The decimal reader, which knows no locale, reads the number rewritten with '.' and
    // without its sign.
    const std::optional<number_parts> parts = scan_number(text, separator);
    if (!parts)
        return std::nullopt;
    std::string plain;
    plain.reserve(text.size());
    plain += parts->integer;
    if (parts->has_separator) {
        plain += '.';
        plain += parts->fraction;
    }
    if (parts->has_exponent) {
        plain += parts->exponent_negative ? "e-" : "e+";
        plain += parts->exponent;
    }
    const std::optional<double> value = read_plain(plain);
    if (!value)
        return std::nullopt;
    return parts->negative ? -*value : *value;
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
