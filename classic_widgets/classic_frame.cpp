#include "classic_frame.h"

#include "classic_bevel.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int captionIndent = 8;
constexpr int captionPadding = 2;
} // namespace

ClassicFrame::ClassicFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClassicFrame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(event->rect(), colours.color(QPalette::Window));

    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -1, -1);
    // Etched: a shadow line with a light line just inside and below it.
    painter.setPen(ClassicBevel::shadow);
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(ClassicBevel::light);
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const QRect caption(captionIndent, 0, metrics.horizontalAdvance(title()) + 2 * captionPadding,
                        metrics.height());
    painter.fillRect(caption, colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}
