#include "panel_field.h"

#include "panel_bevel.h"

#include <QPainter>

namespace {
constexpr int borderWidth = 2;
} // namespace

PanelField::PanelField(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(borderWidth + 1, borderWidth, borderWidth + 1, borderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelField::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        PanelBevel::sunken(painter, rect());
    }
    QLineEdit::paintEvent(event);
}
