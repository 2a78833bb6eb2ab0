// The design's fonts and colours as Qt draws them: fixed RGB values, two system colours of the
// desktop, and the classic faces at the design's sizes.
#pragma once

#include "panel_design.h"

#include <QColor>
#include <QFont>
#include <QPalette>

namespace DesignLook {

QColor fixed(PanelDesign::Colour colour);

// Text colour of a control; the default is black.
QColor text(PanelDesign::Colour colour, const QPalette &system);

// Background of a control; a label's default is the colour of the frame that holds it.
QColor background(const PanelDesign::Control &control, PanelDesign::Colour frameBackground,
                  const QPalette &system);

// Text of the disabled result fields: light enough for 4.5 : 1 on navy and on green.
inline const QColor disabledResultText{245, 245, 245};

// The font of a control of the given kind in the given design font.
QFont font(PanelDesign::Kind kind, PanelDesign::Font font);

// The contrast ratio of two colours as defined for accessible web content, 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

} // namespace DesignLook
