// The chart as SVG for the page: drawn by the chart's own painting code through Qt's SVG
// generator, its letters as outlines, made lean.
#pragma once

#include <QSize>

#include <string>

// The <svg> element of the chart at size, filling the box it is put in, hidden from screen
// readers (the picture's box names it).
std::string chartSvg(const QSize &size);
