// The three worked runs of the calculator, as typed and as shown with a point as separator, with
// the fits and with the reference equation of state (these computed from the equation in
// 40-digit arithmetic by reference_runs.py, apart from the program).
#pragma once

#include "core/catalogue.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

struct worked_run
{
    const char *name;
    std::array<std::string_view, c3f8::input_count> typed;  // in the catalogue's order
    std::array<std::string_view, c3f8::result_count> shown; // in the catalogue's order
    std::array<bool, c3f8::warning_count> warnings;         // shown, in the catalogue's order
    std::array<std::string_view, c3f8::result_count> reference_shown; // the same run on the
    std::array<bool, c3f8::warning_count> reference_warnings;         // reference equation
};

// clang-format off
inline constexpr worked_run worked_runs[] = {
    //       tevap  tsub   x_we   x_wy   Qw     m
    {"A", {"-25", "15", "0.1", "0.9", "500", "10"},
     {"1.671", "173.6", "275.6", "216.3", "183.8", "265.4", "81.6", "-32.5", "-15", "0.1", "6.13",
      "-9.3"},
     {true, false},
     {"1.677", "174.1", "274.7", "216.5", "184.1", "264.7", "80.5", "-32.3", "-15", "0.1", "6.21",
      "-18.1"},
     {true, false}},
    {"B", {"-25", "-30", "0.1", "0.9", "500", "5"},
     {"1.671", "173.6", "275.6", "168.7", "183.8", "265.4", "81.6", "15.1", "-15", "0.1", "6.13",
      "-16.5"},
     {false, true},
     {"1.677", "174.1", "274.7", "169.1", "184.1", "264.7", "80.5", "15.1", "-15", "0.1", "6.21",
      "-22.0"},
     {false, true}},
    {"C", {"-20", "-20", "0.2", "1", "700", "8"},
     {"2.033", "178.8", "278.6", "178.8", "198.8", "278.6", "79.9", "20.0", "-1", "0.2", "8.76",
      "98.8"},
     {false, true},
     {"2.043", "179.1", "277.8", "179.1", "198.8", "277.8", "78.9", "19.7", "-1", "0.2", "8.87",
      "89.3"},
     {false, true}},
};
// clang-format on

// A run with a text missing would be padded with empty texts without a word.
constexpr bool worked_runs_are_complete()
{
    for (const worked_run &run : worked_runs) {
        for (std::string_view text : run.typed)
            if (text.empty())
                return false;
        for (std::string_view text : run.shown)
            if (text.empty())
                return false;
        for (std::string_view text : run.reference_shown)
            if (text.empty())
                return false;
    }
    return true;
}
static_assert(worked_runs_are_complete(), "every worked run needs all its inputs and results");

// A text as written where the locale's separator is a comma.
inline std::string with_commas(std::string_view text)
{
    std::string commas(text);
    std::replace(commas.begin(), commas.end(), '.', ',');
    return commas;
}
