// The whole command-line program on the streams it is given: the entry point hands it the
// process's own, the tests files of their own.
#pragma once

#include <cstdio>

namespace c3f8::cli {

struct program_streams
{
    std::FILE *out = stdout;
    std::FILE *err = stderr;
    // Whether a person reads them: the table is then the default format, and a long sweep shows
    // its progress on err while out goes elsewhere.
    bool out_is_terminal = false;
    bool err_is_terminal = false;
};

enum exit_status
{
    all_computed = 0,
    some_failed = 1,
    usage = 2,
    output_unwritable = 3,
};

// Runs the command line argv and returns the program's exit status.
int run_program(int argc, const char *const argv[], const program_streams &streams);

} // namespace c3f8::cli
