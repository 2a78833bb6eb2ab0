// The three ways the program writes its points: a table for people, CSV for spreadsheets and
// JSON lines for scripts. Each point's inputs, results, warnings and failure, in the columns
// inputs (the window's order), results (the order a run writes them), Ostrzezenie, m_warn,
// failure, failure_field.
#pragma once

#include "cli/output_sink.h"
#include "core/calculation.h"

#include <memory>

namespace c3f8::cli {

enum class output_format
{
    table,
    csv,
    json
};

struct output_settings
{
    output_format format = output_format::csv;
    // Results as the plain decimal of the unrounded value rather than the text shown.
    bool full_precision = false;
    // The decimal separator of every number: '.' or ','. CSV cells are then separated by ','
    // or ';'.
    char separator = '.';
    // The table shows a single point line by line rather than as a row.
    bool single_point = false;
};

class point_writer
{
public:
    virtual ~point_writer() = default;
    virtual void begin() {}
    virtual void write(const field_record &record, const run_outcome &outcome) = 0;
};

std::unique_ptr<point_writer> make_point_writer(const output_settings &settings, output_sink &out);

// The CSV cell delimiter that goes with a decimal separator.
constexpr char csv_delimiter(char separator)
{
    return separator == ',' ? ';' : ',';
}

// The names of the columns that are not inputs: results, warnings and the failure.
bool is_output_column(std::string_view name);

} // namespace c3f8::cli
