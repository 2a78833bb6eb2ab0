#include "panel_field.h"

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
        const QRect box = rect();
        painter.fillRect(box, palette().color(QPalette::Base));
        // Sunken: shadow above and to the left, light below and to the right, two lines each.
        const QColor outerShadow(128, 128, 128), innerShadow(64, 64, 64);
        const QColor outerLight(255, 255, 255), innerLight(212, 208, 200);
        // One-pixel rectangles: far cheaper for the raster engine than pen strokes.
        const auto edge = [&painter](const QRect &r, const QColor &shadow, const QColor &light) {
            painter.fillRect(r.left(), r.top(), r.width(), 1, shadow);
            painter.fillRect(r.left(), r.top(), 1, r.height(), shadow);
            painter.fillRect(r.left() + 1, r.bottom(), r.width() - 1, 1, light);
            painter.fillRect(r.right(), r.top() + 1, 1, r.height() - 1, light);
        };
        edge(box, outerShadow, outerLight);
        edge(box.adjusted(1, 1, -1, -1), innerShadow, innerLight);
    }
    QLineEdit::paintEvent(event);
}
