// Writes the web page from the window's design table, the calculation's catalogue and the
// chart's painting code, so that the page cannot drift from the window:
//
//   c3f8calc-web-page STYLE.css SCRIPT.js FONTS index.html POLICY chart.png window.json
//
// index.html: the page, with its style, script and faces (the WOFF2 files the style names in
// the folder FONTS) inside it, so that the browser asks for nothing before the page is ready,
// from a server or from disk alike. POLICY: the Content-Security-Policy a server sends with it.
// For the tests, which hold the page against the window: chart.png, the chart painted at the
// page's size, and window.json, every control of the real window with its box, colours and
// caption.
#include "chart/pressure_enthalpy_chart.h"
#include "page_html.h"
#include "window_controls.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

QByteArray readBytes(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(1);
    }
    return file.readAll();
}

// As the browser reads the page: a checkout with CRLF line ends must hash as one with LF.
std::string readText(const char *path)
{
    return readBytes(path).replace("\r\n", "\n").toStdString();
}

bool write(const char *path, const std::string &content)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) &&
           file.write(content.data(), static_cast<qint64>(content.size())) ==
               static_cast<qint64>(content.size());
}

// The style with each face it names from the folder fonts put inside it as a data URL.
std::string withFacesInside(const std::string &style, const char *fonts)
{
    static const QRegularExpression face(QStringLiteral(R"re(url\("fonts/([^"/]+\.woff2)"\))re"));
    QString inside = QString::fromStdString(style);
    QRegularExpressionMatch m;
    while ((m = face.match(inside)).hasMatch()) {
        const std::string path = std::string(fonts) + "/" + m.captured(1).toStdString();
        const QByteArray data = readBytes(path.c_str());
        inside.replace(m.capturedStart(), m.capturedLength(),
                       QStringLiteral("url(\"data:font/woff2;base64,%1\")")
                           .arg(QString::fromLatin1(data.toBase64())));
    }
    return inside.toStdString();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 8) {
        std::fprintf(
            stderr, "usage: %s STYLE.css SCRIPT.js FONTS index.html POLICY chart.png window.json\n",
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
    WebPage page;
    try {
        page = pageHtml(withFacesInside(style, argv[3]), script);
    } catch (const std::invalid_argument &error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    if (!write(argv[4], page.html) || !write(argv[5], page.policy + "\n") ||
        !chart.save(QString::fromLocal8Bit(argv[6])) || !write(argv[7], windowControls())) {
        std::fprintf(stderr, "%s: cannot write its files\n", argv[0]);
        return 1;
    }
    return 0;
}
