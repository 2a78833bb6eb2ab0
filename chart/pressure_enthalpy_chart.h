// The pressure-enthalpy chart of C3F8 with the loop's states, as vector drawing in the
// coordinates of an 838 x 686 picture.
#pragma once

#include <QSizeF>

class QPainter;

namespace PressureEnthalpyChart {

inline constexpr QSizeF designSize{838, 686};

// How the letters are drawn: as text in the chart's faces, or as filled outlines of those
// faces, which a picture then needs no faces for (an SVG file, say).
enum class Letters
{
    Text,
    Outlines
};

// Draws the whole chart stretched to fill target (in the painter's logical units).
void draw(QPainter &painter, const QSizeF &target = designSize, Letters letters = Letters::Text);

} // namespace PressureEnthalpyChart
