#include "cli/output_sink.h"

#include <cerrno>

namespace c3f8::cli {

void output_sink::flush()
{
    errno = 0;
    const bool written = m_buffer.empty() ||
                         std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) == m_buffer.size();
    m_buffer.clear();
    if (!written || std::fflush(m_out) != 0) {
        // A closed pipe: EPIPE where SIGPIPE is ignored, EINVAL from the Windows runtime.
        const int error = errno;
#ifdef _WIN32
        const bool closed = error == EPIPE || error == EINVAL;
#else
        const bool closed = error == EPIPE;
#endif
        if (closed)
            throw output_closed{};
        throw output_failed{error};
    }
}

} // namespace c3f8::cli
