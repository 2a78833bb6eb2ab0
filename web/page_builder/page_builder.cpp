// Writes the web page's generated parts from the window's design table, the calculation's
// catalogue and the chart's painting code, so that the page cannot drift from the window:
//
//   c3f8calc-web-page STYLE.css SCRIPT.js index.html chart.png window.json
//
// index.html: the 78 controls at their places in their colours and fonts, with the chart as
// inline SVG whose letters are outlines, and the page's style and script inside it, so that
// the browser has three files less to ask for before the page is ready. For the tests, which hold
// the page against the window: chart.png, the chart painted at the page's size, and window.json,
// every control of the real window with its box in the window, its colours and its text.
#include "chart/pressure_enthalpy_chart.h"
#include "core/catalogue.h"
#include "window/design_look.h"
#include "window/panel.h"
#include "window/panel_design.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

using namespace PanelDesign;

namespace {

// The two colours the window takes from the desktop, as a default Debian desktop shows them.
QPalette defaultDesktop()
{
    QPalette palette;
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Window, QColor(239, 239, 239));
    palette.setColor(QPalette::Button, QColor(239, 239, 239));
    return palette;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string css(const QColor &colour)
{
    return colour.name().toStdString();
}

std::string pixelBox(const Control &c)
{
    if (c.kind == Kind::Line) {
        // A one-pixel strip between the end points, both included.
        const int x1 = pixels(c.box.left), y1 = pixels(c.box.top);
        const int x2 = pixels(c.box.left + c.box.width), y2 = pixels(c.box.top + c.box.height);
        return "left:" + std::to_string(x1) + "px;top:" + std::to_string(y1) +
               "px;width:" + std::to_string(x2 - x1 + 1) +
               "px;height:" + std::to_string(y2 - y1 + 1) + "px";
    }
    return "left:" + std::to_string(pixels(c.box.left)) +
           "px;top:" + std::to_string(pixels(c.box.top)) +
           "px;width:" + std::to_string(pixels(c.box.width)) +
           "px;height:" + std::to_string(pixels(c.box.height)) + "px";
}

// The face as the window's QFont has it: pixel size, weight and slant.
std::string font(const Control &c)
{
    const QFont f = DesignLook::font(c.kind, c.font);
    return "font:" + std::string(f.italic() ? "italic " : "") + (f.bold() ? "bold " : "") +
           std::to_string(f.pixelSize()) + "px var(--face)";
}

std::string accessibleName(const c3f8::field_row &row)
{
    std::string name(row.caption);
    if (!row.unit.empty())
        name += " [" + std::string(row.unit) + "]";
    return name;
}

class PageWriter
{
public:
    explicit PageWriter(const QPalette &desktop) : m_desktop(desktop) {}

