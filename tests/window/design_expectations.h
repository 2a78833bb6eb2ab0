// The window as its design tables give it, written out here on their own: every control's place
// and size in twips, its font, text colour and background, and its caption. The window's tests
// compare what the program builds and draws with these.
#pragma once

#include <QColor>

namespace Design {

enum Parent
{
    Top,
    Dane,
    Wyniki,
    Komentarz
};

enum Kind
{
    Frame,
    Label,
    Field,
    Combo,
    Button,
    Line,
    Picture
};

// A colour the design gives as red, green, blue, or one of the desktop's.
struct Ground
{
    enum System
    {
        None,
        HighlightText,
        InactiveBorder
    };
    constexpr Ground(System s) : system(s) {}
    constexpr Ground(int r, int g, int b) : rgb{r, g, b} {}
    System system = None;
    int rgb[3] = {-1, -1, -1};
    bool given() const { return rgb[0] >= 0; }
    QColor colour() const { return QColor(rgb[0], rgb[1], rgb[2]); }
};

struct FontSpec
{
    int pixels = 0; // 8.25 pt is 11 px, 9.75 pt 13 px and 12 pt 16 px at 96 dots per inch
    bool bold = false, italic = false;
};

struct Control
{
    const char *name;
    Parent parent;
    Kind kind;
    int left, top, width, height; // a line: X1, Y1, X2, Y2
    FontSpec font;
    Ground text, ground;
    const char *caption;
};

// clang-format off
inline const Control controls[] = {
    // name, frame, kind, left, top, width, height, font, text colour, background, caption
    {"Dane",      Top, Frame,    120,  120, 5535, 5175, {16, true, true}, {0, 0, 0}, {0, 192, 192}, "Dane"},
    {"Wyniki",    Top, Frame,   5760,  120, 8895, 3495, {16, true, true}, {0, 0, 0}, {128, 128, 0}, "Wyniki"},
    {"Komentarz", Top, Frame,    120, 5400, 5535, 5535, {16, true, true}, {0, 255, 0}, {192, 64, 0}, "Komentarz"},
    {"Image1",    Top, Picture, 5760, 3720, 8895, 7215, {}, Ground::None, Ground::None, ""},
    {"Label8", Dane, Label, 120, 480, 135, 255, {11, false, false}, {0, 0, 0}, {0, 192, 192}, "1."},
    {"Label1", Dane, Label, 360, 480, 1575, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "T odparowania"},
    {"tevap", Dane, Field, 2640, 360, 495, 375, {13, true, false}, {0, 0, 0}, {255, 255, 255}, ""},
    {"Label2", Dane, Label, 3240, 480, 255, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "[C]"},
    {"Label9", Dane, Label, 120, 960, 135, 255, {11, false, false}, {0, 0, 0}, {0, 192, 192}, "2."},
    {"Label4", Dane, Label, 360, 960, 2175, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "T przechlodzenia cieczy"},
    {"tsub", Dane, Field, 2640, 840, 495, 375, {13, true, false}, {0, 0, 0}, {255, 255, 255}, ""},
    {"Label3", Dane, Label, 3240, 960, 255, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "[C]"},
    {"Label10", Dane, Label, 120, 1440, 135, 255, {11, false, false}, {0, 0, 0}, {0, 192, 192}, "3."},
    {"Label7", Dane, Label, 360, 1440, 4695, 495, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "Okreslenie warunkow na we/wy czynnika z ukladu pomiarowego:"},
    {"Label5", Dane, Label, 720, 1920, 615, 255, {13, true, false}, {0, 0, 0}, {0, 192, 192}, "x_we "},
    {"x_we", Dane, Combo, 1320, 1920, 735, 315, {11, false, false}, {0, 0, 0}, {255, 255, 255}, ""},
    {"Label6", Dane, Label, 3120, 1920, 615, 255, {13, true, false}, {0, 0, 0}, {0, 192, 192}, "x_wy "},
    {"x_wy", Dane, Combo, 3720, 1920, 735, 315, {11, false, false}, {0, 0, 0}, {255, 255, 255}, ""},
    {"Label13", Dane, Label, 120, 2400, 135, 255, {11, false, false}, {0, 0, 0}, {0, 192, 192}, "4."},
    {"Label12", Dane, Label, 360, 2400, 4095, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "Moc grzejna wydzielana na powierzchni modelu"},
    {"Label14", Dane, Label, 2280, 2760, 375, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "Qw"},
    {"Qw", Dane, Field, 2640, 2640, 495, 375, {13, true, false}, {0, 0, 0}, {255, 255, 255}, ""},
    {"Label11", Dane, Label, 3120, 2760, 375, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "[W]"},
    {"Label17", Dane, Label, 120, 3120, 135, 255, {11, false, false}, {0, 0, 0}, {0, 192, 192}, "5."},
    {"Label16", Dane, Label, 360, 3120, 4095, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "Aktualny strumien masy"},
    {"Label18", Dane, Label, 2400, 3480, 255, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "m"},
    {"m", Dane, Field, 2640, 3360, 615, 375, {13, true, false}, {0, 0, 0}, {255, 255, 255}, ""},
    {"Label15", Dane, Label, 3360, 3480, 495, 255, {11, true, false}, {0, 0, 0}, {0, 192, 192}, "[g/s]"},
    {"exit_b", Dane, Button, 1200, 4440, 1335, 495, {13, true, false}, {0, 0, 0}, {255, 0, 0}, "WYJSCIE"},
    {"obl_b", Dane, Button, 2880, 4440, 1335, 495, {13, true, false}, {0, 0, 0}, {0, 255, 0}, "OBLICZ"},
    {"m_warn", Dane, Label, 480, 3840, 4815, 255, {11, true, false}, {255, 255, 0}, {0, 192, 192}, "!!! m musi byc wieksze od m_opt (pkt.2 \"Komentarz) !!!"},
    {"Label20", Wyniki, Label, 360, 480, 1815, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "p_odparowania"},
    {"pevap", Wyniki, Field, 1920, 360, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label19", Wyniki, Label, 2760, 480, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[bar abs]"},
    {"Label21", Wyniki, Label, 960, 1200, 735, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "Hliq_sat"},
    {"Hliq_sat", Wyniki, Field, 1920, 1080, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label22", Wyniki, Label, 2760, 1200, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[kJ/kg]"},
    {"Label25", Wyniki, Label, 4440, 1200, 1815, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "Hwe_cap (od 2)"},
    {"Hwe_cap", Wyniki, Field, 6000, 1080, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label26", Wyniki, Label, 6840, 1200, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[kJ/kg]"},
    {"Label23", Wyniki, Label, 840, 1680, 855, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "Hvap_sat"},
    {"Hvap_sat", Wyniki, Field, 1920, 1560, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label24", Wyniki, Label, 2760, 1680, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[kJ/kg]"},
    {"Ostrzezenie", Wyniki, Label, 3840, 1560, 3855, 735, {13, false, false}, {255, 0, 0}, Ground::InactiveBorder, "!!! Hwe_cap jest wieksze od Hx_we, czyli zalozone x_we jest za male dla obecnej T przechlodzenia cieczy !!!!"},
    {"Label33", Wyniki, Label, 600, 2520, 1215, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "Hx_we (x_we)"},
    {"Hx_we", Wyniki, Field, 1920, 2400, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label34", Wyniki, Label, 2760, 2520, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[kJ/kg]"},
    {"Label31", Wyniki, Label, 5520, 2520, 135, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "\u0394"}, // "D" in Symbol
    {"Label27", Wyniki, Label, 5640, 2520, 255, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "Hg"},
    {"dHg", Wyniki, Field, 6000, 2400, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label28", Wyniki, Label, 6840, 2520, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[kJ/kg]"},
    {"Label35", Wyniki, Label, 600, 3000, 1215, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "Hx_wy (x_wy)"},
    {"Hx_wy", Wyniki, Field, 1920, 2880, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label36", Wyniki, Label, 2760, 3000, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[kJ/kg]"},
    {"Label32", Wyniki, Label, 5400, 3000, 135, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "\u0394"}, // "D" in Symbol
    {"Label29", Wyniki, Label, 5520, 3000, 375, 255, {11, true, false}, {255, 255, 0}, {128, 128, 0}, "Hw"},
    {"dHw", Wyniki, Field, 6000, 2880, 735, 375, {13, true, false}, {0, 0, 0}, {0, 0, 128}, ""},
    {"Label30", Wyniki, Label, 6840, 3000, 855, 255, {11, true, false}, Ground::HighlightText, {128, 128, 0}, "[kJ/kg]"},
    {"Label37", Komentarz, Label, 120, 480, 135, 255, {11, false, false}, Ground::HighlightText, {192, 64, 0}, "1."},
    {"Label53", Komentarz, Label, 360, 480, 4575, 255, {11, true, false}, {255, 255, 0}, {192, 64, 0}, "Obl. temp. przechlodzenia cieczy by uzyskac x_we"},
    {"Label52", Komentarz, Label, 1200, 960, 975, 255, {11, true, false}, {255, 255, 0}, {192, 64, 0}, "Tlsub_max"},
    {"Tlsub_max", Komentarz, Field, 2280, 840, 615, 375, {13, true, false}, {0, 0, 0}, {0, 128, 0}, ""},
    {"Label54", Komentarz, Label, 3000, 960, 2535, 255, {11, true, false}, Ground::HighlightText, {192, 64, 0}, "[C]; wowczas x_we' wynosi :"},
    {"Label50", Komentarz, Label, 1680, 1440, 495, 255, {11, true, false}, {255, 255, 0}, {192, 64, 0}, "x_we'"},
    {"x_we2", Komentarz, Field, 2280, 1320, 615, 375, {13, true, false}, {0, 0, 0}, {0, 128, 0}, ""},
    {"Line1", Komentarz, Line, 120, 1920, 5400, 1920, {11, true, false}, Ground::HighlightText, Ground::None, ""},
    {"Label39", Komentarz, Label, 120, 2160, 135, 255, {11, false, false}, Ground::HighlightText, {192, 64, 0}, "2."},
    {"Label38", Komentarz, Label, 360, 2160, 4935, 255, {11, true, false}, {255, 255, 0}, {192, 64, 0}, "Obl. strumien masy do uzyskania warunkow x_we, x_wy"},
    {"Label42", Komentarz, Label, 360, 2400, 4575, 255, {11, true, false}, {255, 255, 0}, {192, 64, 0}, "bez udzialu wstepnego grzejnika Qg"},
    {"Label48", Komentarz, Label, 840, 2880, 1335, 255, {11, true, false}, {255, 255, 0}, {192, 64, 0}, "m_opt (Qw,dx)"},
    {"m_opt", Komentarz, Field, 2280, 2760, 615, 375, {13, true, false}, {0, 0, 0}, {0, 128, 0}, ""},
    {"Label51", Komentarz, Label, 3000, 2880, 855, 255, {11, true, false}, Ground::HighlightText, {192, 64, 0}, "[g/s]"},
    {"Line2", Komentarz, Line, 120, 3240, 5400, 3240, {11, true, false}, Ground::HighlightText, Ground::None, ""},
    {"Label41", Komentarz, Label, 120, 3480, 135, 255, {11, false, false}, Ground::HighlightText, {192, 64, 0}, "3."},
    {"Label40", Komentarz, Label, 360, 3480, 4575, 615, {11, true, false}, {255, 255, 0}, {192, 64, 0}, "Obl. moc wydzielona na grzejniku wstepnym - Qg, przy zalozonym strumieniu masy \"m\" miedzy Hwe_cap i Hx_we"},
    {"Label49", Komentarz, Label, 1560, 4200, 615, 255, {11, true, false}, Ground::HighlightText, {192, 64, 0}, "Qg (m)"},
    {"Qg", Komentarz, Field, 2280, 4080, 855, 375, {13, true, false}, {0, 0, 0}, {0, 128, 0}, ""},
    {"Label47", Komentarz, Label, 3240, 4200, 855, 255, {11, true, false}, Ground::HighlightText, {192, 64, 0}, "[W]"},
};
// clang-format on

} // namespace Design
