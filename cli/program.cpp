#include "cli/program.h"

#include "cli/command_line.h"
#include "cli/progress.h"
#include "cli/sweep.h"
#include "cli/usage_error.h"

#include <cstring>
#include <exception>

namespace c3f8::cli {

int run_program(int argc, const char *const argv[], const program_streams &streams)
{
    output_sink out(streams.out);
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
            c.format.value_or(streams.out_is_terminal ? output_format::table : output_format::csv);
        settings.full_precision = c.full_precision;
        settings.separator = c.separator;
        settings.single_point = !points.has_file() && points.points_per_row() == 1;
        const auto writer = make_point_writer(settings, out);

        progress shown(streams.err, streams.err_is_terminal && !streams.out_is_terminal,
                       points.has_file() ? std::nullopt
                                         : std::optional<std::uint64_t>(points.points_per_row()));
        started = true;
        writer->begin();
        points.run(*writer, [&](const sweep_counts &so_far) {
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
        } catch (const output_closed &) {
        } catch (const output_failed &) {
        }
        std::fprintf(streams.err, "c3f8calc-cli: %s\n", e.what());
        if (started)
            std::fprintf(streams.err, "c3f8calc-cli: stopped there; %llu points were written\n",
                         static_cast<unsigned long long>(counts.points));
        else
            std::fprintf(streams.err, "Try 'c3f8calc-cli --help'.\n");
        return usage;
    } catch (const output_closed &) {
        // The reader has all it wanted, as with | head: no word about it.
        return counts.failed ? some_failed : all_computed;
    } catch (const output_failed &e) {
        std::fprintf(streams.err, "c3f8calc-cli: cannot write the output: %s\n",
                     std::strerror(e.error));
        return output_unwritable;
    } catch (const std::exception &e) {
        // Anything else (memory running out): the rows written so far, and a word about it.
        try {
            out.flush();
        } catch (...) {
        }
        std::fprintf(streams.err, "c3f8calc-cli: stopped: %s\n", e.what());
        return usage;
    }
}

} // namespace c3f8::cli
