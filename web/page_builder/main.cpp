// Writes the web page from the window's design table, the calculation's catalogue and the
// chart's painting code, so that the page cannot drift from the window:
//
//   c3f8calc-web-page STYLE.css SCRIPT.js index.html chart.png window.json
//
// index.html: the page, with its style and script inside it, so that the browser has two
// files less to ask for before the page is ready. For the tests, which hold the page against
// the window: chart.png, the chart painted at the page's size, and window.json, every control
// of the real window with its box, colours and caption.
#include "chart/pressure_enthalpy_chart.h"
#include "page_html.h"
#include "window_controls.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string readText(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(1);
    }
    return file.readAll().toStdString();
}

bool write(const char *path, const std::string &content)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) &&
           file.write(content.data(), static_cast<qint64>(content.size())) ==
               static_cast<qint64>(content.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s STYLE.css SCRIPT.js index.html chart.png window.json\n",
                     argv[0]);
        return 2;
    }
    const std::string style = readText(argv[1]), script = readText(argv[2]);
    if (style.find("</") != std::string::npos || script.find("</") != std::string::npos) {
        std::fprintf(stderr, "%s: the style or script would end its element early\n", argv[0]);
        return 1;
    }
    QApplication application(argc, argv);
    QImage chart(pictureSize(), QImage::Format_RGB32);
    {
        QPainter painter(&chart);
        PressureEnthalpyChart::draw(painter, QSizeF(chart.size()));
    }
    if (!write(argv[3], pageHtml(style, script)) || !chart.save(QString::fromLocal8Bit(argv[4])) ||
        !write(argv[5], windowControls())) {
        std::fprintf(stderr, "%s: cannot write its files\n", argv[0]);
        return 1;
    }
    return 0;
}
