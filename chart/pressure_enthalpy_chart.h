// The pressure-enthalpy chart of C3F8 with the loop's states, as vector drawing in the
// coordinates of an 838 x 686 picture.
#pragma once

#include <QSizeF>

class QPainter;

namespace PressureEnthalpyChart {

inline constexpr QSizeF designSize{838, 686};

// Draws the whole chart stretched to fill target (in the painter's logical units).
void draw(QPainter &painter, const QSizeF &target = designSize);

} // namespace PressureEnthalpyChart
