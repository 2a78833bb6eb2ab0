#include "panel_design.h"

namespace PanelDesign {

namespace {

using c3f8::field;
using c3f8::warning;
using F = Font;
using C = Colour;

// The rows below read as the design's tables: name, caption, left, top, width, height, font,
// text colour, background.

constexpr Control frame(Frame id, std::string_view caption, Box box, Colour text, Colour ground)
{
    Control c{Kind::Frame, caption, Frame::Window, caption, box, F::Standard, text, ground};
    c.frame = id;
    return c;
}

constexpr Control label(std::string_view name, Frame parent, std::string_view caption, Box box,
                        Font font = F::Standard, Colour text = C::Default)
{
    return {Kind::Label, name, parent, caption, box, font, text};
}

// A label that shows the name of a field, or a piece of it.
constexpr Control naming(field f, Control c)
{
    c.names = f;
    return c;
}

// A label that shows the unit of a field.
constexpr Control unitOf(field f, Control c)
{
    c.unitOf = f;
    return c;
}

constexpr Control fieldControl(Kind kind, field f, Frame parent, Box box, Font font, Colour text,
                               Colour ground)
{
    Control c{kind, {}, parent, {}, box, font, text, ground};
    c.field = f;
    return c;
}

constexpr Control input(field f, Frame parent, Box box)
{
    return fieldControl(Kind::Input, f, parent, box, F::Standard, C::Default, C::White);
}

constexpr Control combo(field f, Frame parent, Box box)
{
    return fieldControl(Kind::Combo, f, parent, box, F::Regular8_25, C::Default, C::Default);
}

constexpr Control result(field f, Frame parent, Box box, Colour ground, Colour text = C::Default)
{
    return fieldControl(Kind::Result, f, parent, box, F::Standard, text, ground);
}

constexpr Control warningLabel(warning w, Frame parent, Box box, Font font, Colour text,
                               Colour ground = C::Default)
{
    Control c{Kind::Warning, {}, parent, c3f8::row(w).caption, box, font, text, ground};
    c.warning = w;
    return c;
}

constexpr Control button(Action action, std::string_view name, Frame parent,
                         std::string_view caption, Box box, Colour face)
{
    Control c{Kind::Button, name, parent, caption, box, F::Standard, C::Default, face};
    c.action = action;
    return c;
}

constexpr Control line(std::string_view name, Frame parent, int x1, int y1, int x2, int y2,
                       Colour colour)
{
    return {Kind::Line, name, parent, {}, {x1, y1, x2 - x1, y2 - y1}, F::Standard, colour};
}

constexpr Control picture(std::string_view name, Box box)
{
    return {Kind::Picture, name, Frame::Window, {}, box};
}

constexpr Frame Dane = Frame::Dane, Wyniki = Frame::Wyniki, Komentarz = Frame::Komentarz;

// clang-format off
constexpr Control table[] = {
    frame(Dane,      "Dane",      {  120,  120, 5535, 5175}, C::Default,     C::Teal),
    frame(Wyniki,    "Wyniki",    { 5760,  120, 8895, 3495}, C::Default,     C::Olive),
    frame(Komentarz, "Komentarz", {  120, 5400, 5535, 5535}, C::BrightGreen, C::Brick),
    picture("Image1",             { 5760, 3720, 8895, 7215}),

    // Dane: the inputs and the buttons
    label("Label8",  Dane, "1.",                       { 120,  480,  135, 255}, F::Regular8_25),
    naming(field::tevap,
    label("Label1",  Dane, "T odparowania",            { 360,  480, 1575, 255})),
    input(field::tevap, Dane,                          {2640,  360,  495, 375}),
    unitOf(field::tevap,
    label("Label2",  Dane, "[C]",                      {3240,  480,  255, 255})),
    label("Label9",  Dane, "2.",                       { 120,  960,  135, 255}, F::Regular8_25),
    naming(field::tsub,
    label("Label4",  Dane, "T przechlodzenia cieczy",  { 360,  960, 2175, 255})),
    input(field::tsub, Dane,                           {2640,  840,  495, 375}),
    unitOf(field::tsub,
    label("Label3",  Dane, "[C]",                      {3240,  960,  255, 255})),
    label("Label10", Dane, "3.",                       { 120, 1440,  135, 255}, F::Regular8_25),
    label("Label7",  Dane, "Okreslenie warunkow na we/wy czynnika z ukladu pomiarowego:",
                                                       { 360, 1440, 4695, 495}),
    naming(field::x_we,
    label("Label5",  Dane, "x_we ",                    { 720, 1920,  615, 255}, F::Bold9_75)),
    combo(field::x_we, Dane,                           {1320, 1920,  735, 315}),
    naming(field::x_wy,
    label("Label6",  Dane, "x_wy ",                    {3120, 1920,  615, 255}, F::Bold9_75)),
    combo(field::x_wy, Dane,                           {3720, 1920,  735, 315}),
    label("Label13", Dane, "4.",                       { 120, 2400,  135, 255}, F::Regular8_25),
    label("Label12", Dane, "Moc grzejna wydzielana na powierzchni modelu",
                                                       { 360, 2400, 4095, 255}),
    naming(field::Qw,
    label("Label14", Dane, "Qw",                       {2280, 2760,  375, 255})),
    input(field::Qw, Dane,                             {2640, 2640,  495, 375}),
    unitOf(field::Qw,
    label("Label11", Dane, "[W]",                      {3120, 2760,  375, 255})),
    label("Label17", Dane, "5.",                       { 120, 3120,  135, 255}, F::Regular8_25),
    label("Label16", Dane, "Aktualny strumien masy",   { 360, 3120, 4095, 255}),
    naming(field::m,
    label("Label18", Dane, "m",                        {2400, 3480,  255, 255})),
    input(field::m, Dane,                              {2640, 3360,  615, 375}),
    unitOf(field::m,
    label("Label15", Dane, "[g/s]",                    {3360, 3480,  495, 255})),
    button(Action::Exit,      "exit_b", Dane, "WYJSCIE", {1200, 4440, 1335, 495}, C::Red),
    button(Action::Calculate, "obl_b",  Dane, "OBLICZ",  {2880, 4440, 1335, 495}, C::BrightGreen),
    warningLabel(warning::m_warn, Dane,                { 480, 3840, 4815, 255}, F::Standard,
                 C::Yellow),

    // Wyniki: the main results
    naming(field::pevap,
    label("Label20", Wyniki, "p_odparowania",          { 360,  480, 1815, 255}, F::Standard, C::Yellow)),
    result(field::pevap, Wyniki,                       {1920,  360,  735, 375}, C::Navy, C::Black),
    unitOf(field::pevap,
    label("Label19", Wyniki, "[bar abs]",              {2760,  480,  855, 255}, F::Standard, C::HighlightText)),
    naming(field::Hliq_sat,
    label("Label21", Wyniki, "Hliq_sat",               { 960, 1200,  735, 255}, F::Standard, C::Yellow)),
    result(field::Hliq_sat, Wyniki,                    {1920, 1080,  735, 375}, C::Navy),
    unitOf(field::Hliq_sat,
    label("Label22", Wyniki, "[kJ/kg]",                {2760, 1200,  855, 255}, F::Standard, C::HighlightText)),
    naming(field::Hwe_cap,
    label("Label25", Wyniki, "Hwe_cap (od 2)",         {4440, 1200, 1815, 255}, F::Standard, C::Yellow)),
    result(field::Hwe_cap, Wyniki,                     {6000, 1080,  735, 375}, C::Navy),
    unitOf(field::Hwe_cap,
    label("Label26", Wyniki, "[kJ/kg]",                {6840, 1200,  855, 255}, F::Standard, C::HighlightText)),
    naming(field::Hvap_sat,
    label("Label23", Wyniki, "Hvap_sat",               { 840, 1680,  855, 255}, F::Standard, C::Yellow)),
    result(field::Hvap_sat, Wyniki,                    {1920, 1560,  735, 375}, C::Navy),
    unitOf(field::Hvap_sat,
    label("Label24", Wyniki, "[kJ/kg]",                {2760, 1680,  855, 255}, F::Standard, C::HighlightText)),
    warningLabel(warning::Ostrzezenie, Wyniki,         {3840, 1560, 3855, 735}, F::Regular9_75,
                 C::Red, C::InactiveBorder),
    naming(field::Hx_we,
    label("Label33", Wyniki, "Hx_we (x_we)",           { 600, 2520, 1215, 255}, F::Standard, C::Yellow)),
    result(field::Hx_we, Wyniki,                       {1920, 2400,  735, 375}, C::Navy),
    unitOf(field::Hx_we,
    label("Label34", Wyniki, "[kJ/kg]",                {2760, 2520,  855, 255}, F::Standard, C::HighlightText)),
    naming(field::dHg,
    label("Label31", Wyniki, "D",                      {5520, 2520,  135, 255}, F::Delta,    C::Yellow)),
    naming(field::dHg,
    label("Label27", Wyniki, "Hg",                     {5640, 2520,  255, 255}, F::Standard, C::Yellow)),
    result(field::dHg, Wyniki,                         {6000, 2400,  735, 375}, C::Navy),
    unitOf(field::dHg,
    label("Label28", Wyniki, "[kJ/kg]",                {6840, 2520,  855, 255}, F::Standard, C::HighlightText)),
    naming(field::Hx_wy,
    label("Label35", Wyniki, "Hx_wy (x_wy)",           { 600, 3000, 1215, 255}, F::Standard, C::Yellow)),
    result(field::Hx_wy, Wyniki,                       {1920, 2880,  735, 375}, C::Navy),
    unitOf(field::Hx_wy,
    label("Label36", Wyniki, "[kJ/kg]",                {2760, 3000,  855, 255}, F::Standard, C::HighlightText)),
    naming(field::dHw,
    label("Label32", Wyniki, "D",                      {5400, 3000,  135, 255}, F::Delta,    C::Yellow)),
    naming(field::dHw,
    label("Label29", Wyniki, "Hw",                     {5520, 3000,  375, 255}, F::Standard, C::Yellow)),
    result(field::dHw, Wyniki,                         {6000, 2880,  735, 375}, C::Navy),
    unitOf(field::dHw,
    label("Label30", Wyniki, "[kJ/kg]",                {6840, 3000,  855, 255}, F::Standard, C::HighlightText)),

    // Komentarz: derived figures under headings that say how they are obtained
    label("Label37", Komentarz, "1.",                  { 120,  480,  135, 255}, F::Regular8_25, C::HighlightText),
    label("Label53", Komentarz, "Obl. temp. przechlodzenia cieczy by uzyskac x_we",
                                                       { 360,  480, 4575, 255}, F::Standard, C::Yellow),
    naming(field::Tlsub_max,
    label("Label52", Komentarz, "Tlsub_max",           {1200,  960,  975, 255}, F::Standard, C::Yellow)),
    result(field::Tlsub_max, Komentarz,                {2280,  840,  615, 375}, C::Green),
    unitOf(field::Tlsub_max,
    label("Label54", Komentarz, "[C]; wowczas x_we' wynosi :",
                                                       {3000,  960, 2535, 255}, F::Standard, C::HighlightText)),
    naming(field::x_we2,
    label("Label50", Komentarz, "x_we'",               {1680, 1440,  495, 255}, F::Standard, C::Yellow)),
    result(field::x_we2, Komentarz,                    {2280, 1320,  615, 375}, C::Green),
    line("Line1", Komentarz, 120, 1920, 5400, 1920, C::HighlightText),
    label("Label39", Komentarz, "2.",                  { 120, 2160,  135, 255}, F::Regular8_25, C::HighlightText),
    label("Label38", Komentarz, "Obl. strumien masy do uzyskania warunkow x_we, x_wy",
                                                       { 360, 2160, 4935, 255}, F::Standard, C::Yellow),
    label("Label42", Komentarz, "bez udzialu wstepnego grzejnika Qg",
                                                       { 360, 2400, 4575, 255}, F::Standard, C::Yellow),
    naming(field::m_opt,
    label("Label48", Komentarz, "m_opt (Qw,dx)",       { 840, 2880, 1335, 255}, F::Standard, C::Yellow)),
    result(field::m_opt, Komentarz,                    {2280, 2760,  615, 375}, C::Green),
    unitOf(field::m_opt,
    label("Label51", Komentarz, "[g/s]",               {3000, 2880,  855, 255}, F::Standard, C::HighlightText)),
    line("Line2", Komentarz, 120, 3240, 5400, 3240, C::HighlightText),
    label("Label41", Komentarz, "3.",                  { 120, 3480,  135, 255}, F::Regular8_25, C::HighlightText),
    label("Label40", Komentarz,
          "Obl. moc wydzielona na grzejniku wstepnym - Qg, przy zalozonym strumieniu masy \"m\" "
          "miedzy Hwe_cap i Hx_we",                    { 360, 3480, 4575, 615}, F::Standard, C::Yellow),
    naming(field::Qg,
    label("Label49", Komentarz, "Qg (m)",              {1560, 4200,  615, 255}, F::Standard, C::HighlightText)),
    result(field::Qg, Komentarz,                       {2280, 4080,  855, 375}, C::Green),
    unitOf(field::Qg,
    label("Label47", Komentarz, "[W]",                 {3240, 4200,  855, 255}, F::Standard, C::HighlightText)),
};
// clang-format on

// Every field and every warning of the catalogue has exactly one control to show it.
constexpr bool everyFieldAndWarningHasItsControl()
{
    std::array<int, c3f8::field_count> fields{};
    std::array<int, c3f8::warning_count> warnings{};
    for (const Control &c : table) {
        if (c.field)
            ++fields[c3f8::index(*c.field)];
        if (c.warning)
            ++warnings[c3f8::index(*c.warning)];
    }
    for (int n : fields)
        if (n != 1)
            return false;
    for (int n : warnings)
        if (n != 1)
            return false;
    return true;
}
static_assert(everyFieldAndWarningHasItsControl(),
              "every field and every warning of the catalogue needs its control in the table");

// A field that offers a list is a combo box, and a combo box offers its field's list.
constexpr bool combosOfferLists()
{
    for (const Control &c : table) {
        if (c.field && (c.kind == Kind::Combo) == c3f8::row(*c.field).offered.empty())
            return false;
    }
    return true;
}
static_assert(combosOfferLists(), "a field whose catalogue row offers a list needs a combo box, "
                                  "and only such a field");

} // namespace

std::span<const Control> controls()
{
    return table;
}

} // namespace PanelDesign
