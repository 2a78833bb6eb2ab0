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

// Whether some pixel within one pixel of (x, y) passes the test.
template <typename Test> bool near(const QImage &image, int x, int y, Test test)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
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
    void pictureOnThePanelNeverChanges();

private:
    QImage m_chart;
};

void ChartTest::groundAndAxes()
{
    QVERIFY(isWhite(m_chart.pixelColor(825, 15)));
    QVERIFY(isWhite(m_chart.pixelColor(20, 300)));
    QVERIFY(isWhite(m_chart.pixelColor(780, 560)));
    for (int y : {100, 300, 500})
        QVERIFY(isBlack(m_chart.pixelColor(71, y)) && isBlack(m_chart.pixelColor(72, y)));
    for (int x : {100, 400, 700})
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
