#include "cli/sweep.h"

#include "cli/usage_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <variant>

namespace c3f8::cli {

namespace {

std::string_view without_blanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool same_but_for_case(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The input named exactly name, or one whose name it differs from only in case or in blanks
// around it.
std::optional<field> input_named(std::string_view name, bool exactly)
{
    for (std::size_t i = 0; i < input_count; ++i) {
        const std::string_view input_name = field_table[i].name;
        if (exactly ? name == input_name : same_but_for_case(without_blanks(name), input_name))
            return input(i);
    }
    return std::nullopt;
}

// Whether text, cut at delimiter, has a part that names an input.
bool names_inputs_cut_at(std::string_view text, char delimiter)
{
    if (text.find(delimiter) == std::string_view::npos)
        return false;
    for (std::size_t from = 0;;) {
        const auto to = std::min(text.find(delimiter, from), text.size());
        if (input_named(without_blanks(text.substr(from, to - from)), true))
            return true;
        if (to == text.size())
            return false;
        from = to + 1;
    }
}

// Whether the value i (by value_index) is an input of the points: tevap unless a measured
// pressure gives it, and the measured pressures that give it.
bool takes_value(const command &c, std::size_t i)
{
    if (i < input_count)
        return !(c.tevap_from && i == value_index(field::tevap));
    if (!c.tevap_from)
        return false;
    return i == value_index(*c.tevap_from) ||
           (*c.tevap_from == measured::p_gauge && i == value_index(measured::barometer));
}

} // namespace

sweep::sweep(const command &c) : m_command(c)
{
    for (std::size_t i = 0; i < value_count; ++i)
        m_given[i] = !c.values[i].empty();

    if (c.input_file) {
        if (c.input_file->empty())
            throw usage_error("the file name is empty (--input - reads standard input)");
        const bool standard = *c.input_file == "-";
        std::FILE *in = stdin;
        if (!standard) {
            m_file.reset(std::fopen(c.input_file->c_str(), "rb"));
            if (!m_file)
                throw file_error("cannot open " + *c.input_file + ": " + std::strerror(errno));
            in = m_file.get();
        }
        m_reader = std::make_unique<csv_reader>(in, standard ? "standard input" : *c.input_file,
                                                csv_delimiter(c.separator));
        read_header();
    }

    std::string missing;
    for (std::size_t i = 0; i < value_count; ++i)
        if (takes_value(c, i) && !m_given[i])
            missing += (missing.empty() ? "" : ", ") + std::string(value_name(i));
    if (!missing.empty())
        throw usage_error("no value for " + missing +
                          ": give each input as an option or as a column of the input file");

    for (const std::size_t i : c.nesting)
        m_per_row = saturating_product(m_per_row, c.values[i].size());
    if (m_per_row == UINT64_MAX)
        throw usage_error("the options give too many points (18446744073709551615 or more)");
    if (m_per_row > c.max_points)
        throw usage_error("the options give " + std::to_string(m_per_row) + " points, more than " +
                          std::to_string(c.max_points) + "; raise the limit with --max-points");
}

void sweep::read_header()
{
    std::vector<std::string> header;
    if (!m_reader->next(header))
        throw file_error(m_reader->name() + " is empty: its first line must name inputs");
    const char delimiter = csv_delimiter(m_command.separator);
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string &name = header[column];
        const auto refuse = [&](const std::string &why) {
            throw file_error(m_reader->name() + ", line " + std::to_string(m_reader->line()) +
                             ", column " + std::to_string(column + 1) + ": " + why);
        };
        if (without_blanks(name).empty())
            refuse("the column has no name");
        const auto earlier = std::find(header.begin(), header.begin() + column, name);
        if (earlier != header.begin() + column)
            refuse("'" + name + "' also names column " +
                   std::to_string(earlier - header.begin() + 1));

        file_column &role = m_columns.emplace_back();
        const auto measured_input = [&]() -> std::optional<std::size_t> {
            for (std::size_t i = input_count; i < value_count; ++i)
                if (name == value_name(i) && takes_value(m_command, i))
                    return i;
            return std::nullopt;
        }();
        if (const auto f = input_named(name, true)) {
            if (m_given[index(*f)])
                refuse("the input " + name + " is given both in the file and as an option");
            if (!takes_value(m_command, index(*f)))
                refuse("tevap is given both in the file and by the measured pressure");
            m_given[index(*f)] = true;
            role.input = index(*f);
        } else if (measured_input) {
            if (m_given[*measured_input])
                refuse("the input " + name + " is given both in the file and as an option");
            m_given[*measured_input] = true;
            role.input = *measured_input;
        } else if (const auto near = input_named(name, false)) {
            refuse("'" + name + "' is not the input " + std::string(field_name(*near)) +
                   ": inputs are named exactly, in this case, without blanks");
        } else if (column_index(name)) {
            // One of the program's own output columns: left aside, so that its output reads
            // back.
        } else if (const char other = delimiter == ',' ? ';' : ',';
                   names_inputs_cut_at(name, other)) {
            refuse("'" + name + "' looks like cells separated by '" + other + "': " +
                   (other == ';' ? "read it with --decimal-comma" : "leave out --decimal-comma"));
        } else {
            role.carried = true;
            m_carried_names.push_back(name);
        }
    }
}

bool sweep::next_row(std::array<std::string, value_count> &texts)
{
    if (!m_reader) {
        const bool first = !m_row_read;
        m_row_read = true;
        return first;
    }
    if (!m_reader->next(m_cells))
        return false;
    if (m_cells.size() != m_columns.size())
        throw file_error(m_reader->name() + ", line " + std::to_string(m_reader->line()) + ": " +
                         std::to_string(m_cells.size()) + " cell(s) where the header has " +
                         std::to_string(m_columns.size()));
    m_carried.clear();
    for (std::size_t column = 0; column < m_cells.size(); ++column) {
        if (m_columns[column].input)
            texts[*m_columns[column].input] = std::move(m_cells[column]);
        else if (m_columns[column].carried)
            m_carried.push_back(std::move(m_cells[column]));
    }
    return true;
}

void sweep::run(point_writer &writer, const std::function<void(const sweep_counts &)> &tick,
                const std::function<void()> &flush_output)
{
    if (m_reader)
        m_reader->before_waiting(flush_output);
    const std::vector<std::size_t> &nesting = m_command.nesting;
    const decimal_separator separator = m_command.separator;
    // The texts of the values for the point at hand, and which value each swept one is at.
    std::array<std::string, value_count> texts;
    std::vector<std::uint64_t> at(nesting.size());
    const auto set = [&](std::size_t k, std::uint64_t value) {
        at[k] = value;
        m_command.values[nesting[k]].value(value, texts[nesting[k]]);
    };
    // The next combination, the innermost input moving first; false after the last.
    const auto advance = [&] {
        for (std::size_t k = nesting.size(); k-- > 0;) {
            if (at[k] + 1 < m_command.values[nesting[k]].size()) {
                set(k, at[k] + 1);
                return true;
            }
            set(k, 0);
        }
        return false;
    };

    sweep_counts counts;
    while (next_row(texts)) {
        if (m_per_row == 0)
            continue;
        for (std::size_t k = 0; k < nesting.size(); ++k)
            set(k, 0);
        do {
            // Every point starts from an empty record.
            field_record record;
            std::copy_n(texts.begin(), input_count, record.texts.begin());
            run_outcome outcome;
            if (m_command.tevap_from) {
                auto tevap =
                    tevap_from_pressure(*m_command.tevap_from, texts, m_command.from, separator);
                if (auto *text = std::get_if<std::string>(&tevap))
                    record[field::tevap] = std::move(*text);
                else
                    outcome.failure = std::get<calc_error>(tevap);
            }
            if (!outcome.failure)
                outcome = calculate(record, separator, m_command.from);
            writer.write({record, outcome, m_carried});
            ++counts.points;
            if (outcome.failure)
                ++counts.failed;
            tick(counts);
        } while (advance());
    }
}

} // namespace c3f8::cli
