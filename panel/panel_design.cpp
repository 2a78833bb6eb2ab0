#include "panel_design.h"

#include <array>

namespace PanelDesign {

namespace {

using enum Kind;
using F = Font;
using C = Colour;

// clang-format off
constexpr Control table[] = {
    // name          kind     parent       caption
    //               left   top    width  height  font         text              background
    {"Dane",        Frame,   nullptr,     "Dane",
                     120,   120,   5535,  5175,   F::Standard, C::Default,       C::Teal},
    {"Wyniki",      Frame,   nullptr,     "Wyniki",
                     5760,  120,   8895,  3495,   F::Standard, C::Default,       C::Olive},
    {"Komentarz",   Frame,   nullptr,     "Komentarz",
                     120,   5400,  5535,  5535,   F::Standard, C::BrightGreen,   C::Brick},
    {"Image1",      Picture, nullptr,     "",
                     5760,  3720,  8895,  7215},

    // Dane: the inputs and the buttons
    {"Label8",      Label,   "Dane",      "1.",                   120,  480,  135,  255, F::Plain},
    {"Label1",      Label,   "Dane",      "T odparowania",        360,  480, 1575,  255,
     F::Standard, C::Default, C::Default, "tevap"},
    {"tevap",       Input,   "Dane",      "",                    2640,  360,  495,  375,
     F::Standard, C::Default, C::White, nullptr, "C"},
    {"Label2",      Label,   "Dane",      "[C]",                 3240,  480,  255,  255},
    {"Label9",      Label,   "Dane",      "2.",                   120,  960,  135,  255, F::Plain},
    {"Label4",      Label,   "Dane",      "T przechlodzenia cieczy", 360, 960, 2175, 255,
     F::Standard, C::Default, C::Default, "tsub"},
    {"tsub",        Input,   "Dane",      "",                    2640,  840,  495,  375,
     F::Standard, C::Default, C::White, nullptr, "C"},
    {"Label3",      Label,   "Dane",      "[C]",                 3240,  960,  255,  255},
    {"Label10",     Label,   "Dane",      "3.",                   120, 1440,  135,  255, F::Plain},
    {"Label7",      Label,   "Dane",
     "Okreslenie warunkow na we/wy czynnika z ukladu pomiarowego:", 360, 1440, 4695, 495},
    {"Label5",      Label,   "Dane",      "x_we ",                720, 1920,  615,  255,
     F::Bold975, C::Default, C::Default, "x_we"},
    {"x_we",        Combo,   "Dane",      "",                    1320, 1920,  735,  315, F::Plain},
    {"Label6",      Label,   "Dane",      "x_wy ",               3120, 1920,  615,  255,
     F::Bold975, C::Default, C::Default, "x_wy"},
    {"x_wy",        Combo,   "Dane",      "",                    3720, 1920,  735,  315, F::Plain},
    {"Label13",     Label,   "Dane",      "4.",                   120, 2400,  135,  255, F::Plain},
    {"Label12",     Label,   "Dane",      "Moc grzejna wydzielana na powierzchni modelu",
                                                                  360, 2400, 4095,  255},
    {"Label14",     Label,   "Dane",      "Qw",                  2280, 2760,  375,  255,
     F::Standard, C::Default, C::Default, "Qw"},
    {"Qw",          Input,   "Dane",      "",                    2640, 2640,  495,  375,
     F::Standard, C::Default, C::White, nullptr, "W"},
    {"Label11",     Label,   "Dane",      "[W]",                 3120, 2760,  375,  255},
    {"Label17",     Label,   "Dane",      "5.",                   120, 3120,  135,  255, F::Plain},
    {"Label16",     Label,   "Dane",      "Aktualny strumien masy", 360, 3120, 4095, 255},
    {"Label18",     Label,   "Dane",      "m",                   2400, 3480,  255,  255,
     F::Standard, C::Default, C::Default, "m"},
    {"m",           Input,   "Dane",      "",                    2640, 3360,  615,  375,
     F::Standard, C::Default, C::White, nullptr, "g/s"},
    {"Label15",     Label,   "Dane",      "[g/s]",               3360, 3480,  495,  255},
    {"exit_b",      Button,  "Dane",      "WYJSCIE",             1200, 4440, 1335,  495,
     F::Standard, C::Default, C::Red},
    {"obl_b",       Button,  "Dane",      "OBLICZ",              2880, 4440, 1335,  495,
     F::Standard, C::Default, C::BrightGreen},
    {"m_warn",      Warning, "Dane",
     "!!! m musi byc wieksze od m_opt (pkt.2 \"Komentarz) !!!",  480, 3840, 4815,  255,
     F::Standard, C::Yellow},

    // Wyniki: the main results
    {"Label20",     Label,   "Wyniki",    "p_odparowania",        360,  480, 1815,  255,
     F::Standard, C::Yellow, C::Default, "pevap"},
    {"pevap",       Result,  "Wyniki",    "",                    1920,  360,  735,  375,
     F::Standard, C::Black, C::Navy, nullptr, "bar abs"},
    {"Label19",     Label,   "Wyniki",    "[bar abs]",           2760,  480,  855,  255,
     F::Standard, C::HighlightText},
    {"Label21",     Label,   "Wyniki",    "Hliq_sat",             960, 1200,  735,  255,
     F::Standard, C::Yellow, C::Default, "Hliq_sat"},
    {"Hliq_sat",    Result,  "Wyniki",    "",                    1920, 1080,  735,  375,
     F::Standard, C::Default, C::Navy, nullptr, "kJ/kg"},
    {"Label22",     Label,   "Wyniki",    "[kJ/kg]",             2760, 1200,  855,  255,
     F::Standard, C::HighlightText},
    {"Label25",     Label,   "Wyniki",    "Hwe_cap (od 2)",      4440, 1200, 1815,  255,
     F::Standard, C::Yellow, C::Default, "Hwe_cap"},
    {"Hwe_cap",     Result,  "Wyniki",    "",                    6000, 1080,  735,  375,
     F::Standard, C::Default, C::Navy, nullptr, "kJ/kg"},
    {"Label26",     Label,   "Wyniki",    "[kJ/kg]",             6840, 1200,  855,  255,
     F::Standard, C::HighlightText},
    {"Label23",     Label,   "Wyniki",    "Hvap_sat",             840, 1680,  855,  255,
     F::Standard, C::Yellow, C::Default, "Hvap_sat"},
    {"Hvap_sat",    Result,  "Wyniki",    "",                    1920, 1560,  735,  375,
     F::Standard, C::Default, C::Navy, nullptr, "kJ/kg"},
    {"Label24",     Label,   "Wyniki",    "[kJ/kg]",             2760, 1680,  855,  255,
     F::Standard, C::HighlightText},
    {"Ostrzezenie", Warning, "Wyniki",
     "!!! Hwe_cap jest mniejsze od Hx_we, czyli zalozone x_we jest za male dla obecnej T "
     "przechlodzenia cieczy !!!!",                               3840, 1560, 3855,  735,
     F::Regular975, C::Red, C::InactiveBorder},
    {"Label33",     Label,   "Wyniki",    "Hx_we (x_we)",         600, 2520, 1215,  255,
     F::Standard, C::Yellow, C::Default, "Hx_we"},
    {"Hx_we",       Result,  "Wyniki",    "",                    1920, 2400,  735,  375,
     F::Standard, C::Default, C::Navy, nullptr, "kJ/kg"},
    {"Label34",     Label,   "Wyniki",    "[kJ/kg]",             2760, 2520,  855,  255,
     F::Standard, C::HighlightText},
    {"Label31",     Label,   "Wyniki",    "D",                   5520, 2520,  135,  255,
     F::Symbol, C::Yellow, C::Default, "dHg"},
    {"Label27",     Label,   "Wyniki",    "Hg",                  5640, 2520,  255,  255,
     F::Standard, C::Yellow, C::Default, "dHg"},
    {"dHg",         Result,  "Wyniki",    "",                    6000, 2400,  735,  375,
     F::Standard, C::Default, C::Navy, nullptr, "kJ/kg"},
    {"Label28",     Label,   "Wyniki",    "[kJ/kg]",             6840, 2520,  855,  255,
     F::Standard, C::HighlightText},
    {"Label35",     Label,   "Wyniki",    "Hx_wy (x_wy)",         600, 3000, 1215,  255,
     F::Standard, C::Yellow, C::Default, "Hx_wy"},
    {"Hx_wy",       Result,  "Wyniki",    "",                    1920, 2880,  735,  375,
     F::Standard, C::Default, C::Navy, nullptr, "kJ/kg"},
    {"Label36",     Label,   "Wyniki",    "[kJ/kg]",             2760, 3000,  855,  255,
     F::Standard, C::HighlightText},
    {"Label32",     Label,   "Wyniki",    "D",                   5400, 3000,  135,  255,
     F::Symbol, C::Yellow, C::Default, "dHw"},
    {"Label29",     Label,   "Wyniki",    "Hw",                  5520, 3000,  375,  255,
     F::Standard, C::Yellow, C::Default, "dHw"},
    {"dHw",         Result,  "Wyniki",    "",                    6000, 2880,  735,  375,
     F::Standard, C::Default, C::Navy, nullptr, "kJ/kg"},
    {"Label30",     Label,   "Wyniki",    "[kJ/kg]",             6840, 3000,  855,  255,
     F::Standard, C::HighlightText},

    // Komentarz: derived figures under headings that say how they are obtained
    {"Label37",     Label,   "Komentarz", "1.",                   120,  480,  135,  255,
     F::Plain, C::HighlightText},
    {"Label53",     Label,   "Komentarz", "Obl. temp. przechlodzenia cieczy by uzyskac x_we",
                                                                  360,  480, 4575,  255,
     F::Standard, C::Yellow},
    {"Label52",     Label,   "Komentarz", "Tlsub_max",           1200,  960,  975,  255,
     F::Standard, C::Yellow, C::Default, "Tlsub_max"},
    {"Tlsub_max",   Result,  "Komentarz", "",                    2280,  840,  615,  375,
     F::Standard, C::Default, C::Green, nullptr, "C"},
    {"Label54",     Label,   "Komentarz", "[C]; wowczas x_we' wynosi :", 3000, 960, 2535, 255,
     F::Standard, C::HighlightText},
    {"Label50",     Label,   "Komentarz", "x_we'",               1680, 1440,  495,  255,
     F::Standard, C::Yellow, C::Default, "x_we2"},
    {"x_we2",       Result,  "Komentarz", "",                    2280, 1320,  615,  375,
     F::Standard, C::Default, C::Green},
    {"Line1",       Line,    "Komentarz", "",                     120, 1920, 5400, 1920,
     F::Standard, C::HighlightText},
    {"Label39",     Label,   "Komentarz", "2.",                   120, 2160,  135,  255,
     F::Plain, C::HighlightText},
    {"Label38",     Label,   "Komentarz", "Obl. strumien masy do uzyskania warunkow x_we, x_wy",
                                                                  360, 2160, 4935,  255,
     F::Standard, C::Yellow},
    {"Label42",     Label,   "Komentarz", "bez udzialu wstepnego grzejnika Qg",
                                                                  360, 2400, 4575,  255,
     F::Standard, C::Yellow},
    {"Label48",     Label,   "Komentarz", "m_opt (Qw,dx)",        840, 2880, 1335,  255,
     F::Standard, C::Yellow, C::Default, "m_opt"},
    {"m_opt",       Result,  "Komentarz", "",                    2280, 2760,  615,  375,
     F::Standard, C::Default, C::Green, nullptr, "g/s"},
    {"Label51",     Label,   "Komentarz", "[g/s]",               3000, 2880,  855,  255,
     F::Standard, C::HighlightText},
    {"Line2",       Line,    "Komentarz", "",                     120, 3240, 5400, 3240,
     F::Standard, C::HighlightText},
    {"Label41",     Label,   "Komentarz", "3.",                   120, 3480,  135,  255,
     F::Plain, C::HighlightText},
    {"Label40",     Label,   "Komentarz",
     "Obl. moc wydzielona na grzejniku wstepnym - Qg, przy zalozonym strumieniu masy \"m\" "
     "miedzy Hwe_cap i Hx_we",                                    360, 3480, 4575,  615,
     F::Standard, C::Yellow},
    {"Label49",     Label,   "Komentarz", "Qg (m)",              1560, 4200,  615,  255,
     F::Standard, C::HighlightText, C::Default, "Qg"},
    {"Qg",          Result,  "Komentarz", "",                    2280, 4080,  855,  375,
     F::Standard, C::Default, C::Green, nullptr, "W"},
    {"Label47",     Label,   "Komentarz", "[W]",                 3240, 4200,  855,  255,
     F::Standard, C::HighlightText},
};
// clang-format on

constexpr std::array<const char *, 8> focusOrder = {"tevap", "tsub", "x_we",   "x_wy",
                                                    "Qw",    "m",    "exit_b", "obl_b"};

} // namespace

std::span<const Control> controls()
{
    return table;
}

std::span<const char *const> tabOrder()
{
    return focusOrder;
}

} // namespace PanelDesign
