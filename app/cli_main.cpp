// c3f8calc-cli: the calculator's operating points in series, for sweeps, batch files and
// scripts. The same calculation as the window, without the window.
#include "cli/program.h"
#include "cli/terminal.h"

int main(int argc, char *argv[])
{
    using namespace c3f8::cli;
    prepare_standard_streams();
    return run_program(argc, argv, {stdout, stderr, is_terminal(stdout), is_terminal(stderr)});
}
