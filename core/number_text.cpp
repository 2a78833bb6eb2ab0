#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

// Replaces the '.' that std::to_chars writes by the locale's separator.
std::string with_separator(std::string_view plain, std::string_view separator)
{
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

// "-0", "-0.0" and the like show a zero, which carries no sign.
std::string_view without_minus_on_zero(std::string_view plain)
{
    if (!plain.empty() && plain.front() == '-' &&
        plain.find_first_not_of("0.", 1) == std::string_view::npos)
        plain.remove_prefix(1);
    return plain;
}

int pattern_decimals(std::string_view pattern)
{
    if (pattern == "0")
        return 0;
    if (pattern.size() < 3 || pattern.substr(0, 2) != "0." ||
        pattern.find_first_not_of('0', 2) != std::string_view::npos)
        throw std::invalid_argument("unknown display pattern");
    return static_cast<int>(pattern.size() - 2);
}

// The power of ten of the first nonzero digit of a plain "123.45e-6" text, saturated far
// beyond the double range.
long decimal_order(std::string_view plain)
{
    const auto e = plain.find('e');
    const std::string_view mantissa = plain.substr(0, e);
    const auto point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);

    long order = 0;
    const auto first_whole = whole.find_first_not_of('0');
    if (first_whole != std::string_view::npos)
        order = static_cast<long>(whole.size() - first_whole) - 1;
    else
        order = -static_cast<long>(fraction.find_first_not_of('0')) - 1;

    if (e != std::string_view::npos) {
        std::string_view exponent = plain.substr(e + 1);
        const bool negative = exponent.front() == '-';
        if (exponent.front() == '-' || exponent.front() == '+')
            exponent.remove_prefix(1);
        long magnitude = 0;
        for (char c : exponent)
            magnitude = std::min(magnitude * 10 + (c - '0'), 1'000'000L);
        order += negative ? -magnitude : magnitude;
    }
    return order;
}

// Rounds in integer arithmetic where that is exact: the scaled value is small enough for the
// error of one multiplication to stay far below 1e-3, and not close to a tie between two
// displayable values. Everything else is left to std::to_chars.
std::optional<std::string> rounded_quickly(double value, int decimals, std::string_view separator)
{
    constexpr double scales[] = {1, 10, 100, 1000};
    if (decimals >= static_cast<int>(std::size(scales)))
        return std::nullopt;
    const double scaled = value * scales[decimals];
    if (!(std::abs(scaled) < 4294967296.0))
        return std::nullopt;
    const double whole = std::floor(scaled);
    if (std::abs(scaled - whole - 0.5) < 1e-3)
        return std::nullopt;
    const auto units = static_cast<std::int64_t>(scaled - whole < 0.5 ? whole : whole + 1);

    // Sign, digits of the magnitude padded with zeros to one before the separator, then the
    // separator moved in front of the last decimals.
    constexpr std::size_t max_separator = 8;
    if (separator.size() > max_separator)
        return std::nullopt;
    std::array<char, 24 + max_separator> buffer;
    char *out = buffer.data();
    if (units < 0)
        *out++ = '-';
    const auto places = static_cast<std::size_t>(decimals);
    // The scaled magnitude is below 2^32: at most ten digits, written from the right.
    auto magnitude = static_cast<std::uint64_t>(units < 0 ? -units : units);
    std::array<char, 16> digits;
    char *const digits_end = digits.data() + digits.size();
    char *first = digits_end;
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (static_cast<std::size_t>(digits_end - first) <= places)
        *--first = '0';
    char *const point = digits_end - places;
    out = std::copy(first, point, out);
    if (places > 0) {
        out = std::copy(separator.begin(), separator.end(), out);
        out = std::copy(point, digits_end, out);
    }
    return std::string(buffer.data(), out);
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

    // Validate the notation, gathering on the way what the quick exact conversion needs.
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint64_t mantissa = 0;
    int mantissa_digits = 0;    // all digits of the mantissa
    int significant_digits = 0; // from the first nonzero one on
    int fraction_digits = 0;
    const auto take_digit = [&](char c) {
        ++mantissa_digits;
        if (significant_digits > 0 || c != '0') {
            ++significant_digits;
            if (significant_digits <= 19)
                mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        }
    };
    while (i < text.size() && is_digit(text[i]))
        take_digit(text[i++]);
    const std::size_t separator_at = i;
    const bool has_separator = !separator.empty() && text.substr(i).starts_with(separator);
    if (has_separator) {
        i += separator.size();
        while (i < text.size() && is_digit(text[i])) {
            take_digit(text[i++]);
            ++fraction_digits;
        }
    }
    if (mantissa_digits == 0)
        return std::nullopt;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative_exponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative_exponent = text[i] == '-';
            ++i;
        }
        int exponent_digits = 0;
        while (i < text.size() && is_digit(text[i])) {
            exponent = std::min(exponent * 10 + (text[i++] - '0'), 1'000'000L);
            ++exponent_digits;
        }
        if (exponent_digits == 0)
            return std::nullopt;
        if (negative_exponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;

    // A mantissa of at most 53 bits scaled by an exactly representable power of ten is
    // converted exactly by one correctly rounded multiplication or division.
    constexpr double powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const long scale = exponent - fraction_digits;
    if (significant_digits <= 19 && mantissa <= (std::uint64_t{1} << 53) && scale >= -22 &&
        scale <= 22) {
        double value = static_cast<double>(mantissa);
        value = scale < 0 ? value / powers_of_ten[-scale] : value * powers_of_ten[scale];
        return negative ? -value : value;
    }

    // Anything longer goes to std::from_chars, which does not depend on the C locale, in a
    // plain form with '.' and without the sign.
    const std::size_t digits_from = text[0] == '+' || text[0] == '-' ? 1 : 0;
    std::string plain(text.substr(digits_from, separator_at - digits_from));
    if (has_separator) {
        plain += '.';
        plain += text.substr(separator_at + separator.size());
    } else {
        plain += text.substr(separator_at);
    }
    double value = 0.0;
    const char *first = plain.data();
    const char *last = first + plain.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large gives no value; too small rounds to zero, as any decimal rounds to the
        // nearest double. Zero itself is always in range, so a nonzero digit exists.
        if (decimal_order(plain) >= 0)
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
    return with_separator(without_minus_on_zero({buffer.data(), result.ptr}), separator);
}

std::string format_number(double value, std::string_view pattern, std::string_view separator)
{
    const int decimals = pattern_decimals(pattern);
    require_finite(value);
    if (auto quick = rounded_quickly(value, decimals, separator))
        return *std::move(quick);
    number_buffer buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return with_separator(without_minus_on_zero({buffer.data(), result.ptr}), separator);
}

} // namespace c3f8
