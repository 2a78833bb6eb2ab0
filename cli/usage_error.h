// A command line or an input file that the program cannot work with: it says what and where,
// and the program ends with status 2.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace c3f8::cli {

// text with every byte that a terminal cannot show as it stands (control characters, bytes
// that are not part of well-formed UTF-8) written as \xHH, so that a message never ends at a
// NUL byte or moves the cursor.
std::string printable(std::string_view text);

// A mistake in the options: the message is followed by a pointer to --help.
struct usage_error : std::runtime_error
{
    explicit usage_error(std::string_view message) : std::runtime_error(printable(message)) {}
};

// An input file that cannot be read or is malformed: the message names the file, line and
// column; --help would not help.
struct file_error : usage_error
{
    using usage_error::usage_error;
};

} // namespace c3f8::cli
