#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace c3f8 {

namespace {

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

// The text std::to_chars wrote, with the locale's separator for its '.' and without the minus
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

// Whether a plain number ("123.45e-6") beyond the double range lies below rather than above it:
// its first significant digit stands that many places below the units.
bool below_range(std::string_view plain)
{
    const auto e = std::min(plain.find('e'), plain.size());
    const std::string_view mantissa = plain.substr(0, e);
    const auto first = mantissa.find_first_of("123456789");
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    long long order = first < point ? static_cast<long long>(point - first) - 1
                                    : -static_cast<long long>(first - point);
    if (e < plain.size()) {
        std::string_view digits = plain.substr(e + 1);
        const bool negative = digits.starts_with('-');
        if (digits.starts_with('-') || digits.starts_with('+'))
            digits.remove_prefix(1);
        long long exponent = 0;
        // An exponent beyond a billion decides alone, whatever the mantissa.
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec !=
                std::errc{} ||
            exponent > 1'000'000'000)
            exponent = 1'000'000'000;
        order += negative ? -exponent : exponent;
    }
    return order < 0;
}

void require_finite(double value)
{
    if (!std::isfinite(value))
        throw std::invalid_argument("a field text cannot show an infinite or undefined value");
}

} // namespace

std::optional<double> text_to_number(std::string_view text, std::string_view separator)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);

    // The notation is checked here; std::from_chars, which knows no locale, then reads the
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

    double value = 0.0;
    const char *last = plain.data() + plain.size();
    const auto [end, error] = std::from_chars(plain.data(), last, value);
    if (end != last)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large gives no value; too small rounds to zero, as any decimal rounds to the
        // nearest double.
        if (!below_range(plain))
            return std::nullopt;
        value = 0.0;
    } else if (error != std::errc{}) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string number_to_text(double value, std::string_view separator)
{
    require_finite(value);
    number_buffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return shown(buffer.data(), result.ptr, separator);
}

std::string format_number(double value, display_pattern pattern, std::string_view separator)
{
    require_finite(value);
    number_buffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, pattern.decimals);
    return shown(buffer.data(), result.ptr, separator);
}

} // namespace c3f8
