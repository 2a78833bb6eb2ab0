#include "cli/sweep.h"

#include "cli/usage_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace c3f8::cli {

namespace {

std::string input_names()
{
    std::string names;
    for (std::size_t i = 0; i < input_count; ++i)
        names += (i ? ", " : "") + std::string(field_table[i].name);
    return names;
}

} // namespace

sweep::sweep(const command &c) : m_command(c)
{
    std::array<bool, input_count> given{};
    for (std::size_t i = 0; i < input_count; ++i)
        given[i] = !c.values[i].empty();

    if (c.input_file) {
        const bool standard = *c.input_file == "-";
        std::FILE *in = stdin;
        if (!standard) {
            m_file.reset(std::fopen(c.input_file->c_str(), "rb"));
            if (!m_file)
                throw usage_error("cannot open " + *c.input_file + ": " + std::strerror(errno));
            in = m_file.get();
        }
        m_reader = std::make_unique<csv_reader>(in, standard ? "standard input" : *c.input_file,
                                                csv_delimiter(c.separator));
        std::vector<std::string> header;
        if (!m_reader->next(header))
            throw usage_error(m_reader->name() + " is empty: its first line must name inputs");
        for (std::size_t column = 0; column < header.size(); ++column) {
            const std::string &name = header[column];
            const auto where = [&] {
                return m_reader->name() + ", line " + std::to_string(m_reader->line()) +
                       ", column " + std::to_string(column + 1) + ": ";
            };
            const auto input = std::find_if(field_table.begin(), field_table.begin() + input_count,
                                            [&](const field_row &row) { return row.name == name; });
            if (input == field_table.begin() + input_count) {
                if (!is_output_column(name))
                    throw usage_error(where() + "'" + name + "' is no input (" + input_names() +
                                      ") and no column this program writes");
                m_columns.emplace_back();
                continue;
            }
            const std::size_t i = index(input->id);
            if (given[i])
                throw usage_error(where() + "the input " + name + " is given " +
                                  (c.values[i].empty() ? "twice in the file"
                                                       : "both in the file and as an option"));
            given[i] = true;
            m_columns.emplace_back(input->id);
        }
        // In a file of one column a blank line is a point whose input is empty.
        m_reader->keep_blank_lines(header.size() == 1);
    }

    std::string missing;
    for (std::size_t i = 0; i < input_count; ++i)
        if (!given[i])
            missing += (missing.empty() ? "" : ", ") + std::string(field_table[i].name);
    if (!missing.empty())
        throw usage_error("no value for " + missing +
                          ": give each input as an option or as a column of the input file");

    for (const field f : c.nesting)
        m_perRow = saturating_product(m_perRow, c.values[index(f)].size());
    if (m_perRow > c.max_points)
        throw usage_error("the options give " +
                          (m_perRow == UINT64_MAX ? std::string("more than 18446744073709551615")
                                                  : std::to_string(m_perRow)) +
                          " points, more than " + std::to_string(c.max_points) +
                          "; raise the limit with --max-points");
}

bool sweep::next_row(std::array<std::string, input_count> &texts)
{
    if (!m_reader) {
        const bool first = !m_rowRead;
        m_rowRead = true;
        return first;
    }
    if (!m_reader->next(m_cells))
        return false;
    if (m_cells.size() != m_columns.size())
        throw usage_error(m_reader->name() + ", line " + std::to_string(m_reader->line()) + ": " +
                          std::to_string(m_cells.size()) + " cell(s) where the header has " +
                          std::to_string(m_columns.size()));
    for (std::size_t column = 0; column < m_cells.size(); ++column)
        if (m_columns[column])
            texts[index(*m_columns[column])] = std::move(m_cells[column]);
    return true;
}

void sweep::run(point_writer &writer, const std::function<void(const sweep_counts &)> &tick)
{
    const std::vector<field> &nesting = m_command.nesting;
    const std::string_view separator(&m_command.separator, 1);
    // The texts of the inputs for the point at hand, and which value each swept input is at.
    std::array<std::string, input_count> texts;
    std::vector<std::uint64_t> at(nesting.size());
    const auto set = [&](std::size_t k, std::uint64_t value) {
        at[k] = value;
        m_command.values[index(nesting[k])].value(value, texts[index(nesting[k])]);
    };
    // The next combination, the innermost input moving first; false after the last.
    const auto advance = [&] {
        for (std::size_t k = nesting.size(); k-- > 0;) {
            if (at[k] + 1 < m_command.values[index(nesting[k])].size()) {
                set(k, at[k] + 1);
                return true;
            }
            set(k, 0);
        }
        return false;
    };

    sweep_counts counts;
    while (next_row(texts)) {
        if (m_perRow == 0)
            continue;
        for (std::size_t k = 0; k < nesting.size(); ++k)
            set(k, 0);
        do {
            // Every point starts from an empty record.
            field_record record;
            std::copy(texts.begin(), texts.end(), record.texts.begin());
            const run_outcome outcome = calculate(record, separator);
            writer.write(record, outcome);
            ++counts.points;
            if (outcome.failure)
                ++counts.failed;
            tick(counts);
        } while (advance());
    }
}

} // namespace c3f8::cli
