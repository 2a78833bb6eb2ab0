#include "cli/terminal.h"

#include <algorithm>
#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <poll.h>
#include <unistd.h>
#endif

namespace c3f8::cli {

bool is_terminal(std::FILE *stream)
{
#ifdef _WIN32
    // A console, not merely a character device such as NUL.
    DWORD mode = 0;
    return _isatty(_fileno(stream)) != 0 &&
           GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

void prepare_standard_streams()
{
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#else
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool input_ready(std::FILE *stream)
{
#ifdef _WIN32
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        return true;
    case FILE_TYPE_PIPE: {
        // Where the pipe cannot be looked into (wine's pipes from the host, a writer that has
        // gone), the output is written first: flushing early costs a write, waiting with the
        // output held could cost a deadlock.
        DWORD available = 0;
        return PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr) && available > 0;
    }
    default:
        return false;
    }
#else
    pollfd watched{fileno(stream), POLLIN, 0};
    return poll(&watched, 1, 0) > 0;
#endif
}

std::optional<std::size_t> read_some(std::FILE *stream, char *buffer, std::size_t size)
{
    for (;;) {
#ifdef _WIN32
        const int n = _read(_fileno(stream), buffer,
                            static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
#else
        const ssize_t n = ::read(fileno(stream), buffer, size);
#endif
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            return std::nullopt;
    }
}

} // namespace c3f8::cli
