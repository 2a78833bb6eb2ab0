#include "chart_view.h"

#include "pressure_enthalpy_chart.h"

#include <QPainter>

ChartView::ChartView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_cache.size() != pixels || !qFuzzyCompare(m_cache.devicePixelRatio(), ratio)) {
        m_cache = QPixmap(pixels);
        m_cache.setDevicePixelRatio(ratio);
        QPainter painter(&m_cache);
        PressureEnthalpyChart::draw(painter, QSizeF(size()));
    }
    QPainter(this).drawPixmap(0, 0, m_cache);
}
