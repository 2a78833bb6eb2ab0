#include "classic_line_edit.h"

#include "classic_bevel.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int borderWidth = 2;
// The room QLineEdit keeps between its text margins and the text itself.
constexpr int innerHorizontalMargin = 2;
constexpr int innerVerticalMargin = 1;
} // namespace

ClassicLineEdit::ClassicLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(borderWidth + 1, borderWidth, borderWidth + 1, borderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QLineEdit::textChanged, this, &ClassicLineEdit::updateToolTip);
}

void ClassicLineEdit::setNote(const QString &note)
{
    m_note = note;
    updateToolTip();
}

QRect ClassicLineEdit::textRect() const
{
    const QMargins margins = textMargins();
    return contentsRect().marginsRemoved(margins).adjusted(
        innerHorizontalMargin, innerVerticalMargin, -innerHorizontalMargin, -innerVerticalMargin);
}

bool ClassicLineEdit::isCut() const
{
    return fontMetrics().horizontalAdvance(displayText()) > textRect().width();
}

void ClassicLineEdit::updateToolTip()
{
    QString tip = isCut() ? displayText() : QString();
    if (!m_note.isEmpty())
        tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + m_note;
    setToolTip(tip);
}

void ClassicLineEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void ClassicLineEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateToolTip();
}

void ClassicLineEdit::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    ClassicBevel::sunken(painter, rect());
    if (hasFocus() || !isCut()) {
        painter.end();
        QLineEdit::paintEvent(event);
        return;
    }
    // The start of the text and an ellipsis, where QLineEdit would put the text's first line.
    const QRect area = textRect();
    const QFontMetrics metrics = fontMetrics();
    const int top = area.y() + (area.height() - metrics.height() + 1) / 2;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setClipRect(area);
    painter.drawText(area.x(), top + metrics.ascent(),
                     metrics.elidedText(displayText(), Qt::ElideRight, area.width()));
}
