// The command-line program as a script uses it: the command line in, the text and the exit
// status out.
#include "cli/program.h"
#include "core/calculation.h"

#include "worked_runs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <vector>

using namespace c3f8;
using namespace std::string_literals;

namespace {

struct cli_run
{
    int status;
    std::string out, err;
};

std::string contents(std::FILE *file)
{
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

// A folder of this run's own in the system's temporary folder, removed at the end, so that
// two runs at once never share a file.
const std::filesystem::path &own_folder()
{
    struct folder
    {
        std::filesystem::path path;
        folder()
        {
            std::random_device random;
            do {
                path = std::filesystem::temp_directory_path() /
                       ("c3f8calc_cli_test_" + std::to_string(random()));
            } while (!std::filesystem::create_directory(path));
        }
        ~folder() { std::filesystem::remove_all(path); }
    };
    static const folder made;
    return made.path;
}

// A file of the test's own for the program's output, read with contents().
std::FILE *scratch_file()
{
    static int made = 0;
    return std::fopen((own_folder() / ("stream" + std::to_string(++made))).string().c_str(), "w+b");
}

cli_run run(const std::vector<std::string> &arguments)
{
    std::vector<const char *> argv = {"c3f8calc-cli"};
    for (const std::string &a : arguments)
        argv.push_back(a.c_str());
    std::FILE *out = scratch_file(), *err = scratch_file();
    const int status =
        cli::run_program(static_cast<int>(argv.size()), argv.data(), {out, err, false, false});
    return {status, contents(out), contents(err)};
}

// A file for --input, written in binary so that its line ends stay as given.
std::string input_file(const std::string &text)
{
    static int made = 0;
    const auto path = own_folder() / (std::to_string(++made) + ".csv");
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::vector<std::string> cells(const std::string &line, char delimiter = ',')
{
    std::vector<std::string> result(1);
    for (char c : line) {
        if (c == delimiter)
            result.emplace_back();
        else
            result.back() += c;
    }
    return result;
}

// The options of the six inputs of a worked run.
std::vector<std::string> options_of(const worked_run &run, bool commas = false)
{
    std::vector<std::string> arguments;
    for (std::size_t i = 0; i < input_count; ++i) {
        arguments.push_back("--" + std::string(field_table[i].name));
        arguments.push_back(commas ? with_commas(run.typed[i]) : std::string(run.typed[i]));
    }
    return arguments;
}

// The value of the first --name in arguments.
std::string &option(std::vector<std::string> &arguments, field f)
{
    const auto at =
        std::find(arguments.begin(), arguments.end(), "--" + std::string(field_name(f)));
    return *(at + 1);
}

// The place of a column in a row of output, after the columns carried through.
std::size_t place(std::string_view name, std::size_t carried = 0)
{
    return carried + *column_index(name);
}
std::size_t place(field f, std::size_t carried = 0)
{
    return place(field_name(f), carried);
}

// Run A's options, with tevap taken from a one-column file of the given text instead.
std::vector<std::string> tevap_from_file(const std::string &csv)
{
    auto arguments = options_of(worked_runs[0]);
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    arguments.insert(arguments.end(), {"--input", input_file(csv)});
    return arguments;
}

// arguments without the option of f and its value.
std::vector<std::string> without(std::vector<std::string> arguments, field f)
{
    const auto at = &option(arguments, f) - 1;
    arguments.erase(arguments.begin() + (at - arguments.data()),
                    arguments.begin() + (at - arguments.data()) + 2);
    return arguments;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(CommandLine, GivesTheWindowsTextsForTheWorkedRuns)
{
    for (const auto &worked : worked_runs) {
        for (bool commas : {false, true}) {
            SCOPED_TRACE(std::string(worked.name) + (commas ? " with commas" : ""));
            auto arguments = options_of(worked, commas);
            if (commas)
                arguments.push_back("--decimal-comma");
            const cli_run r = run(arguments);
            ASSERT_EQ(r.status, 0) << r.err;
            const auto rows = lines(r.out);
            ASSERT_EQ(rows.size(), 2u);
            const auto row = cells(rows[1], commas ? ';' : ',');
            for (std::size_t i = 0; i < result_count; ++i)
                EXPECT_EQ(row[input_count + i],
                          commas ? with_commas(worked.shown[i]) : std::string(worked.shown[i]));
            for (const warning_row &w : warning_table)
                EXPECT_EQ(row[place(w.name)], worked.warnings[index(w.id)] ? "true" : "false");
            EXPECT_EQ(row[place("failure")], "");
        }
    }
}

TEST(CommandLine, ASweepGivesTheRowsOfItsPointsRunOneByOne)
{
    // m named first varies slowest; Qw's range and list items follow in the order given.
    auto sweep = without(without(options_of(worked_runs[0]), field::Qw), field::m);
    for (const char *argument : {"--m", "10", "--Qw", "0:500:250", "--m", "5", "--Qw", "abc"})
        sweep.emplace_back(argument);
    const cli_run swept = run(sweep);
    EXPECT_EQ(swept.status, 1); // the points with Qw "abc" fail
    const auto rows = lines(swept.out);
    ASSERT_EQ(rows.size(), 1u + 8u);

    std::size_t row = 1;
    for (const char *m : {"10", "5"}) {
        for (const char *Qw : {"0", "250", "500", "abc"}) {
            auto single = options_of(worked_runs[0]);
            option(single, field::Qw) = Qw;
            option(single, field::m) = m;
            EXPECT_EQ(rows[row++], lines(run(single).out).at(1)) << "m " << m << ", Qw " << Qw;
        }
    }
}

TEST(CommandLine, ReportsEachFailureAsTheWindowStopsAtIt)
{
    // The failure table of the calculation: the unreadable input, the results written before.
    const std::pair<field, std::size_t> stops[] = {{field::tevap, 0}, {field::tsub, 3},
                                                   {field::x_we, 4},  {field::x_wy, 4},
                                                   {field::Qw, 10},   {field::m, 11}};
    for (const auto &[unreadable, written] : stops) {
        auto arguments = options_of(worked_runs[1]);
        option(arguments, unreadable) = "";
        const cli_run r = run(arguments);
        EXPECT_EQ(r.status, 1);
        const auto row = cells(lines(r.out).at(1));
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(row[input_count + i].empty(), i >= written) << field_name(result(i));
        EXPECT_EQ(row[place("Ostrzezenie")], written >= 10 ? "false" : "");
        EXPECT_EQ(row[place("m_warn")], "");
        EXPECT_EQ(row[place("failure")], "conversion");
        EXPECT_EQ(row[place("failure_field")], field_name(unreadable));
    }
    auto half = options_of(worked_runs[0]);
    option(half, field::x_we) = option(half, field::x_wy) = "0.5";
    const auto row = cells(lines(run(half).out).at(1));
    EXPECT_EQ(row[place("failure")], "division_by_zero");
    EXPECT_EQ(row[place("failure_field")], "m_opt");
}

TEST(CommandLine, RefusesWhatItCannotWorkWith)
{
    const auto base = options_of(worked_runs[0]);
    const auto with = [&base](const std::vector<std::string> &extra) {
        return joined(base, extra);
    };
    const auto from_file = [&base](const std::string &text) {
        return joined(without(base, field::tevap), {"--input", input_file(text)});
    };
    // The mistakes in the options, which --help answers.
    using refusal = std::pair<std::vector<std::string>, std::string>;
    const refusal in_options[] = {
        {with({"--TEVAP", "1"}), "unknown option --TEVAP"},
        {with({"--tev", "1"}), "unknown option --tev"},
        {with({"stray"}), "'stray' belongs to no option"},
        {with({"--format", "xml"}), "xml not in"},
        {with({"--format", "csv", "--format=json"}), "--format is given twice"},
        {with({"--precision", "exact"}), "exact not in"},
        {with({"--max-points", "-1"}), "--max-points"},
        {with({"--max-points", "1e9"}), "--max-points takes a whole number"},
        {without(base, field::m), "no value for m"},
        {joined({"--tevap"}, without(base, field::tevap)), "--tevap has no value"},
        {with({"--m", "--decimal-comma"}), "--m has no value"},
        {with({"--tsub", "--format=json"}), "--tsub has no value"},
        {with({"--tsub", "1:2:0"}), "STEP of zero"},
        {with({"--tsub", "2:1:1"}), "points away from TO"},
        {with({"--tsub", "1:2"}), "three parts"},
        {with({"--tsub", "1:x:1"}), "no number: 'x'"},
        {with({"--tsub", "1,5:2:1"}), "no number: '1,5'"},
        {with({"--tsub", "1:\x01\x1b:1"}), "no number: '\\x01\\x1B'"},
        {with({"--Qw", "0:1e9:1"}), "1000000002 points, more than 100000000"},
        {with({"--Qw", "0:1e9:1", "--m", "0:1e9:1", "--max-points", "1000"}), "more than 1000"},
        {with({"--Qw", "0:1:1e-36"}), "too many points"},
        {with({"--input", ""}), "the file name is empty"},
    };
    // The input file's faults, which it does not.
    const refusal in_file[] = {
        {with({"--input", "no-such-file.csv"}), "cannot open no-such-file.csv"},
        {from_file(""), "is empty"},
        {from_file("Tevap\n1\n"), "column 1: 'Tevap' is not the input tevap"},
        {from_file("note, tevap\n1\n"), "column 2: ' tevap' is not the input tevap"},
        {from_file("tevap,,note\n1,,\n"), "line 1, column 2: the column has no name"},
        {from_file("note,tevap,note\n"), "column 3: 'note' also names column 1"},
        {from_file("tevap,tevap\n1,2\n"), "column 2: 'tevap' also names column 1"},
        {from_file("tevap;note\n"), "separated by ';': read it with --decimal-comma"},
        {joined(from_file("tevap,note\n"), {"--decimal-comma"}), "leave out --decimal-comma"},
        {with({"--input", input_file("tevap\n1\n")}), "tevap is given both in the file and"},
        {from_file("\xFF\xFEt\0e\0"s), "the file is UTF-16; save it as UTF-8"},
        {from_file("t\0e\0v\0"s), "the file is UTF-16; save it as UTF-8"},
        {from_file("tevap,note\n1,a\0b\n"s), "line 2, column 2: a NUL byte"},
        {from_file("tevap\n\"1\n"), "line 2, column 1: a quoted cell is not closed"},
        {from_file("tevap\n1\"\n"), "line 2, column 1: a quote stands inside"},
        {from_file("tevap\n\"1\"x\n"), "line 2, column 1: text follows the closing quote"},
        {from_file("tevap\n" + std::string((1 << 20) + 1, '1') + "\n"), "longer than a mebibyte"},
        {from_file("tevap\n" + std::string(4096, ',') + "\n"), "line 2, column 4097: a record"},
    };
    for (const auto &[cases, help] : {std::pair{std::span<const refusal>(in_options), true},
                                      {std::span<const refusal>(in_file), false}}) {
        for (const auto &[arguments, message] : cases) {
            const cli_run r = run(arguments);
            EXPECT_EQ(r.status, 2) << message;
            EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
            EXPECT_EQ(r.err.ends_with("Try 'c3f8calc-cli --help'.\n"), help) << r.err;
            EXPECT_LE(lines(r.out).size(), 1u) << message; // a header at most
        }
    }
    // No limit can be raised that far.
    EXPECT_EQ(run(with({"--Qw", "0:1:1e-36"})).err.find("--max-points"), std::string::npos);
}

TEST(CommandLine, StopsAtABadRowAfterWritingTheRowsBeforeIt)
{
    const cli_run r = run(tevap_from_file("tevap\n-25\n-20\n1,2\n-30\n"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lines(r.out).size(), 1u + 2u);
    EXPECT_NE(r.err.find("line 4: 2 cell(s) where the header has 1"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("2 points were written"), std::string::npos) << r.err;
    EXPECT_NE(run(tevap_from_file("tevap\n-25\n1,2\n")).err.find("1 point was written"),
              std::string::npos);
#ifndef _WIN32
    // Output that cannot be written is what the user must hear of, not the bad row after it.
    const auto arguments = tevap_from_file("tevap\n-25\n1,2\n");
    std::vector<const char *> argv = {"c3f8calc-cli"};
    for (const std::string &a : arguments)
        argv.push_back(a.c_str());
    std::FILE *full = std::fopen("/dev/full", "wb"), *err = scratch_file();
    EXPECT_EQ(cli::run_program(int(argv.size()), argv.data(), {full, err}), 3);
    std::fclose(full);
    EXPECT_EQ(contents(err), "c3f8calc-cli: cannot write the output: No space left on device\n");
#endif
}

TEST(CommandLine, CarriesALogsOwnColumnsThroughAndReadsItsOutputBack)
{
    const std::string log = "time,tevap,note,Qg\n"
                            "2026-12-08T10:00,-25,\"cold, steady\",0\n"
                            "2026-12-08T10:05,-50,\"two\nlines\",0\n";
    const auto rest = without(options_of(worked_runs[0]), field::tevap);
    const cli_run first = run(joined({"--input", input_file(log)}, rest));
    ASSERT_EQ(first.status, 0) << first.err;
    const auto rows = lines(first.out);
    ASSERT_EQ(rows.size(), 1u + 3u); // the second point's note spans two lines
    EXPECT_TRUE(rows[0].starts_with("time,note,tevap,")) << rows[0];
    EXPECT_TRUE(rows[1].starts_with("2026-12-08T10:00,\"cold, steady\",-25,")) << rows[1];
    const auto second = cells(rows[3]);                   // from the note's second line on
    EXPECT_EQ(second[place(field::Qg, 2) - 1], "-150.2"); // not the column it read
    EXPECT_EQ(second[place("outside_fits", 2) - 1], "tevap");
    const cli_run again = run({"--input", input_file(first.out)});
    EXPECT_EQ(again.out, first.out);

    const auto table =
        lines(run(joined({"--input", input_file(log), "--format", "table"}, rest)).out);
    ASSERT_EQ(table.size(), 2u + 2u);
    const auto broken_input =
        run(joined({"--input", input_file("tevap\n\"-2\n5\"\n"), "--format", "table"}, rest));
    EXPECT_EQ(lines(broken_input.out).size(), 2u + 1u) << broken_input.out;
    EXPECT_TRUE(table[3].starts_with("2026-12-08T10:05   two\\nlines     -50 ")) << table[3];
    EXPECT_TRUE(table[3].ends_with("no        tevap")) << table[3];
    const auto json = run(joined({"--input", input_file(log), "--format", "json"}, rest)).out;
    EXPECT_TRUE(
        json.starts_with(R"({"time":"2026-12-08T10:00","note":"cold, steady","tevap":"-25",)"))
        << json;
    EXPECT_NE(json.find(R"("outside_fits":["tevap"],)"), std::string::npos) << json;
}

TEST(CommandLine, TakesTheArgumentAfterAnOptionAsItsValue)
{
    // Even where it looks like an option, given with "=": the point then fails on that input, as
    // in the window.
    const auto arguments =
        joined(without(options_of(worked_runs[0]), field::Qw), {"--Qw=--tevap=5"});
    const auto row = cells(lines(run(arguments).out).at(1));
    EXPECT_EQ(row[place(field::Qw)], "--tevap=5");
    EXPECT_EQ(row[place("failure_field")], "Qw");
}

TEST(CommandLine, SkipsLinesThatHoldNoValue)
{
    // Blank lines, lines of blanks and rows of empty cells are no points, even in a file of one
    // column; a quoted empty cell is a value, and fails as an empty field does.
    const cli_run one = run(tevap_from_file("tevap\n-25\n\n  \n\"\"\n-20\n\n"));
    EXPECT_EQ(one.status, 1);
    const auto rows = lines(one.out);
    ASSERT_EQ(rows.size(), 1u + 3u);
    EXPECT_EQ(cells(rows[2])[place("failure")], "conversion");
    const cli_run two =
        run(joined(without(without(options_of(worked_runs[0], true), field::tevap), field::tsub),
                   {"--input", input_file("tevap;tsub\n-25;15\n;\n \t\n;\n"), "--decimal-comma"}));
    EXPECT_EQ(two.status, 0) << two.err;
    EXPECT_EQ(lines(two.out).size(), 1u + 1u);
}

TEST(CommandLine, ReadsSpreadsheetFilesAndItsOwnOutput)
{
    // A spreadsheet's file in a comma locale: byte order mark, CRLF, ';' between quoted cells.
    const std::string spreadsheet = "\xEF\xBB\xBFtevap;\"tsub\"\r\n-25;\"-30\"\r\n\r\n-20;-20\r\n";
    const std::vector<std::string> rest = {"--x_we", "0,1:0,2:0,1", "--x_wy", "0,9",
                                           "--Qw",   "500",         "--m",    "5"};
    const cli_run first =
        run(joined({"--input", input_file(spreadsheet), "--decimal-comma"}, rest));
    ASSERT_EQ(first.status, 0) << first.err;
    const auto rows = lines(first.out);
    ASSERT_EQ(rows.size(), 1u + 4u);
    EXPECT_EQ(cells(rows[1], ';')[place(field::tsub)], "-30");
    EXPECT_EQ(cells(rows[2], ';')[place(field::x_we)], "0,2"); // the options vary within a row
    EXPECT_EQ(cells(rows[3], ';')[place(field::tevap)], "-20");
    EXPECT_EQ(cells(rows[1], ';')[place(field::Hwe_cap)],
              with_commas(worked_runs[1].shown[index(field::Hwe_cap) - input_count]));

    // The output read back: its result, warning and failure columns are left aside.
    const cli_run again = run({"--input", input_file(first.out), "--decimal-comma"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, first.out);
}

TEST(CommandLine, LinesUpATableOfPointsInColumns)
{
    // Names, units and every value right-aligned on the same columns, however long the
    // unrounded figures; a text wider than those of the first thousand rows widens its column
    // from its row on.
    const std::string wide = "not-a-number!";
    const auto rows = lines(
        run(joined(without(options_of(worked_runs[0]), field::Qw),
                   {"--Qw", "1:1000:1", "--Qw", wide, "--format", "table", "--precision", "full"}))
            .out);
    ASSERT_EQ(rows.size(), 2u + 1001u);
    const auto ends = [](const std::string &line, bool units = false) {
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != ' ' && (i + 1 == line.size() || line[i + 1] == ' ') &&
                (!units || line[i] == ']'))
                at.push_back(i);
        }
        return at;
    };
    const auto names = ends(rows[0]);
    ASSERT_EQ(names.size(), column_count - 1); // failure_field stands in failure
    for (std::size_t i = 0; i < field_count; ++i) {
        const std::string_view name = field_table[i].name;
        EXPECT_EQ(rows[0].substr(names[i] + 1 - name.size(), name.size()), name);
    }
    for (std::size_t end : ends(rows[1], true))
        EXPECT_TRUE(std::find(names.begin(), names.end(), end) != names.end()) << end;
    const std::size_t lined_up = field_count + warning_count; // outside_fits and failure empty
    for (std::size_t i = 2; i + 1 < rows.size(); ++i)
        ASSERT_EQ(ends(rows[i]), std::vector(names.begin(), names.begin() + lined_up)) << rows[i];
    const auto last = ends(rows.back());
    for (std::size_t i = 0; i < lined_up; ++i)
        EXPECT_EQ(last[i], names[i] + (i < index(field::Qw) ? 0 : wide.size() - 7)) << i;
}

TEST(CommandLine, WritesEveryTextAsValidJson)
{
    // Control characters escaped; well-formed UTF-8 kept; each byte of anything else, overlong
    // forms, surrogates and code points beyond U+10FFFF included, as U+FFFD.
    const std::string bad = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> texts[] = {
        {"\x01\x1f\t", R"(\u0001\u001f\u0009)"},
        {"\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        {"\xC3", bad},
        {"\xC3(", bad + "("},
        {"\x80", bad},
        {"\xC1\xBF", bad + bad},
        {"\xE0\x80\x80", bad + bad + bad},
        {"\xED\xA0\x80", bad + bad + bad},
        {"\xF0\x8F\xBF\xBF", bad + bad + bad + bad},
        {"\xF4\x90\x80\x80", bad + bad + bad + bad},
        {"\xF5\x80", bad + bad},
    };
    for (const auto &[text, escaped] : texts) {
        auto arguments = options_of(worked_runs[0]);
        option(arguments, field::Qw) = text;
        arguments.insert(arguments.end(), {"--format", "json"});
        const std::string object = lines(run(arguments).out).at(0);
        const std::string expected = R"("Qw":")" + escaped + R"(","m":)";
        EXPECT_NE(object.find(expected), std::string::npos) << object;
    }
}

TEST(CommandLine, WritesJsonLinesAndFullPrecision)
{
    auto arguments = options_of(worked_runs[2]);
    option(arguments, field::x_wy) = "1:0:-1"; // 1, then 0
    arguments.insert(arguments.end(), {"--format", "json", "--x_we", "\"\\"});
    const cli_run r = run(arguments);
    const auto objects = lines(r.out);
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_TRUE(objects[0].starts_with(
        R"({"tevap":"-20","tsub":"-20","x_we":"0.2","x_wy":"1","Qw":"700","m":"8","pevap":2.033,)"
        R"("Hliq_sat":178.8,)"))
        << objects[0];
    EXPECT_NE(objects[0].find(R"("dHg":20.0,"Tlsub_max":-1,)"), std::string::npos);
    EXPECT_NE(
        objects[0].find(R"("Ostrzezenie":false,"m_warn":true,"outside_fits":[],"failure":null})"),
        std::string::npos);
    EXPECT_EQ(
        objects[2].substr(objects[2].find("\"x_we\"")),
        R"("x_we":"\"\\","x_wy":"1",)"
        R"("Qw":"700","m":"8","pevap":2.033,"Hliq_sat":178.8,"Hvap_sat":278.6,"Hwe_cap":178.8,)"
        R"("Hx_we":null,"Hx_wy":null,"dHw":null,"dHg":null,"Tlsub_max":null,"x_we2":null,)"
        R"("m_opt":null,"Qg":null,"Ostrzezenie":null,"m_warn":null,"outside_fits":[],)"
        R"("failure":{"kind":"conversion","field":"x_we"}})");

    // Unrounded results read back to exactly what the calculation computed.
    const cli_run full = run(joined(options_of(worked_runs[0]), {"--precision", "full"}));
    const auto row = cells(lines(full.out).at(1));
    field_record record;
    for (std::size_t i = 0; i < input_count; ++i)
        record.texts[i] = worked_runs[0].typed[i];
    const run_outcome outcome = calculate(record, ".");
    for (std::size_t i = 0; i < result_count; ++i)
        EXPECT_EQ(std::stod(row[input_count + i]), *outcome.value(result(i)));
}

TEST(CommandLine, ShowsOnePointAsTheWindowLabelsIt)
{
    const cli_run r = run(joined(options_of(worked_runs[0]), {"--format", "table"}));
    EXPECT_EQ(r.status, 0);
    const auto shown = lines(r.out);
    ASSERT_EQ(shown.size(), result_count + 2);
    EXPECT_EQ(shown[0], "p_odparowania   1.671  bar abs");
    EXPECT_EQ(shown[7], "\u0394Hg             -32.5  kJ/kg");
    EXPECT_EQ(shown[9], "x_we'             0.1");
    EXPECT_EQ(shown[13], row(warning::Ostrzezenie).caption);

    auto hot = options_of(worked_runs[0]);
    option(hot, field::tevap) = "100";
    EXPECT_EQ(lines(run(joined(hot, {"--format", "table"})).out).at(result_count + 1),
              "outside the fits' trusted range (-45 to +30 C): tevap Tlsub_max");
    EXPECT_NE(run(joined(hot, {"--format", "json"})).out.find(R"(["tevap","Tlsub_max"])"),
              std::string::npos);
}

TEST(CommandLine, RunsOnTheReferenceEquationWithTheSameColumns)
{
    for (const worked_run &worked : worked_runs) {
        const cli_run done = run(joined(options_of(worked), {"--properties", "reference"}));
        ASSERT_EQ(done.status, 0) << done.err;
        const auto row = cells(lines(done.out)[1]);
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(row[place(result(i))], worked.reference_shown[i]);
        EXPECT_EQ(row[place("outside_fits")], "");
    }
    auto hot = options_of(worked_runs[0]);
    option(hot, field::tevap) = "80";
    const cli_run failed = run(joined(hot, {"--properties", "reference"}));
    EXPECT_EQ(failed.status, 1);
    const auto row = cells(lines(failed.out)[1]);
    EXPECT_EQ(row[place("failure")], "no_saturated_state");
    EXPECT_EQ(row[place("failure_field")], "pevap");
}

TEST(CommandLine, FindsTevapFromAMeasuredPressure)
{
    const auto base = without(options_of(worked_runs[0]), field::tevap);
    struct
    {
        std::vector<std::string> extra;
        std::vector<std::string> tevap, pevap, failure;
    } cases[] = {
        // The shortest texts of the solved temperatures, and pevap showing the pressure back.
        {{"--p_abs", "1.67325"}, {"-24.966100309643632"}, {"1.673"}, {""}},
        {{"--p_gauge", "0.66", "--barometer", "1.01325"}, {"-24.966100309643632"}, {"1.673"}, {""}},
        {{"--p_gauge", "0.66", "--barometer", "1.01325", "--properties", "reference"},
         {"-25.05657149516426"},
         {"1.673"},
         {""}},
        // A range, and pressures with no saturation temperature, naming tevap.
        {{"--p_abs", "0:27:13.5", "--properties", "reference"},
         {"", "42.35472881475241", ""},
         {"", "13.500", ""},
         {"no_saturated_state", "", "no_saturated_state"}},
        {{"--p_abs", "-1", "--p_abs", "x"},
         {"", ""},
         {"", ""},
         {"no_saturated_state", "conversion"}},
        {{"--p_gauge", "1", "--barometer", ""}, {""}, {""}, {"conversion"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.extra[1]);
        const cli_run done = run(joined(base, c.extra));
        const auto rows = lines(done.out);
        ASSERT_EQ(rows.size(), c.tevap.size() + 1) << done.err;
        for (std::size_t i = 0; i < c.tevap.size(); ++i) {
            const auto row = cells(rows[i + 1]);
            EXPECT_EQ(row[place(field::tevap)], c.tevap[i]);
            EXPECT_EQ(row[place(field::pevap)], c.pevap[i]);
            EXPECT_EQ(row[place("failure")], c.failure[i]);
            EXPECT_EQ(row[place("failure_field")], c.failure[i].empty() ? "" : "tevap");
        }
    }
    // A single point's table lines its captions up by the widest of all results, also where
    // the run stopped early.
    auto early = options_of(worked_runs[0]);
    option(early, field::tevap) = "1e60";
    EXPECT_EQ(lines(run(joined(early, {"--format", "table"})).out)[0].substr(0, 16),
              "p_odparowania   ");
    // A single point's table shows the temperature found above the results.
    const cli_run table = run(joined(base, {"--p_abs", "1.67325", "--format", "table"}));
    EXPECT_EQ(lines(table.out)[0], "T odparowania   -24.966100309643632  C");
    // From a log's columns, only under --tevap-from; the output reads back to the same point.
    const std::string log = "p_gauge,barometer\n0.66,1.01325\n";
    const cli_run carried = run(joined(options_of(worked_runs[0]), {"--input", input_file(log)}));
    EXPECT_EQ(cells(lines(carried.out)[1])[0], "0.66");
    const cli_run measured =
        run(joined(base, {"--input", input_file(log), "--tevap-from", "p_gauge"}));
    ASSERT_EQ(measured.status, 0) << measured.err;
    const cli_run again = run({"--input", input_file(measured.out)});
    EXPECT_EQ(again.out, measured.out);
}

TEST(CommandLine, RefusesTevapGivenTwiceOrAPressureWithoutItsParts)
{
    const auto base = without(options_of(worked_runs[0]), field::tevap);
    using refusal = std::pair<std::vector<std::string>, std::string>;
    const refusal refusals[] = {
        {joined(base, {"--p_abs", "1", "--tevap", "1"}), "--p_abs and --tevap both give"},
        {joined(base, {"--p_abs", "1", "--p_gauge", "1"}), "--p_gauge and --p_abs both give"},
        {joined(base, {"--p_gauge", "1"}), "--p_gauge needs --barometer"},
        {joined(base, {"--p_abs", "1", "--barometer", "1"}), "--barometer belongs with"},
        {joined(base, {"--tevap-from", "p_gauge", "--p_gauge", "1"}), "no value for barometer"},
        {joined(base, {"--tevap-from", "p_abs", "--p_gauge", "1"}), "both give"},
        {joined(base, {"--properties", "refprop", "--p_abs", "1"}), "refprop not in"},
        {joined(base, {"--tevap-from", "p_abs", "--input", input_file("tevap,p_abs\n1,2\n")}),
         "tevap is given both in the file and by the measured pressure"},
    };
    for (const auto &[arguments, message] : refusals) {
        const cli_run done = run(arguments);
        EXPECT_EQ(done.status, 2);
        EXPECT_NE(done.err.find(message), std::string::npos) << done.err;
    }
}
