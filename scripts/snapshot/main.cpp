// Pictures of the window and the chart: for the README, and for telling whether a change to the
// code changes what the user sees.
//
//   panel_snapshot CHART.png WINDOW.png     the chart at its full size, the window after run A
//   panel_snapshot --pictures DIR           the chart at full and at panel size, the window after
//                                           runs A and C (each warning shown once) without it
//   panel_snapshot --compare DIR DIR        exit 0: the same pictures; 1: the windows are the
//                                           same and the charts differ by at most 2 pixels of
//                                           place; 2: they differ beyond that
#include "application.h"
#include "chart/pressure_enthalpy_chart.h"
#include "core/catalogue.h"
#include "window/panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QImage chart(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PressureEnthalpyChart::draw(painter, QSizeF(size));
    return image;
}

// The window after a run; with the chart blotted out where asked, as it is compared apart.
QImage windowAfter(const char *const (&typed)[c3f8::input_count], bool withChart = true)
{
    Panel panel;
    panel.setFailureReporter([](const QString &, const QString &) {});
    for (std::size_t i = 0; i < c3f8::input_count; ++i) {
        const auto name = QString::fromLatin1(c3f8::field_name(c3f8::input(i)).data());
        if (auto *box = panel.findChild<QComboBox *>(name))
            box->setEditText(QString::fromLatin1(typed[i]));
        else
            panel.findChild<QLineEdit *>(name)->setText(QString::fromLatin1(typed[i]));
    }
    panel.findChild<QPushButton *>(QStringLiteral("obl_b"))->click();
    panel.show();
    QApplication::processEvents();
    QImage image = panel.grab().toImage();
    if (!withChart) {
        const QWidget *chart = panel.findChild<QWidget *>(QStringLiteral("Image1"));
        QPainter(&image).fillRect(chart->geometry(), Qt::black);
    }
    return image;
}

// The first worked run, a liquid too warm for the wanted inlet quality; the third, a flow below
// the optimum.
constexpr const char *runA[] = {"-25", "15", "0.1", "0.9", "500", "10"};
constexpr const char *runC[] = {"-20", "-20", "0.2", "1", "700", "8"};

// Whether every pixel of a could come from b moved by at most reach pixels: its colour lies,
// channel by channel, within the colours of b around it (a softened edge shows shades between
// a line and its ground, both of which stand near it).
bool within(const QImage &a, const QImage &b, int reach)
{
    constexpr int slack = 24;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb colour = a.pixel(x, y);
            if (colour == b.pixel(x, y))
                continue;
            int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    if (!b.valid(x + dx, y + dy))
                        continue;
                    const QRgb near = b.pixel(x + dx, y + dy);
                    const int channels[3] = {qRed(near), qGreen(near), qBlue(near)};
                    for (int k = 0; k < 3; ++k) {
                        low[k] = std::min(low[k], channels[k]);
                        high[k] = std::max(high[k], channels[k]);
                    }
                }
            }
            const int mine[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
            for (int k = 0; k < 3; ++k)
                if (mine[k] < low[k] - slack || mine[k] > high[k] + slack)
                    return false;
        }
    }
    return true;
}

int compare(const QString &first, const QString &second)
{
    const auto load = [](const QString &dir, const char *name) {
        return QImage(QDir(dir).filePath(QLatin1String(name)))
            .convertToFormat(QImage::Format_RGB32);
    };
    int result = 0;
    for (const char *name : {"window-a.png", "window-c.png"}) {
        if (load(first, name) != load(second, name))
            return 2;
    }
    for (const char *name : {"chart.png", "chart-panel.png"}) {
        const QImage a = load(first, name), b = load(second, name);
        if (a == b)
            continue;
        if (a.size() != b.size() || !within(a, b, 2) || !within(b, a, 2))
            return 2;
        result = 1;
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc == 4 && mode == QStringLiteral("--compare"))
        return compare(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: %s CHART.png WINDOW.png | --pictures DIR | --compare DIR DIR\n",
                     argv[0]);
        return 2;
    }
    prepareApplication(app);

    if (mode == QStringLiteral("--pictures")) {
        // A steady text cursor, so that pictures of the same window are the same.
        QApplication::setCursorFlashTime(0);
        const QDir dir(QString::fromLocal8Bit(argv[2]));
        // The chart at the size the window's design gives its picture.
        const QSize inPanel = Panel().findChild<QWidget *>(QStringLiteral("Image1"))->size();
        const bool saved =
            chart(PressureEnthalpyChart::designSize.toSize())
                .save(dir.filePath(QStringLiteral("chart.png"))) &&
            chart(inPanel).save(dir.filePath(QStringLiteral("chart-panel.png"))) &&
            windowAfter(runA, false).save(dir.filePath(QStringLiteral("window-a.png"))) &&
            windowAfter(runC, false).save(dir.filePath(QStringLiteral("window-c.png")));
        return saved ? 0 : 1;
    }
    if (!chart(PressureEnthalpyChart::designSize.toSize()).save(QString::fromLocal8Bit(argv[1])))
        return 1;
    return windowAfter(runA).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
