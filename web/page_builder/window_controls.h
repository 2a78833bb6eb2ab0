// The real window's controls, for the tests that hold the page against the window.
#pragma once

#include <string>

// JSON: every control of the design, as the window builds it: its object name, its box in the
// window in pixels, the text and background colours its palette paints it with, and its
// caption. Needs a QApplication.
std::string windowControls();
