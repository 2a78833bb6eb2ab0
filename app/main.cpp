// c3f8calc: mass flow and pre-heater power of a C3F8 evaporative cooling loop.
#include "application.h"
#include "window/panel.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // The panel is laid out in pixels for its faces; Qt's FreeType engine draws them, bold cuts
    // included, exactly as on the other systems, where the GDI engine can fall back to a regular
    // cut of a bold face.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    QApplication app(argc, argv);
    prepareApplication(app);

    Panel panel;
    if (const QScreen *screen = panel.screen())
        panel.move(screen->availableGeometry().center() - panel.rect().center());
    panel.show();
    return app.exec();
}
