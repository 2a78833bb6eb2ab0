// The page's HTML, written from the window's design table and the calculation's catalogue: the
// 78 controls at their places in their colours and fonts, with their object names as ids.
#pragma once

#include <QSize>

#include <string>

// The picture's box in pixels, the size the chart is drawn at.
QSize pictureSize();

struct WebPage
{
    std::string html;
    // The Content-Security-Policy that lets this page, and nothing else, run and style it.
    std::string policy;
};

// The whole page, with style and script inside it and the chart's SVG in the picture's box.
// The style's narrow layout must hold the line "/* places of the controls on the narrow grid */",
// which the controls' places replace (std::invalid_argument otherwise). Needs a QApplication
// (the fonts and the chart are Qt's).
WebPage pageHtml(const std::string &style, const std::string &script);
