#include "page_html.h"

#include "chart_svg.h"
#include "core/catalogue.h"
#include "window/design_look.h"
#include "window/panel_design.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

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
            // The list of the items the field's row offers, filled by the page's script.
            const auto &row = c3f8::row(*c.field);
            const std::string items = std::string(row.name) + "-items";
            coloured(Qt::black, Qt::white);
            return "<input id=\"" + id + "\" class=\"field combo\" type=\"text\"" +
                   " autocomplete=\"off\" spellcheck=\"false\" list=\"" + items + "\"" +
                   " aria-label=\"" + escaped(accessibleName(row)) + "\" style=\"" + style +
                   "\"><datalist id=\"" + items + "\"></datalist>\n";
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
           "<script src=\"c3f8engine.js\" async onerror=\"c3f8EngineReady = null\"></script>\n"
           "<style>\n" +
           style + "</style>\n</head>\n<body>\n<h1 class=\"visually-hidden\">" + caption +
           "</h1>\n";
}

} // namespace

QSize pictureSize()
{
    for (const Control &c : controls()) {
        if (c.kind == Kind::Picture)
            return {pixels(c.box.width), pixels(c.box.height)};
    }
    return {};
}

std::string pageHtml(const std::string &style, const std::string &script)
{
    const PageWriter writer(defaultDesktop());

    std::string image;
    std::array<std::string, frameCount> frames;
    std::array<Colour, frameCount> frameGround{};
    for (const Control &c : controls()) {
        if (c.kind == Kind::Frame)
            frameGround[static_cast<std::size_t>(c.frame)] = c.background;
    }
    for (const Control &c : controls()) {
        if (c.kind == Kind::Frame)
            continue;
        if (c.kind == Kind::Picture) {
            image = writer.control(c, Colour::Default, chartSvg(pictureSize()));
            continue;
        }
        const auto parent = static_cast<std::size_t>(c.parent);
        frames[parent] += writer.control(c, frameGround[parent], {});
    }
    // Where the browser cannot run the engine, one line in place of the buttons, in their frame.
    const auto firstButton = std::ranges::find(controls(), Kind::Button, &Control::kind);
    frames[static_cast<std::size_t>(firstButton->parent)] +=
        "<p id=\"no_engine\" class=\"label\" hidden style=\"left:" +
        std::to_string(pixels(firstButton->box.left)) +
        "px;top:" + std::to_string(pixels(firstButton->box.top)) +
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
    return page;
}
