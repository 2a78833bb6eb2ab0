#include "pressure_enthalpy_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace PressureEnthalpyChart {

namespace {

// All coordinates are pixels of the 838 x 686 picture. A 1 px line named by two neighbouring
// rows (such as 194-195) runs on the boundary between them; a line of one row runs through
// its middle.

// Each kind of line, named once.
namespace colour {
const QColor ground(255, 255, 255);
const QColor ink(0, 0, 0); // axes, letters, dimensions
const QColor grid(192, 192, 192);
const QColor mainIsobar(153, 48, 101); // 20, 10, 3, 2 and 1 bar
const QColor otherIsobar(210, 210, 210);
const QColor isotherm(165, 165, 165);
const QColor isentrope(137, 137, 137);
const QColor liquidCurve(255, 0, 0);
const QColor vapourCurve(0, 0, 255);
const QColor evaporationIsobar(0, 255, 0);
const QColor enthalpyLine(255, 0, 0);
const QColor stateDisc(0, 129, 0);
} // namespace colour

constexpr double axisX = 72;       // vertical axis, columns 71-72
constexpr double axisY = 577;      // horizontal axis, rows 576-577
constexpr double isobarY = 345.5;  // evaporation isobar, rows 343-347
constexpr double isobarEndX = 802; // where the thin isobars end, just past the 350 grid line

constexpr double mainIsobarRows[] = {136.5, 195, 295.5, 331, 388};     // 20, 10, 3, 2, 1 bar
constexpr double otherIsobarRows[] = {205, 214, 225, 237.5, 253, 271}; // 9 ... 4 bar

// The picture's faces set every property that matters, so that the surface it is painted on
// (a bold widget, an application font) never lends it a weight or a slant.
QFont face(const QStringList &families, double pixels, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qRound(pixels));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    return font;
}

QFont sans(double pixels, bool bold = false)
{
    // Liberation's faces have the metrics of Arial and Times New Roman, which Windows has.
    return face({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}, pixels, bold);
}

QFont serif(double pixels)
{
    return face({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")}, pixels,
                false);
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

// The lines the picture gives as one pixel wide are drawn one device pixel wide at any scale,
// in their full colour: in device pixels, without anti-aliasing, straight ones through the
// centres of the pixels they start and end in.
template <typename Draw> void onDevicePixels(QPainter &painter, const QColor &colour, Draw draw)
{
    // Device pixels of the painted widget or image; where Qt redirects the painting into a
    // larger surface, it adds a whole-pixel offset of its own.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QTransform toDevice = painter.worldTransform() * QTransform::fromScale(ratio, ratio);
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap));
    draw(toDevice);
    painter.restore();
}

QPointF pixelCentre(QPointF p)
{
    return {std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5};
}

void thinLine(QPainter &painter, const QLineF &line, const QColor &colour)
{
    onDevicePixels(painter, colour, [&](const QTransform &toDevice) {
        const QLineF device = toDevice.map(line);
        painter.drawLine(pixelCentre(device.p1()), pixelCentre(device.p2()));
    });
}

void thinPath(QPainter &painter, const QPainterPath &path, const QColor &colour)
{
    onDevicePixels(painter, colour,
                   [&](const QTransform &toDevice) { painter.drawPath(toDevice.map(path)); });
}

void thinDashes(QPainter &painter, const QLineF &line, const QColor &colour, double dash,
                double gap)
{
    const double length = line.length();
    for (double start = 0; start < length; start += dash + gap) {
        const double end = std::min(start + dash, length);
        thinLine(painter, {line.pointAt(start / length), line.pointAt(end / length)}, colour);
    }
}

// How draw() was asked to draw letters; set for the duration of one draw(), on the one thread
// that paints.
Letters lettersNow = Letters::Text;

// Sets lettersNow for a scope, and back to text at its end whatever way it ends.
struct LettersFor
{
    explicit LettersFor(Letters letters) { lettersNow = letters; }
    ~LettersFor() { lettersNow = Letters::Text; }
    LettersFor(const LettersFor &) = delete;
    LettersFor &operator=(const LettersFor &) = delete;
};

// Draws text at baseline origin in the painter's font and pen colour, as lettersNow says.
void drawLetters(QPainter &painter, QPointF origin, const QString &text)
{
    if (lettersNow == Letters::Text) {
        painter.drawText(origin, text);
        return;
    }
    QPainterPath outlines;
    outlines.addText(origin, painter.font(), text);
    painter.fillPath(outlines, painter.pen().color());
}

