// The faces of the classic look: "MS Sans Serif" where the system has it, otherwise Liberation
// Sans, a plain sans-serif face whose widths let classic captions fit their boxes.
//
// Sizes are given in points at 96 dots per inch and set in pixels, so that a fixed layout holds
// whatever the screen's dots per inch; Qt scales them on high-density screens.
#pragma once

#include <QFont>

namespace ClassicFonts {

QFont face(double points, bool bold, bool italic = false);

// "MS Sans Serif" where the system has it, otherwise "Liberation Sans".
QString family();

} // namespace ClassicFonts
