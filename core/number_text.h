// Conversions between doubles and the texts of the panel's fields, through the plain decimal
// conversions of decimal.h with the locale's separator swapped in and out.
//
// Every conversion takes the decimal separator of the user's locale (one or more bytes of UTF-8)
// as it is at the moment of the call. Texts are never written in exponent form, and every text
// written here reads back through text_to_number to exactly the value it shows.
#pragma once

#include "core/catalogue.h"

#include <optional>
#include <string>
#include <string_view>

namespace c3f8 {

// Whether separator can serve as the decimal separator: one to max_separator_bytes bytes, none
// of which a number is written with (digits, signs, blanks, e and E).
inline constexpr std::size_t max_separator_bytes = 8;
bool usable_separator(std::string_view separator);

// Reads an optional sign, digits, the separator and fraction digits, optionally followed by an
// exponent ("e-3"), with blanks allowed around the number. Digit grouping, any other separator,
// "inf", "nan", an empty text and a magnitude beyond the double range give no value; a value
// too small for a double reads as zero.
std::optional<double> text_to_number(std::string_view text, std::string_view separator);

// The shortest plain decimal text that reads back to value: 0 -> "0", 0.1 -> "0.1", 1 -> "1".
// value must be finite.
std::string number_to_text(double value, std::string_view separator);

// value rounded to the decimals of pattern, without digit grouping and with no minus sign on a
// value that rounds to zero. value must be finite; anything else throws std::invalid_argument.
std::string format_number(double value, display_pattern pattern, std::string_view separator);

} // namespace c3f8
