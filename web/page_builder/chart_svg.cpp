#include "chart_svg.h"

#include "chart/pressure_enthalpy_chart.h"

#include <QBuffer>
#include <QPainter>
#include <QRect>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace {

// Qt's SVG made lean for the page: what the letters drawn as outlines and the defaults make
// redundant goes, and coordinates keep one decimal (a fourteenth of a pixel of the page).
QString leanSvg(QString svg)
{
    static const QRegularExpression redundant(QStringLiteral(
        R"re(<title>.*</title>\n|<desc>.*</desc>\n|\s*font-(family|size|weight|style)="[^"]*"|)re"
        R"re( vector-effect="none"| fill-opacity="1"|\n(?=\n))re"));
    svg.remove(redundant);
    // Every path inherits the rule from the outermost group.
    svg.remove(QRegularExpression(QStringLiteral(R"re((?<=<path) fill-rule="evenodd")re")));
    static const QRegularExpression geometry(QStringLiteral(R"re(( (?:d|points)=")([^"]*)")re"));
    static const QRegularExpression decimals(QStringLiteral(R"re((\.\d)\d+)re"));
    QString lean;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : geometry.globalMatch(svg)) {
        lean += QStringView(svg).sliced(done, m.capturedStart(2) - done);
        lean += m.captured(2).replace(decimals, QStringLiteral("\\1"));
        done = m.capturedEnd(2);
    }
    lean += QStringView(svg).sliced(done);
    return lean;
}

} // namespace

std::string chartSvg(const QSize &size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    {
        QPainter painter(&generator);
        PressureEnthalpyChart::draw(painter, QSizeF(size),
                                    PressureEnthalpyChart::Letters::Outlines);
    }
    QString svg = leanSvg(QString::fromUtf8(buffer.data()));
    // The element alone, without the XML prologue, filling the picture's box.
    svg = svg.sliced(svg.indexOf(QStringLiteral("<svg")));
    static const QRegularExpression size_(
        QStringLiteral(R"re(^<svg\s+width="[^"]*"\s+height="[^"]*")re"));
    svg.replace(size_,
                QStringLiteral(
                    R"re(<svg aria-hidden="true" focusable="false" width="100%" height="100%")re"));
    return svg.toStdString();
}
