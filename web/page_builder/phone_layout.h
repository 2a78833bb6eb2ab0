// Where each control stands when the page is narrower than the window: the frames one under
// the other, each a grid of lines, a line being a field with the labels that name it, its unit
// and the item number before it. The lines follow the design's reading order: a frame's blocks
// of fields side by side (Wyniki has two) one after the other, each from top to bottom.
#pragma once

#include "window/panel_design.h"

#include <span>
#include <string>

// One CSS rule for each control of a frame (ids as selectors): its grid row and column, in the
// columns num, name, field and unit of the page's narrow style.
std::string phoneRules(std::span<const PanelDesign::Control> controls);
