#include "cli/command_line.h"

#include "cli/usage_error.h"
#include "project_info.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <string>

namespace c3f8::cli {

namespace {

constexpr std::string_view examples = R"(
Each input takes a value as it would be typed into the window, a range FROM:TO:STEP
(exact in decimal: 0:1:0.1 gives 0.0, 0.1, ... 1.0), or several of both by repeating
the option. Several swept inputs give every combination, the input named first varying slowest;
the rows of an --input file vary slowest of all.

Instead of tevap, the pressure measured at the stand may be given (--p_abs, or --p_gauge with
--barometer; in an --input file under --tevap-from): tevap is then its saturation temperature,
written as the shortest text that reads back to it.

Examples:
  c3f8calc-cli --tevap -25 --tsub 15 --x_we 0.1 --x_wy 0.9 --Qw 500 --m 10
  c3f8calc-cli --tevap -25 --tsub 15 --x_we 0.1 --x_wy 0.9 --Qw 0:500:100 --m 10
  c3f8calc-cli --input points.csv --m 8 --format json
  c3f8calc-cli --p_abs 1.67 --tsub 15 --x_we 0.1 --x_wy 0.9 --Qw 500 --m 10 --properties reference

Columns written: those of an --input file that are not the program's own, then
{columns}.

Exit status: 0 when every point was computed, 1 when some failed, 2 for a usage error,
3 when the output cannot be written.)";

bool among(const std::vector<std::string> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "10^8" for 100000000: the limit as a person reads it.
std::string power_of_ten_text(std::uint64_t n)
{
    int exponent = 0;
    for (; n >= 10 && n % 10 == 0; n /= 10)
        ++exponent;
    return n == 1 ? "10^" + std::to_string(exponent) : std::to_string(n);
}

// The program's own options beside the inputs (each of which takes any number of values). From
// this table come CLI11's definitions, the options that take a value, those that may be given
// only once, and the flags. In a description, {formats} stands for the list of formats and
// {max} for the default limit of points.
enum class own
{
    input,
    tevap_from,
    properties,
    format,
    precision,
    max_points,
    decimal_comma,
};
enum class option_takes
{
    one_value, // given at most once
    nothing,   // a flag
};
constexpr std::array<std::string_view, 2> precisions = {"shown", "full"};
constexpr std::array<std::string_view, 2> pressure_columns = {measured_table[0].name,
                                                              measured_table[1].name};
constexpr auto properties_choices = [] {
    std::array<std::string_view, properties_count> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = properties_table[i].name;
    return names;
}();
constexpr auto format_choices = [] {
    std::array<std::string_view, format_names.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = format_names[i].name;
    return names;
}();
struct own_option
{
    own id;
    std::string_view name;
    option_takes takes;
    std::string_view value_name;             // as --help shows the value; empty: CLI11's own
    std::span<const std::string_view> among; // the values allowed; empty: any
    std::string_view description;
};
// clang-format off
constexpr std::array<own_option, 7> own_options = {{
    {own::input, "--input", option_takes::one_value, "FILE", {},
     "a CSV file whose header names inputs, one point a row (- for standard input); its other "
     "columns are carried through"},
    {own::tevap_from, "--tevap-from", option_takes::one_value, "", pressure_columns,
     "tevap from the --input file's measured pressure: its column p_abs, or p_gauge with "
     "barometer"},
    {own::properties, "--properties", option_takes::one_value, "", properties_choices,
     "fits: the window's property fits (default); reference: C3F8's reference equation of "
     "state (Lemmon and Span 2006)"},
    {own::format, "--format", option_takes::one_value, "", format_choices,
     "{formats} (default: table on a terminal, csv otherwise)"},
    {own::precision, "--precision", option_takes::one_value, "", precisions,
     "shown: results as the window shows them; full: unrounded"},
    {own::max_points, "--max-points", option_takes::one_value, "N", {},
     "allow more points from the options than {max}"},
    {own::decimal_comma, "--decimal-comma", option_takes::nothing, "", {},
     "numbers with a decimal comma; CSV cells separated by ';'"},
}};
// clang-format on
constexpr bool own_options_in_order()
{
    for (std::size_t i = 0; i < own_options.size(); ++i)
        if (static_cast<std::size_t>(own_options[i].id) != i)
            return false;
    return true;
}
static_assert(own_options_in_order(), "the rows of own_options follow the enumeration own");

// CLI11's flags, which answer instead of working.
constexpr std::array<std::string_view, 3> answering_flags = {"-h", "--help", "--version"};

// "table, csv or json".
std::string listed(std::span<const std::string_view> names)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list.append(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ").append(names[i]);
    return list;
}

std::string description_of(const own_option &o)
{
    std::string text(o.description);
    if (const auto at = text.find("{formats}"); at != std::string::npos)
        text.replace(at, 9, listed(format_choices));
    if (const auto at = text.find("{max}"); at != std::string::npos)
        text.replace(at, 5, power_of_ten_text(default_max_points));
    return text;
}

struct option_names
{
    std::vector<std::string> takes_value, single_valued, flags;
};

option_names names_of_options()
{
    option_names names;
    for (std::size_t i = 0; i < value_count; ++i)
        names.takes_value.push_back("--" + std::string(value_name(i)));
    for (const own_option &o : own_options) {
        if (o.takes == option_takes::nothing) {
            names.flags.emplace_back(o.name);
        } else {
            names.takes_value.emplace_back(o.name);
            names.single_valued.emplace_back(o.name);
        }
    }
    names.flags.insert(names.flags.end(), answering_flags.begin(), answering_flags.end());
    return names;
}

// Options are named exactly: an argument that looks like an option and is no option, or an
// argument that belongs to no option, is refused by name, and so is an option of one value
// given twice.
void refuse_strays(const std::vector<std::string> &arguments, const option_names &options)
{
    const std::vector<std::string> &takes_value = options.takes_value;
    const std::vector<std::string> &flags = options.flags;
    std::vector<std::string> seen;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string &argument = arguments[k];
        if (among(takes_value, argument)) {
            if (among(options.single_valued, argument)) {
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

// Which measured pressure tevap comes from, if any: --p_abs or --p_gauge, or --tevap-from
// naming the file's column. Throws usage_error where the options give tevap twice or a
// measured pressure without what it needs.
std::optional<measured> pressure_source(const command &c, const std::string *tevap_from)
{
    const auto given = [&c](measured m) { return !c.values[value_index(m)].empty(); };
    const auto option = [](measured m) {
        return "--" + std::string(measured_table[index(m)].name);
    };
    std::optional<measured> source;
    if (tevap_from)
        source = *tevap_from == measured_table[0].name ? measured::p_abs : measured::p_gauge;
    for (measured m : {measured::p_abs, measured::p_gauge}) {
        if (!given(m))
            continue;
        if (source && *source != m)
            throw usage_error(
                option(m) + " and " +
                (tevap_from ? "--tevap-from " + *tevap_from : option(measured::p_abs)) +
                " both give the evaporation pressure; give one");
        source = m;
    }
    if (source && !c.values[value_index(field::tevap)].empty())
        throw usage_error(option(*source) + " and --tevap both give the evaporation "
                                            "temperature; give one");
    if (given(measured::p_gauge) && !given(measured::barometer) && !tevap_from)
        throw usage_error("--p_gauge needs --barometer, the air's absolute pressure in bar "
                          "(a standard atmosphere is 0.05 bar off at 450 m)");
    if (given(measured::barometer) && source != measured::p_gauge)
        throw usage_error("--barometer belongs with --p_gauge or --tevap-from p_gauge");
    return source;
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

    std::array<std::vector<std::string>, value_count> texts;
    std::array<CLI::Option *, value_count> input_options{};
    for (std::size_t i = 0; i < value_count; ++i) {
        const std::string name = "--" + std::string(value_name(i));
        std::string description;
        if (i < input_count) {
            const field_row &row = field_table[i];
            description = std::string(row.meaning) + ": " + std::string(row.caption);
            if (!row.unit.empty())
                description += " [" + std::string(row.unit) + "]";
        } else {
            description = measured_table[i - input_count].description;
        }
        input_options[i] = app.add_option(name, texts[i], description);
        input_options[i]
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
            ->allow_extra_args(false)
            ->type_name("VALUE|FROM:TO:STEP");
    }
    std::array<std::string, own_options.size()> values;
    values[static_cast<std::size_t>(own::precision)] = "shown";
    values[static_cast<std::size_t>(own::properties)] = properties_choices[0];
    values[static_cast<std::size_t>(own::max_points)] = std::to_string(default_max_points);
    bool decimal_comma = false;
    std::array<CLI::Option *, own_options.size()> options{};
    for (const own_option &o : own_options) {
        const auto i = static_cast<std::size_t>(o.id);
        const std::string name(o.name);
        if (o.takes == option_takes::nothing) {
            options[i] = app.add_flag(name, decimal_comma, description_of(o));
            continue;
        }
        options[i] = app.add_option(name, values[i], description_of(o));
        if (!o.value_name.empty())
            options[i]->type_name(std::string(o.value_name));
        if (!o.among.empty())
            options[i]->check(
                CLI::IsMember(std::vector<std::string>(o.among.begin(), o.among.end())));
    }
    const option_names option_list = names_of_options();

    const std::vector<std::string> arguments =
        split_values(argc, argv, option_list.takes_value, option_list.flags);
    refuse_strays(arguments, option_list);
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
    c.separator = decimal_comma ? decimal_separator(",") : decimal_separator(".");
    const auto value = [&values](own o) -> const std::string & {
        return values[static_cast<std::size_t>(o)];
    };
    const auto given = [&options](own o) {
        return options[static_cast<std::size_t>(o)]->count() > 0;
    };
    c.full_precision = value(own::precision) == "full";
    c.max_points = count_of(value(own::max_points), "--max-points");
    if (given(own::input))
        c.input_file = value(own::input);
    if (given(own::format))
        c.format =
            std::find_if(format_names.begin(), format_names.end(), [&](const format_name &f) {
                return f.name == value(own::format);
            })->format;
    c.from = *properties_named(value(own::properties));
    // The values as given: CLI11's conversion of a list could read some texts as lists.
    for (std::size_t i = 0; i < value_count; ++i) {
        for (const std::string &text : input_options[i]->results())
            c.values[i].add(text, c.separator);
    }
    // Nesting follows the first appearance of each value on the command line.
    for (const CLI::Option *option : app.parse_order()) {
        const auto named = std::find(input_options.begin(), input_options.end(), option);
        if (named == input_options.end())
            continue;
        const auto i = static_cast<std::size_t>(named - input_options.begin());
        if (std::find(c.nesting.begin(), c.nesting.end(), i) == c.nesting.end())
            c.nesting.push_back(i);
    }
    c.tevap_from = pressure_source(c, given(own::tevap_from) ? &value(own::tevap_from) : nullptr);
    return c;
}

} // namespace c3f8::cli
