// A command line or an input file that the program cannot work with: it says what and where,
// and the program ends with status 2.
#pragma once

#include <stdexcept>

namespace c3f8::cli {

struct usage_error : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

} // namespace c3f8::cli
