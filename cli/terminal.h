// The little the program needs to know of the system's streams, the same on every system.
#pragma once

#include <cstdio>

namespace c3f8::cli {

bool is_terminal(std::FILE *stream);

// Standard output takes bytes as they are (LF line ends, UTF-8 on a Windows console), and a
// closed pipe shows as a failed write rather than a signal.
void prepare_standard_streams();

} // namespace c3f8::cli
