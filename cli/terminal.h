// The little the program needs to know of the system's streams, the same on every system.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>

namespace c3f8::cli {

bool is_terminal(std::FILE *stream);

// Standard output takes bytes as they are (LF line ends, UTF-8 on a Windows console), and a
// closed pipe shows as a failed write rather than a signal.
void prepare_standard_streams();

// Whether a read of the stream would return at once: a file always does, a pipe when it holds
// bytes (or its writer has gone), a terminal never knows.
bool input_ready(std::FILE *stream);

// Reads what the stream has for it, up to size bytes, waiting only while it has nothing: from a
// pipe or a terminal as soon as a line comes, from a file a whole block. 0 at the end; none at
// an error, with errno set. The stream's own buffer is not used: read the stream only here.
std::optional<std::size_t> read_some(std::FILE *stream, char *buffer, std::size_t size);

} // namespace c3f8::cli
