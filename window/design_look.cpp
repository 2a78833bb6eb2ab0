#include "design_look.h"

#include "classic_widgets/classic_fonts.h"

#include <QtMath>

#include <algorithm>

namespace DesignLook {

using PanelDesign::Colour;
using PanelDesign::Kind;

QColor fixed(Colour colour)
{
    switch (colour) {
    case Colour::WindowBrown:
        return {128, 64, 64};
    case Colour::Teal:
        return {0, 192, 192};
    case Colour::Olive:
        return {128, 128, 0};
    case Colour::Brick:
        return {192, 64, 0};
    case Colour::White:
        return {255, 255, 255};
    case Colour::Navy:
        return {0, 0, 128};
    case Colour::Green:
        return {0, 128, 0};
    case Colour::Yellow:
        return {255, 255, 0};
    case Colour::BrightGreen:
        return {0, 255, 0};
    case Colour::Red:
        return {255, 0, 0};
    case Colour::Default:
    case Colour::Black:
    case Colour::HighlightText:
    case Colour::InactiveBorder:
        break;
    }
    return {0, 0, 0};
}

namespace {

QColor resolve(Colour colour, const QPalette &system)
{
    switch (colour) {
    case Colour::HighlightText:
        return system.color(QPalette::Active, QPalette::HighlightedText);
    case Colour::InactiveBorder:
        return system.color(QPalette::Active, QPalette::Window);
    default:
        return fixed(colour);
    }
}

} // namespace

QColor text(Colour colour, const QPalette &system)
{
    return colour == Colour::Default ? QColor(Qt::black) : resolve(colour, system);
}

QColor background(const PanelDesign::Control &control, Colour frameBackground,
                  const QPalette &system)
{
    if (control.background != Colour::Default)
        return resolve(control.background, system);
    switch (control.kind) {
    case Kind::Label:
    case Kind::Warning:
        if (frameBackground != Colour::Default)
            return resolve(frameBackground, system);
        break;
    case Kind::Button:
        return system.color(QPalette::Active, QPalette::Button);
    default:
        break;
    }
    return Qt::white;
}

QFont font(Kind kind, PanelDesign::Font role)
{
    using PanelDesign::Font;
    switch (role) {
    case Font::Regular8_25:
        return ClassicFonts::face(8.25, false);
    case Font::Bold9_75:
        return ClassicFonts::face(9.75, true);
    case Font::Regular9_75:
        return ClassicFonts::face(9.75, false);
    case Font::Delta:
    case Font::Standard:
        break;
    }
    switch (kind) {
    case Kind::Frame:
        return ClassicFonts::face(12, true, true);
    case Kind::Input:
    case Kind::Result:
    case Kind::Button:
        return ClassicFonts::face(9.75, true);
    case Kind::Combo:
        return ClassicFonts::face(8.25, false);
    case Kind::Label:
    case Kind::Warning:
    case Kind::Line:
    case Kind::Picture:
        break;
    }
    return ClassicFonts::face(8.25, true);
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : qPow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace DesignLook
