#include "application.h"

#include "project_info.h"
#include "window/panel.h"

#include <QApplication>
#include <QStyleFactory>

void prepareApplication(QApplication &app)
{
    // Fusion draws every control in the colours it is given, on every desktop.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The panel shows its own faces only; the failure message takes the desktop's font.
    QApplication::setFont(Panel::labelFont());
    app.setApplicationName(QString::fromLatin1(project_info::name));
    app.setApplicationVersion(QString::fromLatin1(project_info::version));
    app.setDesktopFileName(QString::fromLatin1(project_info::app_id));
}
