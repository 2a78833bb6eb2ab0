// The panel's colours: fixed RGB values of the design, and two system colours of the desktop.
#pragma once

#include "panel_design.h"

#include <QColor>
#include <QPalette>

namespace PanelColours {

QColor fixed(PanelDesign::Colour colour);

// Text colour of a control; the default is black.
QColor text(PanelDesign::Colour colour, const QPalette &system);

// Background of a control; a label's default is the colour of its frame.
QColor background(const PanelDesign::Control &control, const PanelDesign::Control *frame,
                  const QPalette &system);

// Text of the disabled result fields: light enough for 4.5 : 1 on navy and on green.
inline const QColor disabledResultText{245, 245, 245};

// The contrast ratio of two colours as defined for accessible web content, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

} // namespace PanelColours
