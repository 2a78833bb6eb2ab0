#include "cli/csv_reader.h"

#include "cli/usage_error.h"

#include <cerrno>
#include <cstring>

namespace c3f8::cli {

namespace {
constexpr std::size_t longest_cell = 1 << 20, most_cells = 4096;
}

csv_reader::csv_reader(std::FILE *in, std::string name, char delimiter)
    : m_in(in), m_name(std::move(name)), m_delimiter(delimiter)
{
}

int csv_reader::peek()
{
    if (m_at == m_end) {
        m_at = 0;
        m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_in);
        if (m_end == 0) {
            if (std::ferror(m_in))
                throw usage_error("cannot read " + m_name + ": " + std::strerror(errno));
            return EOF;
        }
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
    throw usage_error(m_name + ", line " + std::to_string(m_recordLine) + ", column " +
                      std::to_string(column) + ": " + what);
}

bool csv_reader::next(std::vector<std::string> &cells)
{
    if (!m_started) {
        m_started = true;
        // A byte order mark, as spreadsheets put before UTF-8.
        if (peek() == 0xEF) {
            const std::size_t mark = m_at;
            if (m_end - mark >= 3 && static_cast<unsigned char>(m_buffer[mark + 1]) == 0xBB &&
                static_cast<unsigned char>(m_buffer[mark + 2]) == 0xBF)
                m_at += 3;
        }
    }
    for (;;) {
        cells.clear();
        m_recordLine = m_line;
        if (peek() == EOF)
            return false;
        bool lineEnded = false, quoted = false;
        while (!lineEnded) {
            if (cells.size() == most_cells)
                malformed(cells.size(), "a record has more than 4096 cells");
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
                    cell += static_cast<char>(c);
                    if (cell.size() > longest_cell)
                        malformed(column, "a cell is longer than a mebibyte");
                }
                c = peek();
                if (c != m_delimiter && c != '\r' && c != '\n' && c != EOF)
                    malformed(column, "text follows the closing quote of a cell");
            } else {
                while (c != m_delimiter && c != '\r' && c != '\n' && c != EOF) {
                    if (c == '"')
                        malformed(column, "a quote stands inside a cell that is not quoted");
                    cell += static_cast<char>(get());
                    if (cell.size() > longest_cell)
                        malformed(column, "a cell is longer than a mebibyte");
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
            lineEnded = c != m_delimiter;
        }
        // A blank line holds no record.
        if (quoted || cells.size() > 1 || !cells[0].empty() || m_keepBlankLines)
            return true;
    }
}

} // namespace c3f8::cli
