#include "cli/command_line.h"

#include "cli/usage_error.h"
#include "project_info.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>

namespace c3f8::cli {

namespace {

constexpr std::string_view examples = R"(
Each input takes a value as it would be typed into the window, a range FROM:TO:STEP
(exact in decimal: 0:1:0.1 gives 0.0, 0.1, ... 1.0), or several of both by repeating
the option. Several swept inputs give every combination, the input named first varying slowest;
the rows of an --input file vary slowest of all.

Examples:
  c3f8calc-cli --tevap -25 --tsub 15 --x_we 0.1 --x_wy 0.9 --Qw 500 --m 10
  c3f8calc-cli --tevap -25 --tsub 15 --x_we 0.1 --x_wy 0.9 --Qw 0:500:100 --m 10
  c3f8calc-cli --input points.csv --m 8 --format json

Columns written: those of an --input file that are not the program's own, then
{columns}.

Exit status: 0 when every point was computed, 1 when some failed, 2 for a usage error,
3 when the output cannot be written.)";

bool among(const std::vector<std::string> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The options that take one value; the inputs take any number.
const std::vector<std::string> single_valued = {"--input", "--format", "--precision",
                                                "--max-points"};

// Options are named exactly: an argument that looks like an option and is no option, or an
// argument that belongs to no option, is refused by name, and so is an option of one value
// given twice.
void refuse_strays(const std::vector<std::string> &arguments,
                   const std::vector<std::string> &takes_value,
                   const std::vector<std::string> &flags)
{
    std::vector<std::string> seen;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string &argument = arguments[k];
        if (among(takes_value, argument)) {
            if (among(single_valued, argument)) {
                if (among(seen, argument))
                    throw usage_error(argument + " is given twice");
                seen.push_back(argument);
            }
            ++k;
        } else if (among(flags, argument)) {
            continue;
        } else if (argument.starts_with("-")) {
            throw usage_error("unknown option " + argument +
                              " (options are named exactly, in this case; see --help)");
        } else {
            throw usage_error("the argument '" + argument + "' belongs to no option");
        }
    }
}

// "--name=value" as two arguments, so that an empty value stays a value and the argument after
// it stays an argument of its own. The argument after an option is its value, split or not,
// unless it is itself one of the options: then the value was forgotten.
std::vector<std::string> split_values(int argc, const char *const argv[],
                                      const std::vector<std::string> &takes_value,
                                      const std::vector<std::string> &flags)
{
    const auto option_named = [&](std::string_view argument) {
        const std::string name(argument.substr(0, argument.find('=')));
        return among(takes_value, name) || (name.size() == argument.size() && among(flags, name));
    };
    std::vector<std::string> arguments;
    bool value_next = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (value_next && option_named(argument))
            throw usage_error(arguments.back() + " has no value");
        const auto equals = argument.find('=');
        const std::string name(argument.substr(0, equals));
        if (!value_next && argument.starts_with("--") && equals != std::string_view::npos &&
            among(takes_value, name)) {
            arguments.push_back(name);
            arguments.emplace_back(argument.substr(equals + 1));
            continue;
        }
        arguments.emplace_back(argument);
        value_next = !value_next && among(takes_value, arguments.back());
    }
    return arguments;
}

// A whole number in decimal digits only, as a limit is written.
std::uint64_t count_of(const std::string &text, std::string_view option)
{
    std::uint64_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc{} || end != text.data() + text.size())
        throw usage_error(std::string(option) + " takes a whole number of points, not '" + text +
                          "'");
    return n;
}

} // namespace