// Draws text so that its ink is centred in box, the extent the drawing gives for it. The
// letters are drawn upright at the picture's vertical scale rather than squeezed with it, so
// that they come from the glyph cache instead of being filled as outlines.
void placeText(QPainter &painter, const QRectF &box, const QString &text, QFont font,
               const QColor &colour = colour::ink)
{
    const QTransform toDevice = painter.worldTransform();
    const QRectF target = toDevice.mapRect(box);
    font.setPixelSize(qMax(1, qRound(font.pixelSize() * toDevice.m22())));
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    painter.save();
    painter.resetTransform();
    painter.setFont(font);
    painter.setPen(colour);
    drawLetters(painter, target.center() - ink.center(), text);
    painter.restore();
}

// Box from the inclusive pixel extents x1-x2, y1-y2.
QRectF extent(double x1, double y1, double x2, double y2)
{
    return QRectF(QPointF(x1, y1), QPointF(x2 + 1, y2 + 1));
}

void whiteGround(QPainter &painter, const QRectF &box)
{
    painter.fillRect(box, colour::ground);
}

void arrowhead(QPainter &painter, QPointF tip, QPointF towards, double length, double width)
{
    const QLineF back(tip, towards);
    const QPointF unit = (back.p2() - back.p1()) / back.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip + unit * length;
    const QPointF corners[] = {tip, base + normal * (width / 2), base - normal * (width / 2)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::ink);
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
    painter.setPen(pen(colour::ink, 2));
    painter.drawLine(QPointF(axisX, axisY + 1), QPointF(axisX, 4 + 17));
    arrowhead(painter, {axisX, 4}, {axisX, 577}, 17, 12);
    painter.setPen(pen(colour::ink, 2));
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
        dashedLine(painter, QPointF(x, 0), QPointF(x, axisY - 1), colour::grid, 2, 9, 3);

    for (double y : otherIsobarRows)
        thinLine(painter, {axisX, y, isobarEndX, y}, colour::otherIsobar);
    for (double y : mainIsobarRows)
        thinLine(painter, {axisX, y, isobarEndX, y}, colour::mainIsobar);
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
        const double startX = liquidCurveX(t.y);
        thinLine(painter, {t.topX, 87, t.curveX, t.y}, colour::isotherm);
        thinLine(painter, {startX, t.y, t.leaveX, t.y}, colour::isotherm);
        // Leaving the vapour curve it bends down and runs almost vertically to the axis.
        QPainterPath vapour(QPointF(t.leaveX, t.y));
        const double drop = axisY - 1 - t.y;
        vapour.cubicTo(QPointF(t.axisEndX - 0.15 * (t.axisEndX - t.leaveX), t.y + 0.02 * drop),
                       QPointF(t.axisEndX, t.y + 0.3 * drop), QPointF(t.axisEndX, axisY - 1));
        thinPath(painter, vapour, colour::isotherm);

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
        thinDashes(painter, {s.lower, s.upper}, colour::isentrope, 9, 3);
        placeText(painter, s.labelBox, QString::fromLatin1(s.label), sans(13));
    }
}

