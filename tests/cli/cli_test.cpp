// The command-line program as a script uses it: the command line in, the text and the exit
// status out.
#include "cli/program.h"
#include "core/calculation.h"

#include "worked_runs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace c3f8;

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

cli_run run(const std::vector<std::string> &arguments)
{
    std::vector<const char *> argv = {"c3f8calc-cli"};
    for (const std::string &a : arguments)
        argv.push_back(a.c_str());
    std::FILE *out = std::tmpfile(), *err = std::tmpfile();
    const int status =
        cli::run_program(static_cast<int>(argv.size()), argv.data(), {out, err, false, false});
    return {status, contents(out), contents(err)};
}

// A file for --input in the temporary folder, written in binary so that its line ends stay as
// given.
std::string input_file(const std::string &text)
{
    static int made = 0;
    const auto path = std::filesystem::temp_directory_path() /
                      ("c3f8calc_cli_test_" + std::to_string(++made) + ".csv");
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

// Run A's options, with tevap taken from a one-column file of the given text instead.
std::vector<std::string> tevap_from_file(const std::string &csv)
{
    auto arguments = options_of(worked_runs[0]);
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    arguments.insert(arguments.end(), {"--input", input_file(csv)});
    return arguments;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

constexpr std::size_t warning_column = field_count, failure_column = field_count + 2;

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
            EXPECT_EQ(row[warning_column], worked.ostrzezenie ? "true" : "false");
            EXPECT_EQ(row[warning_column + 1], worked.m_warn ? "true" : "false");
            EXPECT_EQ(row[failure_column], "");
        }
    }
}

TEST(CommandLine, ASweepGivesTheRowsOfItsPointsRunOneByOne)
{
    // m named first varies slowest; Qw's range and list items follow in the order given.
    auto sweep = options_of(worked_runs[0]);
    sweep.erase(sweep.begin() + 8, sweep.end()); // Qw and m from here on
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
            single[9] = Qw;
            single[11] = m;
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
        arguments[2 * index(unreadable) + 1] = "";
        const cli_run r = run(arguments);
        EXPECT_EQ(r.status, 1);
        const auto row = cells(lines(r.out).at(1));
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(row[input_count + i].empty(), i >= written) << field_name(result(i));
        EXPECT_EQ(row[warning_column], written >= 10 ? "false" : "");
        EXPECT_EQ(row[warning_column + 1], "");
        EXPECT_EQ(row[failure_column], "conversion");
        EXPECT_EQ(row[failure_column + 1], field_name(unreadable));
    }
    auto half = options_of(worked_runs[0]);
    half[5] = half[7] = "0.5";
    const auto row = cells(lines(run(half).out).at(1));
    EXPECT_EQ(row[failure_column], "division_by_zero");
    EXPECT_EQ(row[failure_column + 1], "m_opt");
}

TEST(CommandLine, RefusesWhatItCannotWorkWith)
{
    const auto base = options_of(worked_runs[0]);
    const auto without = [&base](std::string_view option) {
        auto arguments = base;
        const auto at = std::find(arguments.begin(), arguments.end(), "--" + std::string(option));
        arguments.erase(at, at + 2);
        return arguments;
    };
    const auto with = [&base](const std::vector<std::string> &extra) {
        return joined(base, extra);
    };
    const auto from_file = [&without](const std::string &text) {
        return joined(without("tevap"), {"--input", input_file(text)});
    };
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {with({"--TEVAP", "1"}), "unknown option --TEVAP"},
        {with({"--tev", "1"}), "unknown option --tev"},
        {with({"stray"}), "'stray' belongs to no option"},
        {with({"--format", "xml"}), "xml not in"},
        {with({"--precision", "exact"}), "exact not in"},
        {with({"--max-points", "-1"}), "--max-points"},
        {without("m"), "no value for m"},
        {with({"--tsub", "1:2:0"}), "STEP of zero"},
        {with({"--tsub", "2:1:1"}), "points away from TO"},
        {with({"--tsub", "1:2"}), "three parts"},
        {with({"--tsub", "1:x:1"}), "no number: 'x'"},
        {with({"--tsub", "1,5:2:1"}), "no number: '1,5'"},
        {with({"--Qw", "0:1e9:1"}), "1000000002 points, more than 100000000"},
        {with({"--Qw", "0:1e9:1", "--m", "0:1e9:1", "--max-points", "1000"}), "more than 1000"},
        {with({"--input", "no-such-file.csv"}), "cannot open no-such-file.csv"},
        {from_file("tevap,foo\n1,2\n"), "line 1, column 2: 'foo' is no input"},
        {with({"--input", input_file("tevap\n1\n")}), "tevap is given both in the file and"},
        {from_file("tevap,tevap\n1,2\n"), "tevap is given twice in the file"},
        {from_file(""), "is empty"},
        {from_file("tevap\n\"1\n"), "line 2, column 1: a quoted cell is not closed"},
        {from_file("tevap\n1\"\n"), "line 2, column 1: a quote stands inside"},
        {from_file("tevap\n" + std::string((1 << 20) + 1, '1') + "\n"), "longer than a mebibyte"},
        {with({"--max-points", "1e9"}), "--max-points takes a whole number"},
    };
    for (const auto &[arguments, message] : refused) {
        const cli_run r = run(arguments);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_LE(lines(r.out).size(), 1u) << message; // a header at most
    }
}

