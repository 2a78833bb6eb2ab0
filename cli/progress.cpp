#include "cli/progress.h"

#include <string>

namespace c3f8::cli {

progress::progress(std::FILE *stream, bool wanted, std::optional<std::uint64_t> total)
    : m_stream(stream), m_wanted(wanted), m_total(total)
{
}

void progress::update(std::uint64_t done)
{
    const auto now = clock::now();
    const std::chrono::duration<double> running = now - m_start;
    if (running.count() < 1.0 || now - m_shown < std::chrono::milliseconds(250))
        return;
    m_shown = now;
    std::string line = std::to_string(done);
    if (m_total)
        line += " of " + std::to_string(*m_total);
    line += " points, " + std::to_string(static_cast<std::uint64_t>(done / running.count())) +
            " points/s";
    // Blanks over what a longer line before left.
    if (line.size() < m_width)
        line.append(m_width - line.size(), ' ');
    m_width = line.size();
    std::fprintf(m_stream, "\r%s", line.c_str());
    std::fflush(m_stream);
}

void progress::finish()
{
    if (m_width == 0)
        return;
    std::fprintf(m_stream, "\r%s\r", std::string(m_width, ' ').c_str());
    std::fflush(m_stream);
    m_width = 0;
}

} // namespace c3f8::cli
