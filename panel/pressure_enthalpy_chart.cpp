#include "pressure_enthalpy_chart.h"

#include <QPainter>

namespace PressureEnthalpyChart {

void draw(QPainter &painter, const QSizeF &target)
{
    painter.save();
    painter.scale(target.width() / designSize.width(), target.height() / designSize.height());
    painter.fillRect(QRectF(QPointF(0, 0), designSize), Qt::white);
    painter.restore();
}

} // namespace PressureEnthalpyChart
