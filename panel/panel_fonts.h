// The panel's fonts: "MS Sans Serif" where the system has it, otherwise Liberation Sans, a plain
// sans-serif face whose widths let every caption fit its box. Sizes are in pixels so that the
// fixed layout holds whatever the screen's dots per inch; Qt scales them on high-density screens.
#pragma once

#include "panel_design.h"

#include <QFont>

namespace PanelFonts {

// 8.25 pt, 9.75 pt and 12 pt at 96 dots per inch.
inline constexpr int smallPixels = 11;
inline constexpr int mediumPixels = 13;
inline constexpr int largePixels = 16;

QFont font(PanelDesign::Kind kind, PanelDesign::Font font);

// "MS Sans Serif" where the system has it, otherwise "Liberation Sans".
QString family();

} // namespace PanelFonts
