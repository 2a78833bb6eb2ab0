// The window's controls as design data: every control once, in twips (15 to a logical pixel),
// with its caption, font and colours, as the design gives them. Panel builds its widgets from
// this table. Fields, warnings, frames and buttons are named by their ids; their object names,
// captions and units come from the calculation's catalogue.
#pragma once

#include "core/catalogue.h"

#include <optional>
#include <span>
#include <string_view>

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

// The window itself and its three group frames, which hold every other control.
enum class Frame
{
    Window,
    Dane,
    Wyniki,
    Komentarz,
    Count // how many there are, the window's own area included
};
inline constexpr std::size_t frameCount = static_cast<std::size_t>(Frame::Count);

// What a button does when clicked.
enum class Action
{
    None,
    Exit,
    Calculate
};

// Fonts as the design names them; sizes in points at 96 dots per inch.
enum class Font
{
    Standard,    // the kind's standard font
    Regular8_25, // the window's default font ("plain")
    Bold9_75,
    Regular9_75,
    Delta, // the design's "D" in the Symbol face: a capital Greek delta in the label font
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

// A box in twips, relative to the frame that holds it.
struct Box
{
    int left, top, width, height;
};
// A line is given by its end points; its box runs from the first to the second.

struct Control
{
    Kind kind;
    // The object name of a label, line, picture, frame or button; fields and warnings take
    // theirs from the catalogue.
    std::string_view name;
    Frame parent = Frame::Window;
    std::string_view caption;
    Box box{};
    Font font = Font::Standard;
    Colour text = Colour::Default;
    Colour background = Colour::Default;
    Frame frame = Frame::Window;            // a frame: which one it is
    std::optional<c3f8::field> field{};     // an input, combo box or result: its field
    std::optional<c3f8::warning> warning{}; // a warning label: its warning
    Action action = Action::None;           // a button: what it does
    std::optional<c3f8::field> names{};  // a label: the field whose name it shows (or part of it)
    std::optional<c3f8::field> unitOf{}; // a label: the field whose unit it shows

    std::string_view objectName() const
    {
        if (field)
            return c3f8::field_name(*field);
        if (warning)
            return c3f8::row(*warning).name;
        return name;
    }
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidth = 14715;
inline constexpr int clientHeight = 10950;
inline constexpr std::string_view windowCaption =
    "Program do obliczania strumienia masy i mocy grzejnika wstepnego na wejsciu do ukladu "
    "pomiarowego dla czynnika C3F8";

// All 78 controls, each frame before what it holds.
std::span<const Control> controls();

constexpr int pixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

} // namespace PanelDesign