TEST(CommandLine, StopsAtABadRowAfterWritingTheRowsBeforeIt)
{
    const cli_run r = run(tevap_from_file("tevap\n-25\n-20\n1,2\n-30\n"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(lines(r.out).size(), 1u + 2u);
    EXPECT_NE(r.err.find("line 4: 2 cell(s) where the header has 1"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("2 points were written"), std::string::npos) << r.err;
}

TEST(CommandLine, TakesTheArgumentAfterAnOptionAsItsValue)
{
    // Even where it looks like an option: the point then fails on that input, as in the window.
    auto arguments = options_of(worked_runs[0]);
    arguments[9] = "--tevap=5";
    const auto row = cells(lines(run(arguments).out).at(1));
    EXPECT_EQ(row[index(field::Qw)], "--tevap=5");
    EXPECT_EQ(row[failure_column + 1], "Qw");
    // A file of one column: a blank line is a point with that input empty.
    const cli_run r = run(tevap_from_file("tevap\n-25\n\n-20\n"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.out).size(), 1u + 3u);
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
    EXPECT_EQ(cells(rows[1], ';')[1], "-30");
    EXPECT_EQ(cells(rows[2], ';')[2], "0,2"); // the options vary within each row of the file
    EXPECT_EQ(cells(rows[3], ';')[0], "-20");
    EXPECT_EQ(cells(rows[1], ';')[input_count + 3], with_commas(worked_runs[1].shown[3]));

    // The output read back: its result, warning and failure columns are left aside.
    const cli_run again = run({"--input", input_file(first.out), "--decimal-comma"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, first.out);
}

TEST(CommandLine, LinesUpATableOfPointsInColumns)
{
    // Names, units and every value right-aligned on the same columns.
    const auto rows =
        lines(run(joined(options_of(worked_runs[0]), {"--Qw", "1000", "--format", "table"})).out);
    ASSERT_EQ(rows.size(), 4u);
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
    ASSERT_EQ(names.size(), field_count + 3); // and the two warnings and the failure
    for (std::size_t i = 0; i < field_count; ++i) {
        const std::string_view name = field_table[i].name;
        EXPECT_EQ(rows[0].substr(names[i] + 1 - name.size(), name.size()), name);
    }
    for (std::size_t end : ends(rows[1], true))
        EXPECT_TRUE(std::find(names.begin(), names.end(), end) != names.end()) << end;
    for (const std::string &row : {rows[2], rows[3]})
        EXPECT_EQ(ends(row), std::vector(names.begin(), names.end() - 1)) << row;
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
        arguments[9] = text;
        arguments.insert(arguments.end(), {"--format", "json"});
        const std::string object = lines(run(arguments).out).at(0);
        const std::string expected = R"("Qw":")" + escaped + R"(","m":)";
        EXPECT_NE(object.find(expected), std::string::npos) << object;
    }
}

TEST(CommandLine, WritesJsonLinesAndFullPrecision)
{
    auto arguments = options_of(worked_runs[2]);
    arguments[7] = "1:0:-1"; // x_wy 1, then 0
    arguments.insert(arguments.end(), {"--format", "json", "--x_we", "\"\\"});
    const cli_run r = run(arguments);
    const auto objects = lines(r.out);
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_TRUE(objects[0].starts_with(
        R"({"tevap":"-20","tsub":"-20","x_we":"0.2","x_wy":"1","Qw":"700","m":"8","pevap":2.033,)"
        R"("Hliq_sat":178.8,)"))
        << objects[0];
    EXPECT_NE(objects[0].find(R"("dHg":20.0,"Tlsub_max":-1,)"), std::string::npos);
    EXPECT_NE(objects[0].find(R"("Ostrzezenie":false,"m_warn":true,"failure":null})"),
              std::string::npos);
    EXPECT_EQ(
        objects[2].substr(objects[2].find("\"x_we\"")),
        R"("x_we":"\"\\","x_wy":"1",)"
        R"("Qw":"700","m":"8","pevap":2.033,"Hliq_sat":178.8,"Hvap_sat":278.6,"Hwe_cap":178.8,)"
        R"("Hx_we":null,"Hx_wy":null,"dHw":null,"dHg":null,"Tlsub_max":null,"x_we2":null,)"
        R"("m_opt":null,"Qg":null,"Ostrzezenie":null,"m_warn":null,)"
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
}
