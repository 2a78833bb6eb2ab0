#include "page_html.h"

#include "chart_svg.h"
#include "core/catalogue.h"
#include "window/design_look.h"
#include "window/panel_design.h"

#include "phone_layout.h"

#include <QCryptographicHash>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

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

// A face as the window's QFont has it: pixel size, weight and slant.
std::string font(const QFont &f)
{
    return "font:" + std::string(f.italic() ? "italic " : "") + (f.bold() ? "bold " : "") +
           std::to_string(f.pixelSize()) + "px var(--face)";
}

std::string font(const Control &c)
{
    return font(DesignLook::font(c.kind, c.font));
}

std::string accessibleName(const c3f8::field_row &row)
{
    std::string name(row.caption);
    if (!row.unit.empty())
        name += " [" + std::string(row.unit) + "]";
    return name;
}

// One rule for an element's own place and colours, by its id: the page carries no style
// attributes, so that a policy without 'unsafe-inline' leaves it styled.
std::string idRule(std::string_view id, const std::string &declarations)
{
    std::string rule = "#";
    rule.append(id).append("{").append(declarations).append("}\n");
    return rule;
}

// The keyboard a phone offers for an input: one with a minus where users type negative values.
std::string inputMode(const c3f8::field_row &row)
{
    return row.negative_values ? "text" : "decimal";
}

class PageWriter
{
public:
    explicit PageWriter(const QPalette &desktop) : m_desktop(desktop) {}

    const std::string &rules() const { return m_rules; }

    std::string control(const Control &c, Colour frameGround, const std::string &inside)
    {
        const std::string id = std::string(c.objectName());
        const QColor text = DesignLook::text(c.text, m_desktop);
        const QColor ground = DesignLook::background(c, frameGround, m_desktop);
        std::string style = pixelBox(c) + ";" + font(c);
        const auto coloured = [&](const QColor &t, const QColor &g) {
            style += ";color:" + css(t) + ";background:" + css(g);
        };
        const auto styled = [&](const std::string &element) {
            m_rules += idRule(id, style);
            return element;
        };
        switch (c.kind) {
        case Kind::Frame:
            coloured(text, ground);
            return styled("<div id=\"" + id +
                          "\" class=\"frame\" role=\"group\" aria-labelledby=\"" + id +
                          "-caption\"><span id=\"" + id + "-caption\" class=\"caption\">" +
                          escaped(c.caption) + "</span>\n" + inside + "</div>\n");
        case Kind::Label:
        case Kind::Warning: {
            coloured(text, ground);
            const std::string caption = c.font == Font::Delta ? "\u0394" : escaped(c.caption);
            const std::string role = c.warning ? " role=\"alert\" hidden" : "";
            return styled("<div id=\"" + id + "\" class=\"label\"" + role + ">" + caption +
                          "</div>\n");
        }
        case Kind::Input:
        case Kind::Result: {
            const auto &row = c3f8::row(*c.field);
            const bool result = c.kind == Kind::Result;
            coloured(result ? DesignLook::disabledResultText : text, ground);
            return styled(
                "<input id=\"" + id + "\" class=\"field\" type=\"text\" autocomplete=\"off\"" +
                " spellcheck=\"false\" aria-label=\"" + escaped(accessibleName(row)) + "\"" +
                (result ? " readonly tabindex=\"-1\"" : " inputmode=\"" + inputMode(row) + "\"") +
                ">\n");
        }
        case Kind::Combo: {
            // The list of the items the field's row offers, filled by the page's script.
            const auto &row = c3f8::row(*c.field);
            const std::string items = std::string(row.name) + "-items";
            coloured(Qt::black, Qt::white);
            return styled("<input id=\"" + id + "\" class=\"field combo\" type=\"text\"" +
                          " autocomplete=\"off\" spellcheck=\"false\" list=\"" + items + "\"" +
                          " inputmode=\"" + inputMode(row) + "\" aria-label=\"" +
                          escaped(accessibleName(row)) + "\"><datalist id=\"" + items +
                          "\"></datalist>\n");
        }
        case Kind::Button:
            coloured(text, ground);
            return styled("<button id=\"" + id + "\" class=\"button\" type=\"button\"" +
                          (c.action == Action::Calculate ? " disabled" : "") + ">" +
                          escaped(c.caption) + "</button>\n");
        case Kind::Line:
            style = pixelBox(c) + ";background:" + css(text);
            return styled("<div id=\"" + id + "\" class=\"line\" aria-hidden=\"true\"></div>\n");
        case Kind::Picture:
            style = pixelBox(c);
            return styled(
                "<div id=\"" + id + "\" class=\"picture\" role=\"img\" aria-label=\"" +
                "Wykres cisnienie-entalpia czynnika C3F8 z zaznaczonymi stanami ukladu\">\n" +
                inside + "</div>\n");
        }
        return {};
    }

    void addRule(std::string_view id, const std::string &declarations)
    {
        m_rules += idRule(id, declarations);
    }

private:
    QPalette m_desktop;
    std::string m_rules;
};