    std::string control(const Control &c, Colour frameGround, const std::string &inside) const
    {
        const std::string id = std::string(c.objectName());
        const QColor text = DesignLook::text(c.text, m_desktop);
        const QColor ground = DesignLook::background(c, frameGround, m_desktop);
        std::string style = pixelBox(c) + ";" + font(c);
        const auto coloured = [&](const QColor &t, const QColor &g) {
            style += ";color:" + css(t) + ";background:" + css(g);
        };
        switch (c.kind) {
        case Kind::Frame:
            coloured(text, ground);
            return "<div id=\"" + id + "\" class=\"frame\" role=\"group\" aria-labelledby=\"" + id +
                   "-caption\" style=\"" + style + "\"><span id=\"" + id +
                   "-caption\" class=\"caption\">" + escaped(c.caption) + "</span>\n" + inside +
                   "</div>\n";
        case Kind::Label:
        case Kind::Warning: {
            coloured(text, ground);
            const std::string caption = c.font == Font::Delta ? "\u0394" : escaped(c.caption);
            const std::string role = c.warning ? " role=\"alert\" hidden" : "";
            return "<div id=\"" + id + "\" class=\"label\"" + role + " style=\"" + style + "\">" +
                   caption + "</div>\n";
        }
        case Kind::Input:
        case Kind::Result: {
            const auto &row = c3f8::row(*c.field);
            const bool result = c.kind == Kind::Result;
            coloured(result ? DesignLook::disabledResultText : text, ground);
            return "<input id=\"" + id + "\" class=\"field\" type=\"text\" autocomplete=\"off\"" +
                   " spellcheck=\"false\" aria-label=\"" + escaped(accessibleName(row)) + "\"" +
                   (result ? " readonly tabindex=\"-1\"" : "") + " style=\"" + style + "\">\n";
        }
        case Kind::Combo: {
            const auto &row = c3f8::row(*c.field);
            coloured(Qt::black, Qt::white);
            return "<input id=\"" + id + "\" class=\"field combo\" type=\"text\"" +
                   " autocomplete=\"off\" spellcheck=\"false\" list=\"" + id + "-items\"" +
                   " aria-label=\"" + escaped(accessibleName(row)) + "\" style=\"" + style +
                   "\"><datalist id=\"" + id + "-items\"></datalist>\n";
        }
        case Kind::Button:
            coloured(text, ground);
            return "<button id=\"" + id + "\" class=\"button\" type=\"button\"" +
                   (c.action == Action::Calculate ? " disabled" : "") + " style=\"" + style +
                   "\">" + escaped(c.caption) + "</button>\n";
        case Kind::Line:
            return "<div id=\"" + id + "\" class=\"line\" aria-hidden=\"true\" style=\"" +
                   pixelBox(c) + ";background:" + css(text) + "\"></div>\n";
        case Kind::Picture:
            return "<div id=\"" + id + "\" class=\"picture\" role=\"img\" aria-label=\"" +
                   "Wykres cisnienie-entalpia czynnika C3F8 z zaznaczonymi stanami ukladu\"" +
                   " style=\"" + pixelBox(c) + "\">\n" + inside + "</div>\n";
        }
        return {};
    }

private:
    QPalette m_desktop;
};

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

// The chart as SVG at the picture's size, its letters drawn as outlines so that it looks the
// same without the faces it was drawn with.
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

// The window's controls as it builds them: box in the window, text and background colour as
// its palette paints them, and caption.
std::string windowControls()
{
    Panel panel;
    QJsonArray controls;
    for (const Control &c : PanelDesign::controls()) {
        const QString name =
            QString::fromUtf8(c.objectName().data(), static_cast<qsizetype>(c.objectName().size()));
        const auto *widget = panel.findChild<QWidget *>(name);
        const QRect box(widget->mapTo(&panel, QPoint(0, 0)), widget->size());
        const QPalette &p = widget->palette();
        auto [text, ground] = std::pair{p.color(QPalette::WindowText), p.color(QPalette::Window)};
        if (c.kind == Kind::Input || c.kind == Kind::Result || c.kind == Kind::Combo)
            std::tie(text, ground) =
                std::pair{p.color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                  QPalette::Text),
                          p.color(QPalette::Base)};
        else if (c.kind == Kind::Button)
            std::tie(text, ground) =
                std::pair{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
        QString caption;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            caption = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            caption = button->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            caption = group->title();
        controls.append(QJsonObject{
            {QStringLiteral("id"), name},
            {QStringLiteral("box"), QJsonArray{box.x(), box.y(), box.width(), box.height()}},
            {QStringLiteral("text"), text.name()},
            {QStringLiteral("background"), ground.name()},
            {QStringLiteral("caption"), caption}});
    }
    return QJsonDocument(controls).toJson().toStdString();
}

std::string readText(const char *path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(1);
    }
    return file.readAll().toStdString();
}

