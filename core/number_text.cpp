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

// Room for the integer digits of the largest double (309), a sign and a few decimals.
using number_buffer = std::array<char, 400>;

// The plain text written, with the locale's separator for its '.' and without the minus
// sign on a zero ("-0.0"), which shows no sign.
std::string shown(const char *first, const char *last, std::string_view separator)
{
    std::string_view plain(first, static_cast<std::size_t>(last - first));
    if (plain.starts_with('-') && plain.find_first_not_of("0.", 1) == std::string_view::npos)
        plain.remove_prefix(1);
    std::string text;
    text.reserve(plain.size() + separator.size());
    for (char c : plain) {
        if (c == '.')
            text += separator;
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

bool usable_separator(std::string_view separator)
{
    return !separator.empty() && separator.size() <= max_separator_bytes &&
           separator.find_first_of("0123456789+- \teE") == std::string_view::npos;
}

std::optional<double> text_to_number(std::string_view text, std::string_view separator)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);

    // The notation is checked here; the decimal reader, which knows no locale, then reads the
    // number rewritten with '.' and without its sign.
    std::string plain;
    plain.reserve(text.size());
    std::size_t i = 0;
    const auto take_sign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            return text[i++];
        return '+';
    };
    const auto take_digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && is_digit(text[i]))
            plain += text[i++];
        return i - from;
    };

    const bool negative = take_sign() == '-';
    std::size_t mantissa_digits = take_digits();
    if (!separator.empty() && text.substr(i).starts_with(separator)) {
        i += separator.size();
        plain += '.';
        mantissa_digits += take_digits();
    }
    if (mantissa_digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        plain += 'e';
        plain += take_sign();
        if (take_digits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    const std::optional<double> value = read_plain(plain);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

std::string number_to_text(double value, std::string_view separator)
{
    require_finite(value);
    number_buffer buffer;
    const char *end = write_shortest(value, buffer.data(), buffer.data() + buffer.size());
    return shown(buffer.data(), end, separator);
}

std::string format_number(double value, display_pattern pattern, std::string_view separator)
{
    require_finite(value);
    number_buffer buffer;
    const char *end =
        write_fixed(value, pattern.decimals, buffer.data(), buffer.data() + buffer.size());
    return shown(buffer.data(), end, separator);
}

} // namespace c3f8
