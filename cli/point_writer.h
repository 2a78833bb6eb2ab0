// The three ways the program writes its points: a table for people, CSV for spreadsheets and
// JSON lines for scripts. Each point in the catalogue's columns (inputs, results, warnings,
// outside_fits, failure), after the input file's own columns that it carries through.
#pragma once

#include "cli/output_sink.h"
#include "core/calculation.h"

#include <array>
#include <bitset>
#include <memory>
#include <span>
#include <string>

namespace c3f8::cli {

enum class output_format
{
    table,
    csv,
    json
};

struct format_name
{
    std::string_view name;
    output_format format;
};
inline constexpr std::array<format_name, 3> format_names = {{
    {"table", output_format::table},
    {"csv", output_format::csv},
    {"json", output_format::json},
}};

struct output_settings
{
    output_format format = output_format::csv;
    // Results as the plain decimal of the unrounded value rather than the text shown.
    bool full_precision = false;
    // The decimal separator of every number: '.' or ','. CSV cells are then separated by ','
    // or ';'.
    decimal_separator separator = ".";
    // The table shows a single point line by line rather than as a row.
    bool single_point = false;
    // tevap was found from a measured pressure: a single point shows it above its results.
    bool tevap_found = false;
};

// One computed point, and the cells of the input file's row that it carries through.
struct point
{
    const field_record &record;
    const run_outcome &outcome;
    std::span<const std::string> carried;
};

class point_writer
{
public:
    virtual ~point_writer() = default;
    // The header, with the names of the input file's columns carried through.
    virtual void begin(std::span<const std::string> carried_names) { (void)carried_names; }
    virtual void write(const point &p) = 0;
    // Hands whatever the writer holds back to the output: before a wait for input, and at the
    // end.
    virtual void release() {}
};

std::unique_ptr<point_writer> make_point_writer(const output_settings &settings, output_sink &out);

// The CSV cell delimiter that goes with a decimal separator.
constexpr char csv_delimiter(decimal_separator separator)
{
    return separator == "," ? ';' : ',';
}

// The names of the fields outside the fits' trusted range, separated by a blank.
std::string outside_fits_names(const std::bitset<field_count> &outside);

} // namespace c3f8::cli
