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
    // Painted straight into the window: only an exposure repaints it, never a run.
    QPainter painter(this);
    PressureEnthalpyChart::draw(painter, QSizeF(size()));
}
