#include "cli/program.h"

#include "cli/command_line.h"
#include "cli/progress.h"
#include "cli/sweep.h"
#include "cli/usage_error.h"

#include <cstring>
#include <exception>

namespace c3f8::cli {

namespace {

int cannot_write(const program_streams &streams, const output_failed &failed)
{
    std::fprintf(streams.err, "c3f8calc-cli: cannot write the output: %s\n",
                 printable(std::strerror(failed.error)).c_str());
    return output_unwritable;
}

} // namespace

int run_program(int argc, const char *const argv[], const program_streams &streams)
{
    output_sink out(streams.out);
    std::unique_ptr<point_writer> writer;
    // Everything computed so far, written out: before any wait for input, and at the end.
    const auto flush = [&] {
        if (writer)
            writer->release();
        out.flush();
    };
    sweep_counts counts;
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
        settings.tevap_found = c.tevap_from.has_value();
        writer = make_point_writer(settings, out);

        progress shown(streams.err, streams.err_is_terminal && !streams.out_is_terminal,
                       points.has_file() ? std::nullopt
                                         : std::optional<std::uint64_t>(points.points_per_row()));
        writer->begin(points.carried_names());
        points.run(
            *writer,
            [&](const sweep_counts &so_far) {
                counts = so_far;
                shown.tick(so_far.points);
            },
            flush);
        shown.finish();
        flush();
        return counts.failed ? some_failed : all_computed;
    } catch (const usage_error &e) {
        // What was computed before a bad row of the file is written whole; where that cannot
        // be written, the write's failure is what the user must know first.
        bool written = writer != nullptr;
        try {
            flush();
        } catch (const output_closed &) {
            written = false;
        } catch (const output_failed &failed) {
            return cannot_write(streams, failed);
        }
        std::fprintf(streams.err, "c3f8calc-cli: %s\n", e.what());
        if (written)
            std::fprintf(streams.err, "c3f8calc-cli: stopped there; %llu %s written\n",
                         static_cast<unsigned long long>(counts.points),
                         counts.points == 1 ? "point was" : "points were");
        else if (!dynamic_cast<const file_error *>(&e))
            std::fprintf(streams.err, "Try 'c3f8calc-cli --help'.\n");
        return usage;
    } catch (const output_closed &) {
        // The reader has all it wanted, as with | head: no word about it.
        return counts.failed ? some_failed : all_computed;
    } catch (const output_failed &failed) {
        return cannot_write(streams, failed);
    } catch (const std::exception &e) {
        // Anything else (memory running out): the rows written so far, and a word about it.
        try {
            flush();
        } catch (...) {
        }
        std::fprintf(streams.err, "c3f8calc-cli: stopped: %s\n", e.what());
        return usage;
    }
}

} // namespace c3f8::cli
