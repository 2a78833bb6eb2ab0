#include "core/decimal.h"

#include <algorithm>
#include <charconv>

namespace c3f8::decimal::standard {

#if C3F8_STANDARD_READING

namespace {

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

} // namespace

std::optional<double> read(std::string_view plain)
{
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
        return 0.0;
    }
    if (error != std::errc{})
        return std::nullopt;
    return value;
}

#endif

#if C3F8_STANDARD_WRITING

char *write_shortest(double value, char *first, char *last)
{
    return std::to_chars(first, last, value, std::chars_format::fixed).ptr;
}

char *write_fixed(double value, int decimals, char *first, char *last)
{
    return std::to_chars(first, last, value, std::chars_format::fixed, decimals).ptr;
}

#endif

} // namespace c3f8::decimal::standard
