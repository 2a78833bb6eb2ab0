#include "classic_bevel.h"

#include <QPainter>

namespace ClassicBevel {

void edge(QPainter &painter, const QRect &box, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(box.left(), box.top(), box.width(), 1, topLeft);
    painter.fillRect(box.left(), box.top(), 1, box.height(), topLeft);
    painter.fillRect(box.left() + 1, box.bottom(), box.width() - 1, 1, bottomRight);
    painter.fillRect(box.right(), box.top() + 1, 1, box.height() - 1, bottomRight);
}

void raised(QPainter &painter, const QRect &box)
{
    edge(painter, box, light, darkShadow);
    edge(painter, box.adjusted(1, 1, -1, -1), midLight, shadow);
}

void sunken(QPainter &painter, const QRect &box)
{
    edge(painter, box, shadow, light);
    edge(painter, box.adjusted(1, 1, -1, -1), darkShadow, midLight);
}

} // namespace ClassicBevel
