// Conversions between doubles and the texts of the panel's fields, through the plain decimal
// conversions of decimal.h with the locale's separator swapped in and out.
//
// Every conversion takes the decimal separator of the user's locale (one or more bytes of UTF-8)
// as it is at the moment of the call. Texts are never written in exponent form, and every text
// written here reads back through text_to_number to exactly the value it shows.
#pragma once

#include "core/catalogue.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace c3f8 {

// The room every writer here is given and the most any text it writes takes, its NUL and the
// locale's separator included: the integer digits of the largest double (309), a sign, a
// separator and the decimals a pattern shows, with room to spare.
inline constexpr std::size_t max_text_bytes = 400;

// The decimal separator of the user's locale, known to serve: one to max_separator_bytes bytes,
// none of which a number is written with (digits, signs, blanks, e and E). A text becomes one
// through make_separator alone; a literal is checked as it compiles.
inline constexpr std::size_t max_separator_bytes = 8;
class decimal_separator
{
public:
    template <std::size_t N>
    consteval decimal_separator(const char (&text)[N]) // implicit: "." stands for itself
    {
        if (!usable(std::string_view(text, N - 1)))
            throw "not a usable decimal separator"; // stops the compilation
        assign(std::string_view(text, N - 1));
    }

    constexpr std::string_view text() const { return {m_bytes.data(), m_size}; }
    friend constexpr bool operator==(const decimal_separator &a, const decimal_separator &b)
    {
        return a.text() == b.text();
    }

private:
    friend constexpr std::optional<decimal_separator> make_separator(std::string_view text);
    constexpr decimal_separator() = default;

    static constexpr bool usable(std::string_view text)
    {
        return !text.empty() && text.size() <= max_separator_bytes &&
               text.find_first_of("0123456789+- \teE") == std::string_view::npos;
    }
    constexpr void assign(std::string_view text)
    {
        for (std::size_t i = 0; i < text.size(); ++i)
            m_bytes[i] = text[i];
        m_size = text.size();
    }

    std::array<char, max_separator_bytes> m_bytes{};
    std::size_t m_size = 0;
};

// text as a decimal separator, or none where numbers would be read wrongly with it.
constexpr std::optional<decimal_separator> make_separator(std::string_view text)
{
    if (!decimal_separator::usable(text))
        return std::nullopt;
    decimal_separator separator;
    separator.assign(text);
    return separator;
}

// The parts of a number as a field may hold it, each a view into the text read: an optional
// sign, digits with the separator and fraction digits (at least one digit in all), and
// optionally an exponent ("e-3"), with blanks (spaces, tabs) allowed around the number.
struct number_parts
{
    bool negative = false;
    std::string_view integer;   // digits
    bool has_separator = false; // with or without fraction digits after it: "1." and ".5"
    std::string_view fraction;  // digits
    bool has_exponent = false, upper_case_exponent = false, exponent_negative = false;
    std::string_view exponent;      // digits, at least one where has_exponent
    std::string_view unsigned_text; // the number without its sign and the blanks around it
};
// The parts of text, or none where it is not written so: digit grouping, any other separator,
// "inf", "nan" and an empty text among them.
std::optional<number_parts> scan_number(std::string_view text, decimal_separator separator);

// The number text holds as scan_number reads it; a magnitude beyond the double range gives no
// value, and a value too small for a double reads as zero.
std::optional<double> text_to_number(std::string_view text, decimal_separator separator);

// The shortest plain decimal text that reads back to value: 0 -> "0", 0.1 -> "0.1", 1 -> "1".
// value must be finite.
std::string number_to_text(double value, decimal_separator separator);

// value rounded to the decimals of pattern, without digit grouping and with no minus sign on a
// value that rounds to zero. value must be finite; anything else throws std::invalid_argument.
std::string format_number(double value, display_pattern pattern, decimal_separator separator);

} // namespace c3f8