// Starts loading the engine while the page is still parsed; the page's script takes the promise.
// An element made here needs no event-handler attribute, which a strict policy would refuse.
constexpr std::string_view engineLoader =
    "var c3f8EngineLoaded = new Promise(function (resolve, reject) {\n"
    "    var engine = document.createElement('script');\n"
    "    engine.src = 'c3f8engine.js';\n"
    "    engine.onload = resolve;\n"
    "    engine.onerror = reject;\n"
    "    document.head.appendChild(engine);\n"
    "});\n";

// The line of the style's narrow layout that the controls' places on its grid replace.
constexpr std::string_view narrowPlaces = "/* places of the controls on the narrow grid */";

std::string head(const std::string &style)
{
    const std::string caption = escaped(windowCaption);
    return "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           caption +
           "</title>\n<link rel=\"icon\" href=\"c3f8calc.svg\" type=\"image/svg+xml\">\n"
           "<script>\n" +
           std::string(engineLoader) + "</script>\n<style>\n" + style +
           "</style>\n</head>\n<body>\n<h1 class=\"visually-hidden\">" + caption + "</h1>\n";
}

// The source a policy allows an inline element's text by: its SHA-256, in base64.
std::string hashSource(std::string_view text)
{
    const QByteArray digest = QCryptographicHash::hash(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())), QCryptographicHash::Sha256);
    return "'sha256-" + digest.toBase64().toStdString() + "'";
}

// Every inline script's and style's hash, in the order the page has them.
std::vector<std::string> inlineHashes(const std::string &page, std::string_view tag)
{
    std::vector<std::string> hashes;
    std::string open = "<", close = "</";
    open.append(tag).append(">");
    close.append(tag).append(">");
    for (std::size_t at = page.find(open); at != std::string::npos; at = page.find(open, at)) {
        at += open.size();
        const std::size_t end = page.find(close, at);
        hashes.push_back(hashSource(std::string_view(page).substr(at, end - at)));
    }
    return hashes;
}

std::string joined(const std::vector<std::string> &items)
{
    std::string out;
    for (const std::string &item : items)
        out += " " + item;
    return out;
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

WebPage pageHtml(const std::string &style, const std::string &script)
{
    PageWriter writer(defaultDesktop());

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
    // Where the engine cannot run, a line in place of the buttons, within their frame; the
    // page's script says why.
    const auto firstButton = std::ranges::find(controls(), Kind::Button, &Control::kind);
    frames[static_cast<std::size_t>(firstButton->parent)] +=
        "<p id=\"no_engine\" class=\"label\" hidden></p>\n";
    writer.addRule("no_engine",
                   "left:8px;right:8px;top:" + std::to_string(pixels(firstButton->box.top)) +
                       "px;white-space:normal;" +
                       font(DesignLook::font(Kind::Label, Font::Standard)));

    std::string panel;
    for (const Control &c : controls()) {
        if (c.kind == Kind::Frame)
            panel += writer.control(c, Colour::Default, frames[static_cast<std::size_t>(c.frame)]);
    }
    panel += image;
    writer.addRule("Panel", "width:" + std::to_string(pixels(clientWidth)) +
                                "px;height:" + std::to_string(pixels(clientHeight)) +
                                "px;background:" + css(DesignLook::fixed(Colour::WindowBrown)));

    // The controls' own rules first: the style's narrow layout overrides their boxes, and
    // places each of them where its marked line stands.
    std::string rules = writer.rules() + style;
    const std::size_t places = rules.find(narrowPlaces);
    if (places == std::string::npos)
        throw std::invalid_argument("the style has no line " + std::string(narrowPlaces));
    rules.replace(places, narrowPlaces.size(), phoneRules(controls()));
    WebPage page;
    page.html = head(rules) + "<main id=\"Panel\">\n" + panel +
                "</main>\n"
                "<div id=\"status\" class=\"visually-hidden\" role=\"status\"></div>\n"
                "<p id=\"printed\" class=\"print-only\"></p>\n"
                "<dialog id=\"failure\" aria-labelledby=\"failure_title\" "
                "aria-describedby=\"failure_message\">\n<h2 id=\"failure_title\">" +
                escaped(c3f8::failure_title) +
                "</h2>\n<p id=\"failure_message\"></p>\n"
                "<button id=\"failure_ok\" type=\"button\" autofocus>OK</button>\n</dialog>\n"
                "<footer><p>Strona dla aktualnych przegladarek Chromium, Firefox i Safari. "
                "Nic nie jest wysylane poza te strone.</p></footer>\n<script>\n" +
                script + "</script>\n</body>\n</html>\n";
    // What a server sends with the page so that nothing but the page's own may run or style
    // it: its files, its inline script and style by their hashes, the faces inside it and the
    // engine's WebAssembly.
    page.policy = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'" +
                  joined(inlineHashes(page.html, "script")) + "; style-src 'self'" +
                  joined(inlineHashes(page.html, "style")) +
                  "; font-src data:; connect-src 'self' data:";
    return page;
}
