#include "classic_button.h"

#include "classic_bevel.h"

#include <QPainter>

namespace {
constexpr int focusInset = 4;
} // namespace

ClassicButton::ClassicButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClassicButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect box = rect();
    const QPalette &colours = palette();
    painter.fillRect(box, colours.color(QPalette::Button));

    const bool pressed = isDown();
    if (pressed) {
        // Pushed in: a dark outline with the shadow inside it, the caption a pixel lower right.
        ClassicBevel::edge(painter, box, Qt::black, Qt::black);
        ClassicBevel::edge(painter, box.adjusted(1, 1, -1, -1), ClassicBevel::shadow,
                           ClassicBevel::shadow);
    } else {
        ClassicBevel::raised(painter, box);
    }

    const QRect caption = pressed ? box.translated(1, 1) : box;
    painter.setPen(colours.color(QPalette::ButtonText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, text());

    if (hasFocus()) {
        QPen dots(colours.color(QPalette::ButtonText), 0);
        dots.setDashPattern({1, 1});
        painter.setPen(dots);
        painter.drawRect(
            caption.adjusted(focusInset, focusInset, -focusInset - 1, -focusInset - 1));
    }
}
