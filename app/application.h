// What the window program sets up before it creates its panel: the style, the font, and the
// names and version that the desktop and the window system see.
#pragma once

class QApplication;

void prepareApplication(QApplication &app);
