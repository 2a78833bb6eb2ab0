// The classic three-dimensional edges that classic frames, fields and buttons paint.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace ClassicBevel {

inline const QColor light{255, 255, 255};
inline const QColor midLight{212, 208, 200};
inline const QColor shadow{128, 128, 128};
inline const QColor darkShadow{64, 64, 64};

// A one-pixel edge around box: topLeft on its top and left side, bottomRight on the others.
// Filled as rectangles, which the raster engine draws far quicker than pen strokes.
void edge(QPainter &painter, const QRect &box, const QColor &topLeft, const QColor &bottomRight);

// Two edges, outer and inner: raised lit from the top left, sunken the other way round.
void raised(QPainter &painter, const QRect &box);
void sunken(QPainter &painter, const QRect &box);

} // namespace ClassicBevel
