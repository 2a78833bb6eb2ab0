// The panel's controls as design data: every control once, in twips (15 to a logical pixel),
// with its caption, font and colours. Panel builds its widgets from this table.
#pragma once

#include <span>

namespace PanelDesign {

enum class Kind
{
    Frame,
    Label,
    Warning,
    Input,
    Result,
    Combo,
    Button,
    Line,
    Picture
};

enum class Font
{
    Standard,   // the kind's standard font
    Plain,      // the window's default font: 8.25 pt regular
    Bold975,    // 9.75 pt bold
    Regular975, // 9.75 pt regular
    Symbol,     // a capital Greek delta in the label font
};

enum class Colour
{
    Default, // text: black; background: the frame's colour (labels) or the kind's own
    WindowBrown,
    Teal,
    Olive,
    Brick,
    White,
    Navy,
    Green,
    Yellow,
    BrightGreen,
    Red,
    Black,
    HighlightText,  // system colour: text of selected items
    InactiveBorder, // system colour: light grey
};

struct Control
{
    const char *name;
    Kind kind;
    const char *parent; // nullptr: a direct child of the window
    const char *caption;
    // Twips, relative to the parent; a line gives its end points X1, Y1, X2, Y2 instead.
    int left, top, width, height;
    Font font = Font::Standard;
    Colour text = Colour::Default;
    Colour background = Colour::Default;
    const char *names = nullptr; // a label: the field it names
    const char *unit = nullptr;  // a field: the unit of its value
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidth = 14715;
inline constexpr int clientHeight = 10950;
inline constexpr const char *windowCaption =
    "Program do obliczania strumienia masy i mocy grzejnika wstepnego na wejsciu do ukladu "
    "pomiarowego dla czynnika C3F8";

// All 78 controls, each after its parent.
std::span<const Control> controls();

// The eight focusable controls in their Tab order; Tab after the last returns to the first.
std::span<const char *const> tabOrder();

constexpr int pixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

} // namespace PanelDesign
