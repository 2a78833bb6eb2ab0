// Reads a CSV file record by record, as RFC 4180 writes it and spreadsheets save it: cells
// separated by the delimiter, quoted where they hold it, a quote or a line end, lines ending in
// LF or CRLF, an optional byte order mark at the start. Blank lines, lines of blanks and rows
// of empty unquoted cells are skipped. A cell longer than a mebibyte or a record of more than
// 4096 cells is refused rather than held in memory.
//
// A record is returned as soon as its line has ended, without waiting for more input, so that
// a program at the other end of a pipe gets each answer before it sends the next line; only a
// line that ends in a lone CR waits for the next byte, which may be the LF of a CRLF.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace c3f8::cli {

class csv_reader
{
public:
    // name is how messages call the file.
    csv_reader(std::FILE *in, std::string name, char delimiter);

    // Reads the next record into cells; false at the end of the file. A malformed record or an
    // error of reading throws file_error, naming the line and the column.
    bool next(std::vector<std::string> &cells);

    // Called before every read that would have to wait for more input.
    void before_waiting(std::function<void()> call) { m_before_waiting = std::move(call); }

    // The line on which the record last read begins, from 1.
    std::uint64_t line() const { return m_record_line; }
    const std::string &name() const { return m_name; }

private:
    int get();
    int peek();
    // Reads more into the buffer after what it holds; false at the end of the input.
    bool read_more();
    // Reads one line's cells, and whether any of them was quoted.
    bool record(std::vector<std::string> &cells, bool &quoted);
    [[noreturn]] void malformed(std::size_t column, const char *what) const;
    [[noreturn]] void utf16() const;

    std::FILE *m_in;
    std::string m_name;
    char m_delimiter;
    std::function<void()> m_before_waiting;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_at = 0, m_end = 0;
    bool m_started = false, m_header_read = false, m_ended = false;
    std::uint64_t m_line = 1, m_record_line = 0;
};

} // namespace c3f8::cli
