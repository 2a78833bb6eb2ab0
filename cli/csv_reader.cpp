#include "cli/csv_reader.h"

#include "cli/terminal.h"
#include "cli/usage_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace c3f8::cli {

namespace {

constexpr std::size_t longest_cell = 1 << 20, most_cells = 4096;

bool is_blank(const std::string &cell)
{
    return cell.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

csv_reader::csv_reader(std::FILE *in, std::string name, char delimiter)
    : m_in(in), m_name(std::move(name)), m_delimiter(delimiter)
{
}

bool csv_reader::read_more()
{
    if (m_ended)
        return false;
    if (m_before_waiting && !input_ready(m_in))
        m_before_waiting();
    const auto got = read_some(m_in, m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (!got)
        throw file_error("cannot read " + m_name + ": " + std::strerror(errno));
    m_end += *got;
    m_ended = *got == 0;
    return !m_ended;
}

int csv_reader::peek()
{
    if (m_at == m_end) {
        m_at = m_end = 0;
        if (!read_more())
            return EOF;
    }
    return static_cast<unsigned char>(m_buffer[m_at]);
}

int csv_reader::get()
{
    const int c = peek();
    if (c != EOF)
        ++m_at;
    if (c == '\n')
        ++m_line;
    return c;
}

void csv_reader::malformed(std::size_t column, const char *what) const
{
    throw file_error(m_name + ", line " + std::to_string(m_record_line) + ", column " +
                     std::to_string(column) + ": " + what);
}

void csv_reader::utf16() const
{
    throw file_error(m_name + ": the file is UTF-16; save it as UTF-8");
}

bool csv_reader::next(std::vector<std::string> &cells)
{
    if (!m_started) {
        m_started = true;
        // A byte order mark, which may come in pieces down a pipe: UTF-8's, as spreadsheets
        // put it, is passed over.
        while (m_end < 3 && read_more()) {
        }
        const auto byte = [&](std::size_t i) {
            return i < m_end ? static_cast<unsigned char>(m_buffer[i]) : -1;
        };
        if ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))
            utf16();
        if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
            m_at = 3;
    }
    bool quoted = false;
    while (record(cells, quoted)) {
        // Blank lines, lines of blanks and rows of empty cells, as spreadsheets write them
        // under their data, hold no record; a quoted cell, even an empty one, is a value.
        if (quoted || !std::all_of(cells.begin(), cells.end(), is_blank))
            return m_header_read = true;
    }
    return false;
}

bool csv_reader::record(std::vector<std::string> &cells, bool &quoted)
{
    cells.clear();
    quoted = false;
    m_record_line = m_line;
    if (peek() == EOF)
        return false;
    bool line_ended = false;
    const auto take = [&](std::string &cell, std::size_t column, int c) {
        if (c == 0) {
            // UTF-16 puts a NUL byte beside every letter of a header.
            if (!m_header_read)
                utf16();
            malformed(column, "a NUL byte stands in the cell; the file is not plain text");
        }
        cell += static_cast<char>(c);
        if (cell.size() > longest_cell)
            malformed(column, "a cell is longer than a mebibyte");
    };
    while (!line_ended) {
        if (cells.size() == most_cells)
            malformed(cells.size() + 1, "a record has more than 4096 cells");
        std::string &cell = cells.emplace_back();
        const std::size_t column = cells.size();
        int c = peek();
        if (c == '"') {
            quoted = true;
            get();
            for (;;) {
                c = get();
                if (c == EOF)
                    malformed(column, "a quoted cell is not closed");
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    get();
                }
                take(cell, column, c);
            }
            c = peek();
            if (c != m_delimiter && c != '\r' && c != '\n' && c != EOF)
                malformed(column, "text follows the closing quote of a cell");
        } else {
            while (c != m_delimiter && c != '\r' && c != '\n' && c != EOF) {
                if (c == '"')
                    malformed(column, "a quote stands inside a cell that is not quoted");
                take(cell, column, get());
                c = peek();
            }
        }
        c = get();
        if (c == '\r') {
            // CRLF ends a line as LF does; so does a CR alone, as old Macs wrote them.
            if (peek() == '\n')
                c = get();
            else
                ++m_line;
        }
        line_ended = c != m_delimiter;
    }
    return true;
}

} // namespace c3f8::cli
