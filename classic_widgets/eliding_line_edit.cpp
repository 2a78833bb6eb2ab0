#include "eliding_line_edit.h"

#include <QEvent>
#include <QPainter>

namespace {
// The room QLineEdit keeps between its text margins and the text itself.
constexpr int innerHorizontalMargin = 2;
constexpr int innerVerticalMargin = 1;
} // namespace

ElidingLineEdit::ElidingLineEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &ElidingLineEdit::updateToolTip);
}

void ElidingLineEdit::setNote(const QString &note)
{
    m_note = note;
    updateToolTip();
}

QRect ElidingLineEdit::textRect() const
{
    return contentsRect()
        .marginsRemoved(textMargins())
        .adjusted(innerHorizontalMargin, innerVerticalMargin, -innerHorizontalMargin,
                  -innerVerticalMargin);
}

bool ElidingLineEdit::isCut() const
{
    return fontMetrics().horizontalAdvance(displayText()) > textRect().width();
}

void ElidingLineEdit::updateToolTip()
{
    QString tip = isCut() ? displayText() : QString();
    if (!m_note.isEmpty())
        tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + m_note;
    setToolTip(tip);
}

void ElidingLineEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void ElidingLineEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateToolTip();
}

void ElidingLineEdit::drawCut(QPainter &painter) const
{
    const QRect area = textRect();
    const QFontMetrics metrics = fontMetrics();
    const int top = area.y() + (area.height() - metrics.height() + 1) / 2;
    painter.save();
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setClipRect(area);
    painter.drawText(area.x(), top + metrics.ascent(),
                     metrics.elidedText(displayText(), Qt::ElideRight, area.width()));
    painter.restore();
}

void ElidingLineEdit::paintEvent(QPaintEvent *event)
{
    if (!showsCut()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    drawCut(painter);
}