void drawSaturationDome(QPainter &painter)
{
    const auto &points = saturationCurve();
    painter.setPen(pen(colour::liquidCurve, 3));
    painter.drawPath(smoothPath(points, 0, liquidJoint));
    painter.setPen(pen(colour::vapourCurve, 3));
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
    painter.setPen(colour::ink);
    for (const auto &[text, subscript] :
         {std::pair{"C", false}, {"3", true}, {" F", false}, {"8", true}}) {
        const QString part = QString::fromLatin1(text);
        painter.setFont(subscript ? small : big);
        drawLetters(painter, QPointF(x, subscript ? baseline + 5 : baseline), part);
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

// The states of the loop, left to right along the evaporation isobar. Each is placed by the x
// at which its dashed enthalpy line starts; everything that belongs to it (the line, its label
// below the axis, its disc, its state label and its dimension mark) stands relative to that x.
struct State
{
    const char *lineLabel;
    double x;                               // where the enthalpy line starts
    double lean;                            // how far its lower end lies right of x
    double top, bottom;                     // the line's extent
    double labelLeft, labelRight, labelTop; // its label below the axis, relative to x
    std::optional<double> disc;             // the disc on the isobar, relative to x
    double markTop = 0, markBottom = 0;     // the dimension mark along the line, if any

    double xAt(double y) const { return x + lean * (y - top) / (bottom - top); }
    QRectF labelBox() const
    {
        return extent(x + labelLeft, labelTop, x + labelRight, labelTop + 14);
    }
};

enum StateIndex
{
    LiquidSat,
    Arriving,
    Inlet,
    Outlet,
    VapourSat
};

const State states[] = {
    {"Hliq_sat", 155, 0, 344, 615, -35, 21, 627, {}, 515, 545},
    {"Hwe_cap", 202, -4, 286, 657, -23, 41, 664, -1},
    {"Hx_we", 255, 0, 351, 618, -20, 26, 625, 1, 432, 462},
    {"Hx_wy", 502, 0, 344, 656, -22, 23, 665, 0, 432, 458},
    {"Hvap_sat", 526, 0, 342, 616, -11, 55, 624, {}, 515, 545},
};

// A label above the isobar that names a state, on its own white ground; relative to the
// state's x.
struct StateLabel
{
    const char *text;
    StateIndex state;
    double left, top, right, bottom; // the text's extent
    double groundLeft, groundTop, groundRight, groundBottom;

    QRectF box() const { return extent(at() + left, top, at() + right, bottom); }
    QRectF ground() const
    {
        return extent(at() + groundLeft, groundTop, at() + groundRight, groundBottom);
    }
    double at() const { return states[state].x; }
};

const StateLabel stateLabels[] = {
    {"x_we", Inlet, -12, 319, 24, 330, -14, 317, 26, 334},
    {"x_wy", Outlet, -21, 320, 14, 331, -23, 318, 16, 335},
    {"T_subcool", Arriving, -31, 265, 41, 279, -34, 266, 51, 283},
};

// A dimension between two enthalpy lines, its ends inset from the lines' centres.
struct Dimension
{
    const char *name; // after the delta
    StateIndex from, to;
    double fromInset, toInset;
    double y;
    QRectF labelBox;
    // Where the gap is too narrow, the arrows come from outside: the lengths of their lines.
    double outsideFrom = 0, outsideTo = 0;

    double fromX() const { return qRound(states[from].xAt(y)) + fromInset; }
    double toX() const { return qRound(states[to].xAt(y)) - toInset; }
};

const Dimension dimensions[] = {
    {"Hw", Inlet, Outlet, 1, 1, 445.5, extent(345, 406, 409, 427)},
    // The right arrow ends under the left arrowhead of the dimension above it.
    {"Hg", Arriving, Inlet, 0, -1, 449.5, extent(198, 414, 255, 441), 15, 13},
    {"Hs", LiquidSat, VapourSat, 2, 2, 530.5, extent(312, 491, 368, 512)},
};

void drawDimension(QPainter &painter, const Dimension &d)
{
    const double from = d.fromX(), to = d.toX();
    if (d.outsideFrom == 0) {
        thinLine(painter, {from, d.y, to, d.y}, colour::ink);
        arrowhead(painter, {from, d.y}, {to, d.y}, 7, 5);
        arrowhead(painter, {to, d.y}, {from, d.y}, 7, 5);
    } else {
        const QPointF fromTail(from - d.outsideFrom, d.y), toTail(to + d.outsideTo, d.y);
        thinLine(painter, {fromTail, {from, d.y}}, colour::ink);
        arrowhead(painter, {from, d.y}, fromTail, 7, 5);
        thinLine(painter, {toTail, {to, d.y}}, colour::ink);
        arrowhead(painter, {to, d.y}, toTail, 7, 5);
    }
    placeText(painter, d.labelBox, QStringLiteral("\u0394") + QString::fromLatin1(d.name),
              serif(30));
}

void drawOverlay(QPainter &painter)
{
    // The evaporation isobar, interrupted by its label.
    painter.setPen(pen(colour::evaporationIsobar, 5));
    painter.drawLine(QPointF(68, isobarY), QPointF(339, isobarY));
    painter.drawLine(QPointF(444, isobarY), QPointF(770, isobarY));
    const QFont label = sans(15);
    placeText(painter, extent(347, 333, 436, 346), QStringLiteral("pevap, tevap"), label);

    for (const Dimension &d : dimensions)
        drawDimension(painter, d);
    for (const State &s : states) {
        if (s.markBottom > s.markTop)
            thinLine(painter, {s.x + 0.5, s.markTop, s.x + 0.5, s.markBottom}, colour::ink);
    }

    // Enthalpy lines from their states down past the axis, with their labels in two rows.
    for (const State &s : states)
        dashedLine(painter, QPointF(s.x, s.top), QPointF(s.x + s.lean, s.bottom),
                   colour::enthalpyLine, 4, 32, 18);
    for (const State &s : states)
        placeText(painter, s.labelBox(), QString::fromLatin1(s.lineLabel), label);

    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::stateDisc);
    for (const State &s : states) {
        if (s.disc)
            painter.drawEllipse(QPointF(s.x + *s.disc, isobarY), 9.5, 9.5);
    }
    painter.setBrush(Qt::NoBrush);

    for (const StateLabel &s : stateLabels) {
        whiteGround(painter, s.ground());
        placeText(painter, s.box(), QString::fromLatin1(s.text), label);
    }
}

} // namespace

void draw(QPainter &painter, const QSizeF &target, Letters letters)
{
    const LettersFor scope(letters);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(target.width() / designSize.width(), target.height() / designSize.height());
    painter.fillRect(QRectF(QPointF(0, 0), designSize), colour::ground);
    drawBackground(painter);
    drawOverlay(painter);
    painter.restore();
}

} // namespace PressureEnthalpyChart
