#include "pressure_enthalpy_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <vector>

namespace PressureEnthalpyChart {

namespace {

// All coordinates are pixels of the 838 x 686 picture. A 1 px line named by two neighbouring
// rows (such as 194-195) runs on the boundary between them; a line of one row runs through
// its middle.

const QColor maroon(153, 48, 101);
const QColor lightGrey(210, 210, 210);
const QColor gridGrey(192, 192, 192);
const QColor isothermGrey(165, 165, 165);
const QColor isentropeGrey(137, 137, 137);
const QColor processGreen(0, 255, 0);
const QColor discGreen(0, 129, 0);

constexpr double axisX = 72;      // vertical axis, columns 71-72
constexpr double axisY = 577;     // horizontal axis, rows 576-577
constexpr double isobarY = 345.5; // evaporation isobar, rows 343-347

QFont sans(double pixels, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    return font;
}

QFont serif(double pixels)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(qRound(pixels));
    return font;
}

QPen pen(const QColor &colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen p(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
    return p;
}

// A dashed line from from to to, starting with a dash. Each dash is filled as a small
// polygon: much quicker than Qt's general dash stroker, and the same to the pixel.
void dashedLine(QPainter &painter, QPointF from, QPointF to, const QColor &colour, double width,
                double dash, double gap)
{
    const QLineF line(from, to);
    const double length = line.length();
    const QPointF along = (to - from) / length;
    const QPointF across = QPointF(-along.y(), along.x()) * (width / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (double start = 0; start < length; start += dash + gap) {
        const QPointF a = from + along * start;
        const QPointF b = from + along * std::min(start + dash, length);
        const QPointF corners[] = {a + across, b + across, b - across, a - across};
        painter.drawConvexPolygon(corners, 4);
    }
    painter.setBrush(Qt::NoBrush);
}

// Draws text so that its ink is centred in box, the extent the drawing gives for it. The
// letters are drawn upright at the picture's vertical scale rather than squeezed with it, so
// that they come from the glyph cache instead of being filled as outlines.
void placeText(QPainter &painter, const QRectF &box, const QString &text, QFont font,
               const QColor &colour = Qt::black)
{
    const QTransform toDevice = painter.worldTransform();
    const QRectF target = toDevice.mapRect(box);
    font.setPixelSize(qMax(1, qRound(font.pixelSize() * toDevice.m22())));
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(target.center() - ink.center(), text);
    painter.restore();
}

// Box from the inclusive pixel extents x1-x2, y1-y2.
QRectF extent(double x1, double y1, double x2, double y2)
{
    return QRectF(QPointF(x1, y1), QPointF(x2 + 1, y2 + 1));
}

void whiteGround(QPainter &painter, const QRectF &box)
{
    painter.fillRect(box, Qt::white);
}

void arrowhead(QPainter &painter, QPointF tip, QPointF towards, double length, double width)
{
    const QLineF back(tip, towards);
    const QPointF unit = (back.p2() - back.p1()) / back.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip + unit * length;
    const QPointF corners[] = {tip, base + normal * (width / 2), base - normal * (width / 2)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(corners, 3);
    painter.setBrush(Qt::NoBrush);
}

// A smooth curve through points (Catmull-Rom), as cubic Bezier pieces; first..last picks the
// pieces, so that one curve can be drawn in two colours without a kink.
QPainterPath smoothPath(const std::vector<QPointF> &points, std::size_t first, std::size_t last)
{
    QPainterPath path(points[first]);
    for (std::size_t i = first; i < last; ++i) {
        const QPointF before = points[i == 0 ? 0 : i - 1];
        const QPointF after = points[std::min(i + 2, points.size() - 1)];
        path.cubicTo(points[i] + (points[i + 1] - before) / 6,
                     points[i + 1] - (after - points[i]) / 6, points[i + 1]);
    }
    return path;
}

const std::vector<QPointF> &saturationCurve()
{
    // The saturated-liquid branch up to the joint, then the saturated-vapour branch.
    static const std::vector<QPointF> points = {
        {73, 435},  {100, 400}, {130, 368}, {160, 339}, {190, 313}, {220, 290},
        {260, 262}, {300, 235}, {350, 210}, {400, 186}, {450, 163}, {500, 143},
        {550, 127}, {600, 117}, {630, 112}, // joint of the two branches
        {638, 110}, {660, 112}, {680, 120}, {690, 132}, {677, 160}, {660, 180},
        {640, 200}, {605, 240}, {572, 280}, {543, 320}, {525, 345}, {516, 360},
        {492, 400}, {471, 440}, {452, 480}, {436, 520}, {423, 560}, {419, 576},
    };
    return points;
}
constexpr std::size_t liquidJoint = 14;

// x of the saturated-liquid branch at height y, between its listed points.
double liquidCurveX(double y)
{
    const auto &points = saturationCurve();
    for (std::size_t i = 0; i < liquidJoint; ++i) {
        const QPointF a = points[i], b = points[i + 1];
        if (y <= a.y() && y >= b.y())
            return a.x() + (b.x() - a.x()) * (a.y() - y) / (a.y() - b.y());
    }
    return points[liquidJoint].x();
}

void drawAxes(QPainter &painter)
{
    painter.setPen(pen(Qt::black, 2));
    painter.drawLine(QPointF(axisX, axisY + 1), QPointF(axisX, 4 + 17));
    arrowhead(painter, {axisX, 4}, {axisX, 577}, 17, 12);
    painter.setPen(pen(Qt::black, 2));
    painter.drawLine(QPointF(axisX - 1, axisY), QPointF(836 - 17, axisY));
    arrowhead(painter, {836, axisY}, {71, axisY}, 17, 12);

    const QFont label = sans(15);
    placeText(painter, extent(4, 8, 27, 22), QStringLiteral("lg p"), label);
    placeText(painter, extent(1, 28, 30, 42), QStringLiteral("[bar]"), label);
    placeText(painter, extent(794, 616, 796, 626), QStringLiteral("i"), label);
    placeText(painter, extent(772, 635, 816, 649), QStringLiteral("[kJ/kg]"), label);

    // Pressure ticks, right-aligned 7 px left of the axis.
    struct Tick
    {
        const char *text;
        double top, bottom;
    };
    const Tick pressures[] = {{"100", 22, 33}, {"10", 188, 199}, {"1", 379, 389}, {"0", 570, 581}};
    const QFontMetricsF metrics(label);
    for (const Tick &t : pressures) {
        const QString text = QString::fromLatin1(t.text);
        const double width = metrics.tightBoundingRect(text).width();
        placeText(painter, extent(64 - width, t.top, 64, t.bottom), text, label);
    }
    // Enthalpy ticks, centred under their grid lines.
    const std::pair<const char *, double> enthalpies[] = {
        {"150", axisX}, {"200", 255}, {"250", 436}, {"300", 620}, {"350", 799}};
    for (const auto &[text, x] : enthalpies)
        placeText(painter, QRectF(x - 20, 596, 40, 11), QString::fromLatin1(text), label);
}

void drawGridAndIsobars(QPainter &painter)
{
    for (double x : {255.0, 436.0, 620.0, 799.0})
        dashedLine(painter, QPointF(x, 0), QPointF(x, axisY - 1), gridGrey, 2, 9, 3);

    const double maroonRows[] = {136.5, 195, 295.5, 331, 388};  // 20, 10, 3, 2, 1 bar
    const double greyRows[] = {205, 214, 225, 237.5, 253, 271}; // 9 ... 4 bar
    painter.setPen(pen(lightGrey, 1));
    for (double y : greyRows)
        painter.drawLine(QPointF(axisX, y), QPointF(802, y));
    painter.setPen(pen(maroon, 1));
    for (double y : maroonRows)
        painter.drawLine(QPointF(axisX, y), QPointF(802, y));
}

void drawIsothermsAndIsentropes(QPainter &painter)
{
    struct Isotherm
    {
        const char *label;
        double topX, curveX, y, leaveX, axisEndX;
    };
    const Isotherm isotherms[] = {
        {"-30", 139, 137, 360, 519, 526}, {"-20", 177, 175, 327, 540, 552},
        {"-10", 215, 213, 296, 560, 580}, {"0,0", 254, 254, 268, 585, 608},
        {"25", 353, 357, 208, 639, 676},  {"45 [\u00b0C]", 440, 447, 164, 676, 739},
    };
    const QFont label = sans(11);
    for (const Isotherm &t : isotherms) {
        painter.setPen(pen(isothermGrey, 1));
        const double startX = liquidCurveX(t.y);
        painter.drawLine(QPointF(t.topX, 87), QPointF(t.curveX, t.y));
        painter.drawLine(QPointF(startX, t.y), QPointF(t.leaveX, t.y));
        // Leaving the vapour curve it bends down and runs almost vertically to the axis.
        QPainterPath vapour(QPointF(t.leaveX, t.y));
        const double drop = axisY - 1 - t.y;
        vapour.cubicTo(QPointF(t.axisEndX - 0.15 * (t.axisEndX - t.leaveX), t.y + 0.02 * drop),
                       QPointF(t.axisEndX, t.y + 0.3 * drop), QPointF(t.axisEndX, axisY - 1));
        painter.drawPath(vapour);

        const QString text = QString::fromUtf8(t.label);
        const double width = QFontMetricsF(label).tightBoundingRect(text).width();
        placeText(painter, extent(t.topX + 4, 112, t.topX + 4 + width, 122), text, label);
    }

    struct Isentrope
    {
        const char *label;
        QPointF lower, upper;
        QRectF labelBox;
    };
    const Isentrope isentropes[] = {
        {"1.42 kJ/kgK", {495, 448}, {649, 42}, extent(569, 72, 638, 84)},
        {"1.42", {602, 413}, {781, 51}, extent(670, 216, 693, 225)},
        {"1.52", {646, 527}, {799, 269}, extent(739, 317, 763, 325)},
        {"1.62", {725, 576}, {800, 458}, extent(761, 453, 783, 461)},
    };
    for (const Isentrope &s : isentropes) {
        dashedLine(painter, s.lower, s.upper, isentropeGrey, 1, 9, 3);
        placeText(painter, s.labelBox, QString::fromLatin1(s.label), sans(13));
    }
}

void drawSaturationDome(QPainter &painter)
{
    const auto &points = saturationCurve();
    painter.setPen(pen(QColor(255, 0, 0), 3));
    painter.drawPath(smoothPath(points, 0, liquidJoint));
    painter.setPen(pen(QColor(0, 0, 255), 3));
    painter.drawPath(smoothPath(points, liquidJoint, points.size() - 1));
}

void drawTitle(QPainter &painter)
{
    // "C3 F8" with subscript digits, x 708-749, y 35-54.
    const QFont big = sans(19.5, true);
    const QFont small = sans(13, true);
    const QFontMetricsF bigMetrics(big), smallMetrics(small);
    const double baseline = 49;
    double x = 708 - bigMetrics.leftBearing(QLatin1Char('C'));
    painter.setPen(Qt::black);
    for (const auto &[text, subscript] :
         {std::pair{"C", false}, {"3", true}, {" F", false}, {"8", true}}) {
        const QString part = QString::fromLatin1(text);
        painter.setFont(subscript ? small : big);
        painter.drawText(QPointF(x, subscript ? baseline + 5 : baseline), part);
        x += (subscript ? smallMetrics : bigMetrics).horizontalAdvance(part);
    }
}

void drawBackground(QPainter &painter)
{
    drawGridAndIsobars(painter);
    drawIsothermsAndIsentropes(painter);
    drawSaturationDome(painter);
    drawAxes(painter);
    drawTitle(painter);
}

struct EnthalpyLine
{
    const char *label;
    double topX, bottomX, top, bottom;
    QRectF labelBox;
};

const EnthalpyLine enthalpyLines[] = {
    {"Hliq_sat", 155, 155, 344, 615, extent(120, 627, 176, 641)},
    {"Hwe_cap", 202, 198, 286, 657, extent(179, 664, 243, 678)},
    {"Hx_we", 255, 255, 351, 618, extent(235, 625, 281, 639)},
    {"Hx_wy", 502, 502, 344, 656, extent(480, 665, 525, 679)},
    {"Hvap_sat", 526, 526, 342, 616, extent(515, 624, 581, 638)},
};

// A dimension between two enthalpy lines, its arrowheads pointing outwards onto them.
void dimension(QPainter &painter, double fromX, double toX, double y)
{
    painter.setPen(pen(Qt::black, 1));
    painter.drawLine(QPointF(fromX, y), QPointF(toX, y));
    arrowhead(painter, {fromX, y}, {toX, y}, 7, 5);
    arrowhead(painter, {toX, y}, {fromX, y}, 7, 5);
}

void mark(QPainter &painter, double x, double top, double bottom)
{
    painter.setPen(pen(Qt::black, 1));
    painter.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, bottom));
}

void drawDimensions(QPainter &painter)
{
    const QFont delta = serif(30);
    const QString d = QStringLiteral("\u0394");

    dimension(painter, 256, 501, 445.5);
    placeText(painter, extent(345, 406, 409, 427), d + QStringLiteral("Hw"), delta);

    // The gap between Hwe_cap and Hx_we is narrow: its arrows come from outside.
    painter.setPen(pen(Qt::black, 1));
    painter.drawLine(QPointF(185, 449.5), QPointF(200, 449.5));
    arrowhead(painter, {200, 449.5}, {185, 449.5}, 7, 5);
    painter.setPen(pen(Qt::black, 1));
    painter.drawLine(QPointF(269, 449.5), QPointF(256, 449.5));
    arrowhead(painter, {256, 449.5}, {269, 449.5}, 7, 5);
    placeText(painter, extent(198, 414, 255, 441), d + QStringLiteral("Hg"), delta);

    dimension(painter, 157, 524, 530.5);
    placeText(painter, extent(312, 491, 368, 512), d + QStringLiteral("Hs"), delta);

    mark(painter, 155, 515, 545);
    mark(painter, 255, 432, 462);
    mark(painter, 502, 432, 458);
    mark(painter, 526, 515, 545);
}

void drawOverlay(QPainter &painter)
{
    // The evaporation isobar, interrupted by its label.
    painter.setPen(pen(processGreen, 5));
    painter.drawLine(QPointF(68, isobarY), QPointF(339, isobarY));
    painter.drawLine(QPointF(444, isobarY), QPointF(770, isobarY));
    const QFont label = sans(15);
    placeText(painter, extent(347, 333, 436, 346), QStringLiteral("pevap, tevap"), label);

    drawDimensions(painter);

    // Enthalpy lines from their states down past the axis, with their labels in two rows.
    for (const EnthalpyLine &line : enthalpyLines)
        dashedLine(painter, QPointF(line.topX, line.top), QPointF(line.bottomX, line.bottom),
                   QColor(255, 0, 0), 4, 32, 18);
    for (const EnthalpyLine &line : enthalpyLines)
        placeText(painter, line.labelBox, QString::fromLatin1(line.label), label);

    painter.setPen(Qt::NoPen);
    painter.setBrush(discGreen);
    for (double x : {201.0, 256.0, 502.0})
        painter.drawEllipse(QPointF(x, isobarY), 9.5, 9.5);
    painter.setBrush(Qt::NoBrush);

    struct StateLabel
    {
        const char *text;
        QRectF box, ground;
    };
    const StateLabel states[] = {
        {"x_we", extent(243, 319, 279, 330), extent(241, 317, 281, 334)},
        {"x_wy", extent(481, 320, 516, 331), extent(479, 318, 518, 335)},
        {"T_subcool", extent(171, 265, 243, 279), extent(168, 266, 253, 283)},
    };
    for (const StateLabel &s : states) {
        whiteGround(painter, s.ground);
        placeText(painter, s.box, QString::fromLatin1(s.text), label);
    }
}

} // namespace

void draw(QPainter &painter, const QSizeF &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(target.width() / designSize.width(), target.height() / designSize.height());
    painter.fillRect(QRectF(QPointF(0, 0), designSize), Qt::white);
    drawBackground(painter);
    drawOverlay(painter);
    painter.restore();
}

} // namespace PressureEnthalpyChart
