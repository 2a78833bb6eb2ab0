#include "classic_line_edit.h"

#include "classic_bevel.h"

#include <QPainter>

namespace {
constexpr int borderWidth = 2;
} // namespace

ClassicLineEdit::ClassicLineEdit(QWidget *parent) : ElidingLineEdit(parent)
{
    setFrame(false);
    setTextMargins(borderWidth + 1, borderWidth, borderWidth + 1, borderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClassicLineEdit::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    ClassicBevel::sunken(painter, rect());
    if (showsCut()) {
        drawCut(painter);
        return;
    }
    painter.end();
    QLineEdit::paintEvent(event);
}
