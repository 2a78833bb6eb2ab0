// What the command line asks for: the values of each input, where they come from, and how the
// points are written.
#pragma once

#include "cli/input_values.h"
#include "cli/measured_pressure.h"
#include "cli/point_writer.h"
#include "core/catalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace c3f8::cli {

// Without --max-points, the most points the options may give: a mistyped STEP is refused
// before it runs for hours.
inline constexpr std::uint64_t default_max_points = 100'000'000;

struct command
{
    // The values of each input and measured pressure given as options (by value_index); empty
    // where it has none.
    std::array<input_values, value_count> values;
    // The values given as options, in the order of their first appearance: the first varies
    // slowest.
    std::vector<std::size_t> nesting;
    // Where tevap comes from: typed (none), or the pressure measured as p_abs or p_gauge.
    std::optional<measured> tevap_from;
    properties from = properties::fits;
    std::optional<std::string> input_file; // "-" for standard input
    std::optional<output_format> format;   // none: table on a terminal, CSV otherwise
    bool full_precision = false;
    decimal_separator separator = ".";
    std::uint64_t max_points = default_max_points;
};

// What to print instead of working, for --help and --version.
struct answer
{
    std::string text;
};

// Reads the command line; throws usage_error where it asks for something impossible.
std::variant<command, answer> parse_command_line(int argc, const char *const argv[]);

} // namespace c3f8::cli
