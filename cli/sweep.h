// The points of a command: the rows of the input file, if any, outermost, and within each row
// every combination of the values given as options, the input named first varying slowest.
// Points are computed and written one at a time, so that memory stays flat however many.
#pragma once

#include "cli/command_line.h"
#include "cli/csv_reader.h"
#include "cli/point_writer.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace c3f8::cli {

struct sweep_counts
{
    std::uint64_t points = 0, failed = 0;
};

class sweep
{
public:
    // Opens the input file and reads its header; throws usage_error where an input has no
    // value or the options give more than max_points points, file_error where the file cannot
    // be opened or its header names an input twice, misspells one or names no column.
    explicit sweep(const command &c);
    sweep(const sweep &) = delete;
    sweep &operator=(const sweep &) = delete;

    // How many points the options give for each row of the file (or in all, without a file).
    std::uint64_t points_per_row() const { return m_per_row; }
    bool has_file() const { return m_reader != nullptr; }
    // The names of the file's own columns that are carried through to the output.
    const std::vector<std::string> &carried_names() const { return m_carried_names; }

    // Computes every point and hands it to writer; after each, tick() is called with the
    // counts so far, and before every read of the file that may wait, flush_output(). A
    // malformed row of the file throws file_error after the rows before it.
    void run(point_writer &writer, const std::function<void(const sweep_counts &)> &tick,
             const std::function<void()> &flush_output);

private:
    void read_header();
    // Puts the next row's cells into the inputs and carried cells the file gives; false after
    // the last row.
    bool next_row(std::array<std::string, value_count> &texts);

    struct file_column
    {
        std::optional<std::size_t> input; // by value_index
        bool carried = false;             // neither an input nor a column of the program's output
    };

    const command &m_command;
    // The input file, closed with the sweep (standard input is left open).
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_file{nullptr, std::fclose};
    std::unique_ptr<csv_reader> m_reader;
    std::vector<file_column> m_columns;
    std::vector<std::string> m_carried_names, m_carried, m_cells;
    std::array<bool, value_count> m_given{};
    bool m_row_read = false;
    std::uint64_t m_per_row = 1;
};

} // namespace c3f8::cli
