// c3f8calc-cli: the calculator's operating points in series, for sweeps, batch files and
// scripts. The same calculation as the window, without the window.
#include "cli/command_line.h"
#include "cli/progress.h"
#include "cli/sweep.h"
#include "cli/terminal.h"
#include "cli/usage_error.h"

#include <cstdio>
#include <cstring>

using namespace c3f8::cli;

namespace {

enum status
{
    all_computed = 0,
    some_failed = 1,
    usage = 2,
    output_unwritable = 3,
};

void complain(const char *message)
{
    std::fprintf(stderr, "c3f8calc-cli: %s\n", message);
}

} // namespace

int main(int argc, char *argv[])
{
    prepare_standard_streams();
    output_sink out(stdout);
    sweep_counts counts;
    bool started = false;
    try {
        auto parsed = parse_command_line(argc, argv);
        if (const auto *answered = std::get_if<answer>(&parsed)) {
            out.write(answered->text);
            out.flush();
            return all_computed;
        }
        const command &c = std::get<command>(parsed);
        sweep points(c);

        output_settings settings;
        settings.format =
            c.format.value_or(is_terminal(stdout) ? output_format::table : output_format::csv);
        settings.full_precision = c.full_precision;
        settings.separator = c.separator;
        settings.single_point = !points.has_file() && points.points_per_row() == 1;
        const auto writer = make_point_writer(settings, out);

        progress shown(stderr, is_terminal(stderr) && !is_terminal(stdout),
                       points.has_file() ? std::nullopt
                                         : std::optional<std::uint64_t>(points.points_per_row()));
        started = true;
        writer->begin();
        counts = points.run(*writer, [&](const sweep_counts &so_far) {
            counts = so_far;
            shown.tick(so_far.points);
        });
        shown.finish();
        out.flush();
        return counts.failed ? some_failed : all_computed;
    } catch (const usage_error &e) {
        // What was computed before a bad row of the file is written whole.
        try {
            out.flush();
        } catch (...) {
        }
        complain(e.what());
        if (started)
            std::fprintf(stderr, "c3f8calc-cli: stopped there; %llu points were written\n",
                         static_cast<unsigned long long>(counts.points));
        else
            std::fprintf(stderr, "Try 'c3f8calc-cli --help'.\n");
        return usage;
    } catch (const output_closed &) {
        // The reader has all it wanted, as with | head.
        return counts.failed ? some_failed : all_computed;
    } catch (const output_failed &e) {
        std::fprintf(stderr, "c3f8calc-cli: cannot write the output: %s\n", std::strerror(e.error));
        return output_unwritable;
    }
}
