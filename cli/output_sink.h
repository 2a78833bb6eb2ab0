// Standard output as the program writes it: through one large buffer, with the two ways a write
// can fail told apart. A reader that went away (a closed pipe) ends the program quietly; any
// other failure is an error of its own.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace c3f8::cli {

// The reader of the output went away.
struct output_closed
{
};

// The output could not be written, for the reason of errno.
struct output_failed
{
    int error;
};

class output_sink
{
public:
    explicit output_sink(std::FILE *out) : m_out(out) { m_buffer.reserve(capacity); }

    // Text goes into the buffer; it reaches the output when the buffer is full, or at flush().
    std::string &buffer() { return m_buffer; }
    void write(std::string_view text) { m_buffer += text; }
    // Writes the buffer out once it holds a whole block.
    void row_done()
    {
        if (m_buffer.size() >= capacity)
            flush();
    }
    void flush();

private:
    static constexpr std::size_t capacity = 1 << 16;
    std::FILE *m_out;
    std::string m_buffer;
};

} // namespace c3f8::cli
