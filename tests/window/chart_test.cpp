// The pressure-enthalpy chart: landmarks at their places, and a picture that never changes.
#include "chart/chart_view.h"
#include "chart/pressure_enthalpy_chart.h"
#include "panel_test_support.h"
#include "worked_runs.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

// The chart painted into an image of the given size, by a painter whose own font is bold: the
// picture must not take it over.
QImage renderChart(QSize size = PressureEnthalpyChart::designSize.toSize(), qreal ratio = 1)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black); // the chart must paint its own white ground
    QPainter painter(&image);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    PressureEnthalpyChart::draw(painter, QSizeF(size));
    return image;
}

// Whether one of the rows around y holds a run of pixels in exactly the colour, from x on.
bool fullColourRow(const QImage &image, int x, int y, QColor colour, int run = 20)
{
    for (int row = y - 1; row <= y + 1; ++row) {
        int length = 0;
        while (length < run && image.pixelColor(x + length, row) == colour)
            ++length;
        if (length == run)
            return true;
    }
    return false;
}

bool isRed(QColor c)
{
    return c.red() > 200 && c.green() < 90 && c.blue() < 90;
}
bool isBlue(QColor c)
{
    return c.blue() > 200 && c.red() < 90 && c.green() < 90;
}
bool isGreen(QColor c)
{
    return c.green() > 220 && c.red() < 60 && c.blue() < 60;
}
bool isDiscGreen(QColor c)
{
    return qAbs(c.green() - 129) < 15 && c.red() < 30 && c.blue() < 30;
}
bool isBlack(QColor c)
{
    return c.red() < 80 && c.green() < 80 && c.blue() < 80;
}
bool isWhite(QColor c)
{
    return c.red() > 245 && c.green() > 245 && c.blue() > 245;
}
// Maroon, or maroon spread over two rows by anti-aliasing.
bool isMaroonish(QColor c)
{
    return c.red() > c.green() + 30 && c.blue() > c.green() + 15;
}

// Whether some pixel within reach of (x, y) passes the test.
template <typename Test> bool near(const QImage &image, int x, int y, Test test, int reach = 1)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (test(image.pixelColor(x + dx, y + dy)))
                return true;
    return false;
}

} // namespace

class ChartTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        m_chart = renderChart();
    }
    void groundAndAxes();
    void isobars();
    void saturationCurves();
    void evaporationIsobarWithItsLabelGap();
    void enthalpyLinesAreDashedWithAFiftyPixelPeriod();
    void stateDiscs();
    void narrowGapArrowsComeFromOutside();
    void thinLinesStayCrispAtEveryScale();
    void deltaLabelsAreRegularOnABoldSurface();
    void gridIsDashedLightGrey();
    void isobarsOfEveryPressureAtTheirRows();
    void saturationCurvesPassTheirPoints();
    void isothermsCrossTheDomeAtTheirPressures();
    void everyLabelStandsInItsBox();
    void stateLabelsStandOnWhite();
    void dimensionsSpanTheirGaps();
    void arrowheadsEndTheAxes();
    void isentropesAndMarks();
    void dimensionArrowsPointOntoTheLines();
    void pictureOnThePanelNeverChanges();

private:
    QImage m_chart;
};

void ChartTest::groundAndAxes()
{
    QVERIFY(isWhite(m_chart.pixelColor(825, 15)));
    QVERIFY(isWhite(m_chart.pixelColor(20, 300)));
    QVERIFY(isWhite(m_chart.pixelColor(780, 560)));
    for (int y : {30, 300, 500})
        QVERIFY(isBlack(m_chart.pixelColor(71, y)) && isBlack(m_chart.pixelColor(72, y)));
    for (int x : {100, 400, 810})
        QVERIFY(isBlack(m_chart.pixelColor(x, 576)) && isBlack(m_chart.pixelColor(x, 577)));
    // Arrow tips near the top and right ends.
    QVERIFY(near(m_chart, 72, 8, isBlack));
    QVERIFY(near(m_chart, 832, 577, isBlack));
    QVERIFY(isWhite(m_chart.pixelColor(72, 1)));
}

