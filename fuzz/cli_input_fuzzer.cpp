// Arbitrary bytes into the command-line program's readers: the range syntax FROM:TO:STEP, the
// CSV reader of its input files, and the whole program on such a file (its header's columns
// sorted into inputs, carried and left aside, and every point written in each format).
//
// The first byte picks the reader, the decimal separator and the format; the rest is the range
// or the file.
#include "cli/csv_reader.h"
#include "cli/program.h"
#include "cli/usage_error.h"
#include "cli/value_range.h"
#include "core/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void fuzz_range(std::string_view range_text, c3f8::decimal_separator separator)
{
    try {
        const c3f8::cli::value_range range(range_text, separator);
        require(range.count() >= 1);
        const std::string_view from = range_text.substr(0, range_text.find(':'));
        const std::string_view rest = range_text.substr(range_text.find(':') + 1);
        const std::string_view to = rest.substr(0, rest.find(':'));
        const std::string_view step = rest.substr(rest.find(':') + 1);
        const auto from_value = c3f8::text_to_number(from, separator);
        const auto to_value = c3f8::text_to_number(to, separator);
        const auto step_value = c3f8::text_to_number(step, separator);
        // Every value the range gives reads as a number; the first is FROM, and none passes TO
        // by more than the count's tolerance of a billionth of a STEP.
        for (std::uint64_t i : {std::uint64_t{0}, range.count() / 2, range.count() - 1}) {
            std::string text;
            range.append_value(i, text);
            const auto value = c3f8::text_to_number(text, separator);
            require(value.has_value());
            if (i == 0 && from_value)
                require(*value == *from_value);
            if (from_value && to_value && step_value && *from_value != *to_value) {
                const double beyond = (*value - *to_value) * (*to_value > *from_value ? 1 : -1);
                require(beyond <= 1e-9 * std::abs(*step_value) + 1e-12 * std::abs(*to_value));
            }
        }
    } catch (const c3f8::cli::usage_error &) {
    }
}

void fuzz_file(std::string_view bytes, char delimiter)
{
    std::FILE *file = std::tmpfile();
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    try {
        c3f8::cli::csv_reader reader(file, "fuzzed", delimiter);
        std::vector<std::string> cells;
        std::uint64_t line = 0;
        while (reader.next(cells)) {
            require(!cells.empty());
            require(reader.line() > line); // records start on later and later lines
            line = reader.line();
        }
    } catch (const c3f8::cli::usage_error &) {
    }
    std::fclose(file);
}

void fuzz_program(std::string_view bytes, bool comma, int format)
{
    static const std::string path =
        (std::filesystem::temp_directory_path() /
         ("c3f8calc_cli_input_fuzzer_" + std::to_string(getpid()) + ".csv"))
            .string();
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    const char *formats[] = {"csv", "json", "table", "table"};
    std::vector<const char *> argv = {"c3f8calc-cli",
                                      "--input",
                                      path.c_str(),
                                      "--format",
                                      formats[format],
                                      "--precision",
                                      format == 3 ? "full" : "shown"};
    if (comma)
        argv.push_back("--decimal-comma");
    // The inputs that the file's first line does not name, from the options.
    const std::string_view header = bytes.substr(0, bytes.find('\n'));
    static const std::vector<std::string> options = [] {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < c3f8::input_count; ++i)
            names.push_back("--" + std::string(c3f8::field_name(c3f8::input(i))));
        return names;
    }();
    for (const std::string &option : options) {
        const char *input = option.c_str();
        const std::string_view name = input + 2;
        bool named = false;
        for (std::size_t at = header.find(name); at != std::string_view::npos;
             at = header.find(name, at + 1)) {
            const std::size_t end = at + name.size();
            named |= (at == 0 || header[at - 1] == ',' || header[at - 1] == ';') &&
                     (end == header.size() ||
                      std::string_view(",;\r").find(header[end]) != std::string_view::npos);
        }
        if (!named)
            argv.insert(argv.end(), {input, "1"});
    }
    std::FILE *out = std::tmpfile(), *err = std::tmpfile();
    // Every point is computed, fails or stops a malformed file; writing never fails.
    const int status =
        c3f8::cli::run_program(static_cast<int>(argv.size()), argv.data(), {out, err});
    require(status >= 0 && status <= 2);
    std::fclose(out);
    std::fclose(err);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const bool comma = data[0] & 1;
    if (data[0] & 4)
        fuzz_program(rest, comma, (data[0] >> 3) & 3);
    else if (data[0] & 2)
        fuzz_file(rest, comma ? ';' : ',');
    else
        fuzz_range(rest, comma ? c3f8::decimal_separator(",") : c3f8::decimal_separator("."));
    return 0;
}
