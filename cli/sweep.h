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
    // value, is given twice, or the options give more than max_points points.
    explicit sweep(const command &c);
    sweep(const sweep &) = delete;
    sweep &operator=(const sweep &) = delete;

    // How many points the options give for each row of the file (or in all, without a file).
    std::uint64_t points_per_row() const { return m_perRow; }
    bool has_file() const { return m_reader != nullptr; }

    // Computes every point and hands it to writer; after each, tick() is called with the
    // counts so far. A malformed row of the file throws usage_error after the rows before it.
    void run(point_writer &writer, const std::function<void(const sweep_counts &)> &tick);

private:
    // Puts the next row's cells into the inputs the file gives; false after the last row.
    bool next_row(std::array<std::string, input_count> &texts);

    const command &m_command;
    // The input file, closed with the sweep (standard input is left open).
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_file{nullptr, std::fclose};
    std::unique_ptr<csv_reader> m_reader;
    std::vector<std::optional<field>> m_columns; // the input each column of the file gives
    std::vector<std::string> m_cells;
    bool m_rowRead = false;
    std::uint64_t m_perRow = 1;
};

} // namespace c3f8::cli
