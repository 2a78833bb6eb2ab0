// c3f8calc: mass flow and pre-heater power of a C3F8 evaporative cooling loop.
#include "panel.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Panel::prepareApplication(app);

    Panel panel;
    if (const QScreen *screen = panel.screen())
        panel.move(screen->availableGeometry().center() - panel.rect().center());
    panel.show();
    return app.exec();
}
