// What the command-line program costs beside the calculation itself, measured side by side in
// one run, each pair of measurements taken alternately so that the machine's load falls on both:
//
//   1. a million-point sweep written as CSV to /dev/null, against the calculation alone on the
//      same million points;
//   2. one point, from process start to exit, against a program that prints one line;
//   3. the largest resident size of a ten-million-point sweep, against that of one point;
//   4. one point's round trip through a running "c3f8calc-cli --input -", as a control
//      program at the other end of its pipes waits for each answer before the next row;
//   5. a million-row file piped in, against the same file through another build of the program
//      (an earlier commit's, say) where one is given.
//
//   cli_bench PATH/TO/c3f8calc-cli PATH/TO/one_line [ROUNDS [PATH/TO/OTHER/c3f8calc-cli]]
//
// A child started by a large process is charged that process's resident size until it starts
// its own program; sizes are therefore measured from a small process of their own,
// "cli_bench --max-rss PROGRAM ARGUMENT...", which prints its child's largest resident size.
#include "cli/program.h"
#include "core/calculation.h"
#include "worked_runs.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

extern char **environ;

namespace {

using clock_type = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Work> double seconds(Work work)
{
    const auto start = clock_type::now();
    work();
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

// The inputs of the worked run A as options, with load for its heat load.
std::vector<std::string> run_a_options(const std::string &load)
{
    std::vector<std::string> options;
    for (std::size_t i = 0; i < c3f8::input_count; ++i) {
        const c3f8::field f = c3f8::input(i);
        options.push_back("--" + std::string(c3f8::field_name(f)));
        options.emplace_back(f == c3f8::field::Qw ? load : std::string(worked_runs[0].typed[i]));
    }
    return options;
}

// The inputs' names as a CSV header, and run A as a row with load for its heat load.
std::string input_header()
{
    std::string header;
    for (std::size_t i = 0; i < c3f8::input_count; ++i)
        header.append(i ? "," : "").append(c3f8::field_name(c3f8::input(i)));
    return header + '\n';
}
std::string run_a_row(const std::string &load)
{
    std::string row;
    for (std::size_t i = 0; i < c3f8::input_count; ++i)
        row.append(i ? "," : "")
            .append(c3f8::input(i) == c3f8::field::Qw ? load
                                                      : std::string(worked_runs[0].typed[i]));
    return row + '\n';
}

// A heat load of the million-point sweep: i / 1000 W.
std::string load_of(int i)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d", i / 1000, i % 1000);
    return text;
}

// Run A with the heat load swept over a million values.
const std::vector<std::string> sweep_arguments = run_a_options("0:999.999:0.001");

double core_alone()
{
    // The same texts the sweep reads, made beforehand: only the runs are timed.
    std::vector<std::string> loads(1'000'000);
    for (std::size_t i = 0; i < loads.size(); ++i)
        loads[i] = load_of(static_cast<int>(i));
    c3f8::field_record run_a;
    for (std::size_t i = 0; i < c3f8::input_count; ++i)
        run_a.texts[i] = worked_runs[0].typed[i];
    std::size_t failed = 0;
    const double taken = seconds([&] {
        for (const std::string &load : loads) {
            c3f8::field_record record;
            record.texts = run_a.texts;
            record[c3f8::field::Qw] = load;
            failed += c3f8::calculate(record, ".").failure.has_value();
        }
    });
    if (failed)
        std::abort();
    return taken;
}

double sweep_to_null()
{
    std::vector<const char *> argv = {"c3f8calc-cli"};
    for (const std::string &a : sweep_arguments)
        argv.push_back(a.c_str());
    std::FILE *null = std::fopen("/dev/null", "wb");
    const double taken = seconds([&] {
        if (c3f8::cli::run_program(static_cast<int>(argv.size()), argv.data(), {null, stderr}) != 0)
            std::abort();
    });
    std::fclose(null);
    return taken;
}

struct child_run
{
    double seconds;
    long max_resident_kib;
};

// Starts a program with its output to /dev/null and waits for it.
child_run spawn(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &a : command)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    rusage usage{};
    int status = 0;
    const double taken = seconds([&] {
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            std::abort();
        wait4(pid, &status, 0, &usage);
    });
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    return {taken, usage.ru_maxrss};
}

// The largest resident size of a program run by a process of this size, in KiB.
long max_resident_kib(const std::string &self, const std::vector<std::string> &command)
{
    std::string line = "'" + self + "' --max-rss";
    for (const std::string &a : command)
        line += " '" + a + "'";
    std::FILE *pipe = popen(line.c_str(), "r");
    long kib = -1;
    if (!pipe || std::fscanf(pipe, "%ld", &kib) != 1 || pclose(pipe) != 0)
        std::abort();
    return kib;
}