// The head: the engine's script starts at once; the faces the style names are asked for
// before the style is applied.
std::string head(const std::string &style)
{
    std::string preloads;
    static const QRegularExpression face(QStringLiteral(R"re(url\("(fonts/[^"]+\.woff2)"\))re"));
    for (const QRegularExpressionMatch &m : face.globalMatch(QString::fromStdString(style)))
        preloads += "<link rel=\"preload\" href=\"" + m.captured(1).toStdString() +
                    "\" as=\"font\" type=\"font/woff2\" crossorigin>\n";
    const std::string caption = escaped(windowCaption);
    return "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=1000\">\n<title>" +
           caption + "</title>\n" + preloads +
           "<script src=\"c3f8engine.js\" async></script>\n<style>\n" + style +
           "</style>\n</head>\n<body>\n<h1 class=\"visually-hidden\">" + caption + "</h1>\n";
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
    const PageWriter writer(defaultDesktop());

    std::string image;
    QSize imageSize;
    std::array<std::string, 4> frames;
    std::array<Colour, 4> frameGround{};
    for (const Control &c : controls()) {
        if (c.kind == Kind::Frame)
            frameGround[static_cast<std::size_t>(c.frame)] = c.background;
    }
    for (const Control &c : controls()) {
        if (c.kind == Kind::Frame)
            continue;
        if (c.kind == Kind::Picture) {
            imageSize = {pixels(c.box.width), pixels(c.box.height)};
            image = writer.control(c, Colour::Default, chartSvg(imageSize));
            continue;
        }
        const auto parent = static_cast<std::size_t>(c.parent);
        frames[parent] += writer.control(c, frameGround[parent], {});
    }
    // Where the browser cannot run the engine, one line in place of the buttons.
    std::string buttonsLeft, buttonsTop;
    for (const Control &c : controls()) {
        if (c.kind == Kind::Button && buttonsLeft.empty()) {
            buttonsLeft = std::to_string(pixels(c.box.left));
            buttonsTop = std::to_string(pixels(c.box.top));
        }
    }
    frames[static_cast<std::size_t>(Frame::Dane)] +=
        "<p id=\"no_engine\" class=\"label\" hidden style=\"left:" + buttonsLeft +
        "px;top:" + buttonsTop +
        "px\">Ta przegladarka nie obsluguje WebAssembly, wiec kalkulator nie moze "
        "liczyc.</p>\n";

    std::string panel;
    for (const Control &c : controls()) {
        if (c.kind == Kind::Frame)
            panel += writer.control(c, Colour::Default, frames[static_cast<std::size_t>(c.frame)]);
    }
    panel += image;

    const std::string page =
        head(style) + "<main id=\"Panel\" style=\"width:" + std::to_string(pixels(clientWidth)) +
        "px;height:" + std::to_string(pixels(clientHeight)) +
        "px;background:" + css(DesignLook::fixed(Colour::WindowBrown)) + "\">\n" + panel +
        "</main>\n"
        "<div id=\"status\" class=\"visually-hidden\" role=\"status\"></div>\n"
        "<dialog id=\"failure\" aria-labelledby=\"failure_title\" "
        "aria-describedby=\"failure_message\">\n<h2 id=\"failure_title\">" +
        escaped(c3f8::failure_title) +
        "</h2>\n<p id=\"failure_message\"></p>\n"
        "<button id=\"failure_ok\" type=\"button\" autofocus>OK</button>\n</dialog>\n"
        "<footer><p>Strona dla aktualnych przegladarek Chromium, Firefox i Safari. "
        "Nic nie jest wysylane poza te strone.</p></footer>\n<script>\n" +
        script + "</script>\n</body>\n</html>\n";

    QImage chart(imageSize, QImage::Format_RGB32);
    {
        QPainter painter(&chart);
        PressureEnthalpyChart::draw(painter, QSizeF(imageSize));
    }
    if (!write(argv[3], page) || !chart.save(QString::fromLocal8Bit(argv[4])) ||
        !write(argv[5], windowControls())) {
        std::fprintf(stderr, "%s: cannot write its files\n", argv[0]);
        return 1;
    }
    return 0;
}
