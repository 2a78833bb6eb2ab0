#include "cli/terminal.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
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

} // namespace c3f8::cli