std::variant<command, answer> parse_command_line(int argc, const char *const argv[])
{
    CLI::App app{"Mass flow and pre-heater power of an evaporative C3F8 cooling loop, for a "
                 "series of operating points.",
                 "c3f8calc-cli"};
    std::string footer(examples), names;
    std::size_t line = 0;
    for (const column &c : columns) {
        const std::string name = std::string(c.name) + (&c == &columns.back() ? "" : ",");
        if (line + name.size() > 90) {
            names += '\n';
            line = 0;
        } else if (line > 0) {
            names += ' ';
            ++line;
        }
        names += name;
        line += name.size();
    }
    footer.replace(footer.find("{columns}"), 9, names);
    app.footer(footer);
    const std::string version = std::string("c3f8calc-cli ") + project_info::version;
    app.set_version_flag("--version", version);

    std::array<std::vector<std::string>, input_count> texts;
    std::array<CLI::Option *, input_count> input_options{};
    std::vector<std::string> takes_value;
    for (std::size_t i = 0; i < input_count; ++i) {
        const field_row &row = field_table[i];
        const std::string name = "--" + std::string(row.name);
        std::string description = std::string(row.meaning) + ": " + std::string(row.caption);
        if (!row.unit.empty())
            description += " [" + std::string(row.unit) + "]";
        input_options[i] = app.add_option(name, texts[i], description);
        input_options[i]
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
            ->allow_extra_args(false)
            ->type_name("VALUE|FROM:TO:STEP");
        takes_value.push_back(name);
    }
    std::string input_file, format, precision = "shown", max_points = "100000000";
    bool decimal_comma = false;
    auto *file_option =
        app.add_option("--input", input_file,
                       "a CSV file whose header names inputs, one point a row (- for "
                       "standard input); its other columns are carried through")
            ->type_name("FILE");
    std::vector<std::string> formats;
    std::string format_list;
    for (const format_name &f : format_names) {
        formats.emplace_back(f.name);
        format_list += (format_list.empty()                  ? ""
                        : f.name == format_names.back().name ? " or "
                                                             : ", ") +
                       std::string(f.name);
    }
    auto *format_option = app.add_option("--format", format,
                                         format_list + " (default: table on a terminal, "
                                                       "csv otherwise)")
                              ->check(CLI::IsMember(formats));
    app.add_option("--precision", precision,
                   "shown: results as the window shows them; full: unrounded")
        ->check(CLI::IsMember({"shown", "full"}));
    app.add_option("--max-points", max_points, "allow more points from the options than 10^8")
        ->type_name("N");
    app.add_flag("--decimal-comma", decimal_comma,
                 "numbers with a decimal comma; CSV cells separated by ';'");
    takes_value.insert(takes_value.end(), single_valued.begin(), single_valued.end());
    const std::vector<std::string> flags = {"-h", "--help", "--version", "--decimal-comma"};

    const std::vector<std::string> arguments = split_values(argc, argv, takes_value, flags);
    refuse_strays(arguments, takes_value, flags);
    std::vector<const char *> pointers = {argv[0]};
    for (const std::string &argument : arguments)
        pointers.push_back(argument.c_str());
    try {
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::CallForHelp &) {
        return answer{app.help()};
    } catch (const CLI::CallForVersion &) {
        return answer{version + "\n"};
    } catch (const CLI::ParseError &e) {
        throw usage_error(e.what());
    }

    command c;
    c.separator = decimal_comma ? ',' : '.';
    c.full_precision = precision == "full";
    c.max_points = count_of(max_points, "--max-points");
    if (*file_option)
        c.input_file = input_file;
    if (*format_option)
        c.format =
            std::find_if(format_names.begin(), format_names.end(), [&](const format_name &f) {
                return f.name == format;
            })->format;
    // The values as given: CLI11's conversion of a list could read some texts as lists.
    for (std::size_t i = 0; i < input_count; ++i) {
        for (const std::string &text : input_options[i]->results())
            c.values[i].add(text, c.separator);
    }
    // Nesting follows the first appearance of each input on the command line.
    for (const CLI::Option *option : app.parse_order()) {
        const auto named = std::find(input_options.begin(), input_options.end(), option);
        if (named == input_options.end())
            continue;
        const field f = input(static_cast<std::size_t>(named - input_options.begin()));
        if (std::find(c.nesting.begin(), c.nesting.end(), f) == c.nesting.end())
            c.nesting.push_back(f);
    }
    return c;
}

} // namespace c3f8::cli
