// A command line or an input file that the program cannot work with: it says what and where,
// and the program ends with status 2.
#pragma once

#include "cli/text_bytes.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace c3f8::cli {

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