void ChartTest::isobars()
{
    // 10 bar on rows 194-195 and 1 bar on rows 387-388, where nothing else crosses them.
    for (auto [x, upper] : {std::pair{560, 194}, {700, 387}}) {
        QVERIFY2(isMaroonish(m_chart.pixelColor(x, upper)) ||
                     isMaroonish(m_chart.pixelColor(x, upper + 1)),
                 qPrintable(QString::number(upper)));
        QVERIFY(!isMaroonish(m_chart.pixelColor(x, upper - 3)));
    }
    // No isobar below 1 bar.
    QVERIFY(isWhite(m_chart.pixelColor(700, 480)));
}

void ChartTest::saturationCurves()
{
    for (auto [x, y] : {std::pair{100, 400}, {190, 313}, {400, 186}, {550, 127}})
        QVERIFY2(near(m_chart, x, y, isRed), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    for (auto [x, y] : {std::pair{690, 132}, {605, 240}, {452, 480}, {423, 560}})
        QVERIFY2(near(m_chart, x, y, isBlue), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void ChartTest::evaporationIsobarWithItsLabelGap()
{
    for (int x : {100, 300, 460, 600, 760})
        for (int y : {343, 345, 347})
            QVERIFY2(isGreen(m_chart.pixelColor(x, y)), qPrintable(QString::number(x)));
    QVERIFY(!isGreen(m_chart.pixelColor(775, 345)));
    for (int x : {341, 343, 440, 442})
        QVERIFY(isWhite(m_chart.pixelColor(x, 345)));
}

void ChartTest::enthalpyLinesAreDashedWithAFiftyPixelPeriod()
{
    struct Line
    {
        double topX, bottomX, top, bottom;
    };
    const Line lines[] = {{155, 155, 344, 615},
                          {202, 198, 286, 657},
                          {255, 255, 351, 618},
                          {502, 502, 344, 656},
                          {526, 526, 342, 616}};
    for (const Line &line : lines) {
        const auto xAt = [&](double y) {
            return qRound(line.topX +
                          (line.bottomX - line.topX) * (y - line.top) / (line.bottom - line.top));
        };
        // The third period from the top: a 32 px dash, then an 18 px gap.
        const int start = int(line.top) + 100;
        for (int y = start + 2; y < start + 30; y += 4)
            QVERIFY2(isRed(m_chart.pixelColor(xAt(y), y)), qPrintable(QString::number(y)));
        for (int y = start + 35; y < start + 48; y += 4)
            QVERIFY2(!isRed(m_chart.pixelColor(xAt(y), y)), qPrintable(QString::number(y)));
    }
}

void ChartTest::stateDiscs()
{
    for (int x : {201, 256, 502}) {
        QVERIFY(isDiscGreen(m_chart.pixelColor(x, 345)));
        QVERIFY(isDiscGreen(m_chart.pixelColor(x, 338)));
        QVERIFY(!isDiscGreen(m_chart.pixelColor(x, 333)));
    }
}

void ChartTest::narrowGapArrowsComeFromOutside()
{
    // Between the Hwe_cap and Hx_we lines there is no room: the arrows of the delta Hg
    // dimension point onto the lines from the left and from the right, at row 449.
    for (int x : {188, 193, 260, 265})
        QVERIFY2(isBlack(m_chart.pixelColor(x, 449)), qPrintable(QString::number(x)));
    for (int x = 206; x <= 248; x += 6)
        QVERIFY2(!isBlack(m_chart.pixelColor(x, 449)) && !isBlack(m_chart.pixelColor(x, 450)),
                 qPrintable(QString::number(x)));
}

void ChartTest::thinLinesStayCrispAtEveryScale()
{
    struct Line
    {
        const char *name;
        double x, y; // in the picture's own pixels
        QColor colour;
    };
    const Line lines[] = {{"10 bar", 560, 195, QColor(153, 48, 101)},
                          {"1 bar", 700, 388, QColor(153, 48, 101)},
                          {"5 bar", 460, 253, QColor(210, 210, 210)},
                          {"dimension", 300, 445.5, Qt::black}};
    const QSize panelScale(593, 481);
    for (auto [size, ratio] : {std::pair{PressureEnthalpyChart::designSize.toSize(), 1.0},
                               {panelScale, 1.0},
                               {panelScale, 2.0}}) {
        const QImage image = renderChart(size, ratio);
        const double sx = size.width() / PressureEnthalpyChart::designSize.width() * ratio;
        const double sy = size.height() / PressureEnthalpyChart::designSize.height() * ratio;
        for (const Line &line : lines) {
            QVERIFY2(fullColourRow(image, int(line.x * sx), int(line.y * sy), line.colour),
                     qPrintable(QStringLiteral("%1 at %2 x %3, ratio %4")
                                    .arg(QString::fromLatin1(line.name))
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(ratio)));
        }
    }
}

void ChartTest::deltaLabelsAreRegularOnABoldSurface()
{
    QImage plain(PressureEnthalpyChart::designSize.toSize(), QImage::Format_RGB32);
    QPainter painter(&plain);
    QFont regular = painter.font();
    regular.setBold(false);
    painter.setFont(regular);
    PressureEnthalpyChart::draw(painter);
    painter.end();
    QCOMPARE(m_chart, plain);
}

// The picture's landmarks where the design places them, each allowed 2 pixels either way.

namespace {

bool isGrey(QColor c, int low, int high)
{
    return c.red() == c.green() && c.green() == c.blue() && c.red() >= low && c.red() <= high;
}

// Whether some pixel within the design's 2 pixels of (x, y) passes the test.
template <typename Test> bool within2(const QImage &image, int x, int y, Test test)
{
    return near(image, x, y, test, 2);
}

// How many pixels of the box, from left, top to right, bottom included, pass the test.
template <typename Test> int count(const QImage &image, QRect box, Test test)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += test(image.pixelColor(x, y));
    return n;
}

QRect extent(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

// The smallest box holding every dark pixel of the area.
QRect inkExtent(const QImage &image, const QRect &area)
{
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 100 && c.green() < 100 && c.blue() < 100)
                extent |= QRect(x, y, 1, 1);
        }
    return extent;
}

bool isInk(QColor c)
{
    return c.red() < 140 && c.green() < 140 && c.blue() < 140;
}

} // namespace

void ChartTest::gridIsDashedLightGrey()
{
    // Four dashed lines 2 px wide, 9 px dashes and 3 px gaps, from the top to the axis.
    for (int x : {254, 435, 619, 798}) {
        const auto grey = [](QColor c) { return isGrey(c, 150, 235); };
        const int dashes = count(m_chart, extent(x, 0, x + 1, 60), grey);
        QVERIFY2(dashes >= 2 * 40 && dashes <= 2 * 50, qPrintable(QString::number(x)));
        // Within two columns, and not beside them.
        QVERIFY(count(m_chart, extent(x - 4, 0, x - 3, 60), grey) == 0);
        QVERIFY(count(m_chart, extent(x + 4, 0, x + 5, 60), grey) == 0);
    }
}

void ChartTest::isobarsOfEveryPressureAtTheirRows()
{
    const auto maroon = [](QColor c) { return c == QColor(153, 48, 101); };
    const auto light = [](QColor c) { return isGrey(c, 195, 225); };
    // 20, 10, 3, 2, 1 bar in maroon; 9 to 4 bar in light grey; where nothing else crosses.
    for (int y : {136, 194, 295, 330, 387})
        QVERIFY2(within2(m_chart, 775, y, maroon) && within2(m_chart, 80, y, maroon),
                 qPrintable(QString::number(y)));
    for (int y : {204, 213, 224, 237, 252, 270})
        QVERIFY2(within2(m_chart, 775, y, light), qPrintable(QString::number(y)));
    // From the vertical axis to just past the 350 grid line, and no further.
    for (int y : {194, 387}) {
        QVERIFY(within2(m_chart, 76, y, maroon));
        QVERIFY(!within2(m_chart, 807, y, maroon));
    }
    // None above 20 bar, none below 1 bar.
    QVERIFY(count(m_chart, extent(760, 60, 790, 125), maroon) == 0);
    QVERIFY(count(m_chart, extent(760, 395, 790, 440), maroon) == 0);
}

void ChartTest::saturationCurvesPassTheirPoints()
{
    const QPoint liquid[] = {{73, 435},  {100, 400}, {130, 368}, {160, 339}, {190, 313},
                             {220, 290}, {260, 262}, {300, 235}, {350, 210}, {400, 186},
                             {450, 163}, {500, 143}, {550, 127}, {600, 117}};
    const QPoint vapour[] = {{638, 110}, {660, 112}, {680, 120}, {690, 132}, {677, 160}, {660, 180},
                             {640, 200}, {605, 240}, {572, 280}, {543, 320}, {516, 360}, {492, 400},
                             {471, 440}, {452, 480}, {436, 520}, {423, 560}};
    for (QPoint p : liquid)
        QVERIFY2(within2(m_chart, p.x(), p.y(), isRed),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (QPoint p : vapour)
        QVERIFY2(within2(m_chart, p.x(), p.y(), isBlue),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    // 3 px wide: red across three rows at one column, not five.
    const int wide = count(m_chart, extent(300, 228, 300, 242), isRed);
    QVERIFY2(wide >= 2 && wide <= 4, qPrintable(QString::number(wide)));
}

void ChartTest::isothermsCrossTheDomeAtTheirPressures()
{
    // The horizontal piece of each isotherm inside the dome, in grey, and its label above.
    const auto grey = [](QColor c) { return isGrey(c, 140, 190); };
    struct Isotherm
    {
        int topX, y, leaveX, axisX;
        int nearLiquidX; // just right of where its horizontal piece leaves the red curve
    };
    const Isotherm isotherms[] = {{139, 360, 519, 526, 150}, {177, 327, 540, 552, 186},
                                  {215, 296, 560, 580, 224}, {254, 268, 585, 608, 263},
                                  {353, 208, 639, 676, 366}, {440, 164, 676, 739, 460}};
    for (const Isotherm &t : isotherms) {
        QVERIFY2(within2(m_chart, t.leaveX - 12, t.y, grey), qPrintable(QString::number(t.y)));
        QVERIFY2(within2(m_chart, t.nearLiquidX, t.y, grey), qPrintable(QString::number(t.y)));
        // Nothing of it left of the red curve, nor below the dome where it leaves the blue one.
        QVERIFY2(!near(m_chart, t.nearLiquidX - 22, t.y, grey, 0),
                 qPrintable(QString::number(t.y)));
        QVERIFY2(!near(m_chart, t.leaveX - 5, t.y + 4, grey, 1), qPrintable(QString::number(t.y)));
        // Its vapour piece ends on the axis (the -30 one runs along the Hvap_sat line there).
        if (t.axisX != 526)
            QVERIFY2(within2(m_chart, t.axisX, 573, grey), qPrintable(QString::number(t.axisX)));
        QVERIFY2(within2(m_chart, t.topX, 95, grey), qPrintable(QString::number(t.topX)));
        QVERIFY2(count(m_chart, extent(t.topX + 2, 110, t.topX + 20, 124), isInk) > 3,
                 qPrintable(QString::number(t.topX)));
    }
}

void ChartTest::everyLabelStandsInItsBox()
{
    // Ink inside each label's box (2 px to spare), none in a band just outside its left edge.
    const QRect boxes[] = {
        extent(4, 8, 27, 22),       extent(1, 28, 30, 42),      extent(794, 616, 796, 626),
        extent(772, 635, 816, 649), extent(45, 22, 62, 33),     extent(50, 188, 64, 199),
        extent(55, 379, 64, 389),   extent(55, 570, 64, 581),   extent(60, 597, 84, 606),
        extent(243, 597, 267, 606), extent(424, 597, 448, 606), extent(608, 597, 632, 606),
        extent(787, 597, 811, 606), extent(347, 333, 436, 346), extent(120, 627, 176, 641),
        extent(179, 664, 243, 678), extent(235, 625, 281, 639), extent(480, 665, 525, 679),
        extent(515, 624, 581, 638), extent(569, 72, 638, 84),   extent(670, 216, 693, 225),
        extent(739, 317, 763, 325), extent(761, 453, 783, 461), extent(708, 35, 749, 54),
        extent(345, 406, 409, 427), extent(198, 414, 255, 441), extent(312, 491, 368, 512),
        extent(243, 319, 279, 330), extent(481, 320, 516, 331), extent(171, 265, 243, 279),
    };
    for (const QRect &box : boxes) {
        const QString where = QStringLiteral("%1,%2").arg(box.left()).arg(box.top());
        const int ink = count(m_chart, box.adjusted(-2, -2, 2, 2), isInk);
        QVERIFY2(ink >= std::max(3, box.width() * box.height() / 40), qPrintable(where));
        // Centred where the box is, no larger than it: a label moved or swollen shows.
        const QRect drawn =
            inkExtent(m_chart, box.adjusted(-3, -3, 3, 3).intersected(m_chart.rect()));
        const QPoint off = drawn.center() - box.center();
        QVERIFY2(std::abs(off.x()) <= 3 && std::abs(off.y()) <= 3 &&
                     drawn.width() <= box.width() + 4 && drawn.height() <= box.height() + 4,
                 qPrintable(where));
    }
    // The title's digits are subscripts: ink below the capitals' baseline, under the digits only.
    QVERIFY(count(m_chart, extent(718, 50, 726, 55), isInk) > 2);  // the 3
    QVERIFY(count(m_chart, extent(709, 50, 716, 55), isInk) == 0); // not under the C
    QVERIFY(count(m_chart, extent(709, 35, 716, 39), isInk) > 4);  // the C a capital
    QVERIFY(count(m_chart, extent(737, 35, 745, 38), isInk) > 4);  // and the F
    // The title is bold: its strokes are thicker than a regular face would draw them.
    QVERIFY(count(m_chart, extent(708, 35, 749, 54),
                  [](QColor c) { return c == QColor(Qt::black); }) > 60);
}

void ChartTest::stateLabelsStandOnWhite()
{
    // "T_subcool" hides the red curve from x 228 to 253; "x_we" and "x_wy" stand above their
    // discs on white that interrupts the 2-bar isobar.
    QCOMPARE(count(m_chart, extent(230, 262, 251, 282), isRed), 0);
    QVERIFY(within2(m_chart, 220, 290, isRed));
    QVERIFY(count(m_chart, extent(243, 319, 279, 330), isInk) > 10);
    QVERIFY(count(m_chart, extent(481, 320, 516, 331), isInk) > 10);
    const auto maroon = [](QColor c) { return c == QColor(153, 48, 101); };
    QCOMPARE(count(m_chart, extent(245, 330, 277, 331), maroon), 0);
    QCOMPARE(count(m_chart, extent(483, 330, 514, 331), maroon), 0);
    // "T_subcool" interrupts the -20 isotherm's liquid piece as well.
    QCOMPARE(
        count(m_chart, extent(174, 280, 178, 282), [](QColor c) { return isGrey(c, 140, 190); }),
        0);
    QVERIFY(near(
        m_chart, 176, 250, [](QColor c) { return isGrey(c, 140, 190); }, 2));
    QVERIFY(count(m_chart, extent(300, 330, 330, 331), maroon) > 0);
}

void ChartTest::dimensionsSpanTheirGaps()
{
    const auto black = [](QColor c) { return c == QColor(Qt::black); };
    // delta Hw at y 445 from the Hx_we line to the Hx_wy line; delta Hs at y 530 from Hliq_sat
    // to Hvap_sat.
    for (auto [y, from, to] : {std::tuple{445, 259, 498}, {530, 159, 522}}) {
        // The dashed enthalpy lines cross it, drawn over it.
        QVERIFY2(count(m_chart, extent(from + 10, y - 1, to - 10, y + 1), black) >= to - from - 40,
                 qPrintable(QString::number(y)));
        QVERIFY(count(m_chart, extent(from - 14, y - 1, from - 6, y + 1), black) <= 3);
    }
}

void ChartTest::isentropesAndMarks()
{
    // Four dashed grey isentropes between their ends; black marks where the dimensions end.
    const auto grey = [](QColor c) { return isGrey(c, 100, 175); };
    const QLine isentropes[] = {
        {495, 448, 649, 42}, {602, 413, 781, 51}, {646, 527, 799, 269}, {725, 576, 800, 458}};
    for (const QLine &line : isentropes) {
        // Row by row along the middle of the steep line: grey in about 9 rows of every 12.
        int dashes = 0, points = 0;
        const int top = std::min(line.y1(), line.y2()), bottom = std::max(line.y1(), line.y2());
        for (int y = top + (bottom - top) * 15 / 100; y <= bottom - (bottom - top) * 15 / 100;
             ++y, ++points) {
            const double x = line.x1() + (line.x2() - line.x1()) * double(y - line.y1()) /
                                             (line.y2() - line.y1());
            dashes += count(m_chart, extent(qRound(x) - 1, y, qRound(x) + 1, y), grey) > 0;
        }
        QVERIFY2(dashes > points * 0.55 && dashes < points * 0.92,
                 qPrintable(QStringLiteral("%1: %2 of %3").arg(line.x1()).arg(dashes).arg(points)));
    }
    const auto black = [](QColor c) { return c == QColor(Qt::black); };
    for (int x : {155, 255, 502, 526})
        QVERIFY2(count(m_chart, extent(x - 2, 420, x + 2, 560), black) >= 16,
                 qPrintable(QString::number(x)));
    // The evaporation isobar is 5 pixels thick: rows 343 to 347, white on either side.
    for (int x : {120, 600}) {
        QCOMPARE(m_chart.pixelColor(x, 342), QColor(Qt::white));
        QCOMPARE(m_chart.pixelColor(x, 348), QColor(Qt::white));
    }
    // Nothing dark on the picture's top edge but the vertical axis's arrow.
    QCOMPARE(count(m_chart, extent(90, 0, 837, 2), isInk), 0);
}

void ChartTest::dimensionArrowsPointOntoTheLines()
{
    // Arrowheads 7 px long and 5 px across at the ends of each dimension line.
    const auto dark = [](QColor c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; };
    for (auto [x, y] :
         {std::pair{262, 445}, {495, 445}, {162, 530}, {519, 530}, {196, 449}, {258, 449}})
        QVERIFY2(count(m_chart, extent(x - 1, y - 3, x + 1, y + 3), dark) >= 6,
                 qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void ChartTest::arrowheadsEndTheAxes()
{
    // Solid triangles: 12 px across at their base, 17 px from base to tip.
    const auto dark = [](QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; };
    QVERIFY(count(m_chart, extent(66, 19, 77, 21), dark) >= 18);     // the vertical axis's base
    QVERIFY(count(m_chart, extent(69, 6, 74, 8), dark) >= 2);        // near its tip
    QVERIFY(count(m_chart, extent(60, 19, 64, 21), dark) == 0);      // not wider
    QVERIFY(count(m_chart, extent(79, 19, 83, 21), dark) == 0);
    QVERIFY(count(m_chart, extent(819, 571, 821, 582), dark) >= 18); // the horizontal axis's base
    QVERIFY(count(m_chart, extent(832, 575, 834, 579), dark) >= 2);
    QVERIFY(count(m_chart, extent(819, 565, 821, 569), dark) == 0);
    QVERIFY(count(m_chart, extent(819, 584, 821, 588), dark) == 0);
}

void ChartTest::pictureOnThePanelNeverChanges()
{
    Panel panel;
    panel.setFailureReporter([](const QString &, const QString &) {});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto *picture = panel.findChild<ChartView *>(QStringLiteral("Image1"));
    QVERIFY(picture);
    const QImage before = picture->grab().toImage();
    QVERIFY(!before.isNull());

    const auto run = [&](const std::array<std::string_view, c3f8::input_count> &texts) {
        for (std::size_t i = 0; i < c3f8::input_count; ++i)
            fieldEdit(panel, c3f8::input(i))->setText(QString::fromUtf8(texts[i]));
        button(panel, "obl_b")->click();
        QCOMPARE(picture->grab().toImage(), before);
    };
    run(worked_runs[0].typed); // Ostrzezenie shown
    QVERIFY(!warningLabel(panel, c3f8::warning::Ostrzezenie)->isHidden());
    run(worked_runs[2].typed); // m_warn shown
    QVERIFY(!warningLabel(panel, c3f8::warning::m_warn)->isHidden());
    run({}); // every field empty: a failure

    const QString pevap = fieldEdit(panel, c3f8::field::pevap)->text();
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(picture->grab().toImage(), before);
    QCOMPARE(fieldEdit(panel, c3f8::field::pevap)->text(), pevap);
}

QTEST_MAIN(ChartTest)
#include "chart_test.moc"
