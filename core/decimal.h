// The three conversions the field texts are built on, in plain notation with '.' as separator:
// std::from_chars and std::to_chars where the standard library has them for doubles, and a
// fallback of well-kept libraries where it lacks them (some WebAssembly toolchains). Both give
// the same results; which one a build takes is decided by a compile check.
#pragma once

#include <optional>
#include <string_view>

namespace c3f8::decimal {

// plain: digits with an optional '.' and fraction, and an optional exponent ("12.5e-3"); no
// sign, at least one digit. No value where it lies above the double range; a value below the
// range reads as zero.
using reader = std::optional<double> (*)(std::string_view plain);
// Writes value (finite) into [first, last) and returns the end: the shortest plain text that
// reads back to value, or value rounded to decimals places. last - first must be at least
// max_text_bytes (number_text.h).
using shortest_writer = char *(*)(double value, char *first, char *last);
using fixed_writer = char *(*)(double value, int decimals, char *first, char *last);

namespace standard {
std::optional<double> read(std::string_view plain);
char *write_shortest(double value, char *first, char *last);
char *write_fixed(double value, int decimals, char *first, char *last);
} // namespace standard

namespace fallback {
std::optional<double> read(std::string_view plain);
char *write_shortest(double value, char *first, char *last);
char *write_fixed(double value, int decimals, char *first, char *last);
} // namespace fallback

} // namespace c3f8::decimal