// The median round trip of one row through a running "PROGRAM --input -", in seconds.
double round_trip(const std::string &program, int rows)
{
    int to_child[2], from_child[2];
    if (pipe(to_child) != 0 || pipe(from_child) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, to_child[0], 0);
    posix_spawn_file_actions_adddup2(&actions, from_child[1], 1);
    posix_spawn_file_actions_addclose(&actions, to_child[1]);
    posix_spawn_file_actions_addclose(&actions, from_child[0]);
    std::string input = "--input", dash = "-";
    char *argv[] = {const_cast<char *>(program.c_str()), input.data(), dash.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    close(to_child[0]);
    close(from_child[1]);

    std::FILE *answers = fdopen(from_child[0], "r");
    char line[4096];
    const auto send = [&](const std::string &row) {
        if (write(to_child[1], row.data(), row.size()) != static_cast<ssize_t>(row.size()))
            std::abort();
    };
    send(input_header());
    if (!std::fgets(line, sizeof line, answers))
        std::abort();
    std::vector<double> taken;
    for (int i = 0; i < rows; ++i) {
        const std::string row = run_a_row(std::to_string(i));
        taken.push_back(seconds([&] {
            send(row);
            if (!std::fgets(line, sizeof line, answers))
                std::abort();
        }));
    }
    close(to_child[1]);
    std::fclose(answers);
    int status = 0;
    waitpid(pid, &status, 0);
    return median(taken);
}

// The inputs of the million-point sweep as a file of rows.
std::string million_rows_file()
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("c3f8calc_cli_bench_" + std::to_string(getpid()) + ".csv");
    std::ofstream file(path, std::ios::binary);
    file << input_header();
    for (int i = 0; i < 1'000'000; ++i)
        file << run_a_row(load_of(i));
    return path.string();
}

} // namespace

int main(int argc, char *argv[])
{
    // One million-point run of the core alone, for benchmarks of other front ends to compare
    // with: its seconds.
    if (argc == 2 && std::string_view(argv[1]) == "--core-alone") {
        std::printf("%.6f\n", core_alone());
        return 0;
    }
    if (argc > 2 && std::string_view(argv[1]) == "--max-rss") {
        std::printf("%ld\n", spawn({argv + 2, argv + argc}).max_resident_kib);
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s PATH/TO/c3f8calc-cli PATH/TO/one_line [ROUNDS "
                     "[PATH/TO/OTHER/c3f8calc-cli]]\n",
                     argv[0]);
        return 2;
    }
    const std::string program = argv[1], one_line = argv[2];
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 31;

    std::vector<double> core, sweep, point, line, other_point;
    std::vector<std::string> one_point = {program};
    for (const std::string &option :
         run_a_options(std::string(worked_runs[0].typed[c3f8::index(c3f8::field::Qw)])))
        one_point.push_back(option);
    // Another build's one point, alternating with this one's.
    std::vector<std::string> other_one_point = one_point;
    if (argc > 4)
        other_one_point[0] = argv[4];
    for (int round = 0; round < rounds; ++round) {
        core.push_back(core_alone());
        sweep.push_back(sweep_to_null());
        // The other build's point just before this one's in every other round.
        if (argc > 4 && round % 2 == 0)
            other_point.push_back(spawn(other_one_point).seconds);
        point.push_back(spawn(one_point).seconds);
        if (argc > 4 && round % 2 == 1)
            other_point.push_back(spawn(other_one_point).seconds);
        line.push_back(spawn({one_line}).seconds);
    }
    std::printf("million-point sweep to CSV: %.3f s; the calculation alone: %.3f s; ratio %.2f "
                "(medians of %d)\n",
                median(sweep), median(core), median(sweep) / median(core), rounds);
    std::printf("one point, start to exit: %.2f ms; a program printing one line: %.2f ms; ratio "
                "%.2f\n",
                median(point) * 1e3, median(line) * 1e3, median(point) / median(line));
    if (argc > 4)
        std::printf("one point, start to exit, the other build: %.2f ms; this build takes %.1f %% "
                    "of its time\n",
                    median(other_point) * 1e3, 100 * median(point) / median(other_point));

    std::vector<std::string> ten_million = {program};
    for (const std::string &option : run_a_options("0:9999.999:0.001"))
        ten_million.push_back(option);
    ten_million.insert(ten_million.end(), {"--max-points", "10000000"});
    const long one = max_resident_kib(argv[0], one_point);
    const long many = max_resident_kib(argv[0], ten_million);
    std::printf("largest resident size: one point %ld KiB; ten million points %ld KiB; "
                "difference %ld KiB\n",
                one, many, many - one);

    std::vector<double> trips;
    for (int round = 0; round < rounds; ++round)
        trips.push_back(round_trip(program, 1000));
    std::printf("one point's round trip through a running program: %.1f us (median of %d rounds "
                "of 1000 rows)\n",
                median(trips) * 1e6, rounds);

    const std::string rows = million_rows_file();
    std::vector<std::string> builds = {program};
    if (argc > 4)
        builds.emplace_back(argv[4]);
    std::vector<std::vector<double>> piped(builds.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t b = 0; b < builds.size(); ++b) {
            const std::size_t which = (b + static_cast<std::size_t>(round)) % builds.size();
            piped[which].push_back(
                spawn({"/bin/sh", "-c", "cat '" + rows + "' | '" + builds[which] + "' --input -"})
                    .seconds);
        }
    }
    std::filesystem::remove(rows);
    std::printf("a million-row file piped in: %.3f s", median(piped[0]));
    if (builds.size() > 1)
        std::printf("; the other build: %.3f s; throughput %.0f %% of the other's",
                    median(piped[1]), 100 * median(piped[1]) / median(piped[0]));
    std::printf("\n");
    return 0;
}
