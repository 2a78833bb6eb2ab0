#include "window_controls.h"

#include "window/panel.h"
#include "window/panel_design.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

#include <stdexcept>
#include <tuple>

using namespace PanelDesign;

std::string windowControls()
{
    Panel panel;
    QJsonArray controls;
    for (const Control &c : PanelDesign::controls()) {
        const QString name =
            QString::fromUtf8(c.objectName().data(), static_cast<qsizetype>(c.objectName().size()));
        const auto *widget = panel.findChild<QWidget *>(name);
        if (!widget)
            throw std::logic_error("the window has no control " + name.toStdString());
        const QRect box(widget->mapTo(&panel, QPoint(0, 0)), widget->size());
        const QPalette &p = widget->palette();
        auto [text, ground] = std::pair{p.color(QPalette::WindowText), p.color(QPalette::Window)};
        if (c.kind == Kind::Input || c.kind == Kind::Result || c.kind == Kind::Combo)
            std::tie(text, ground) =
                std::pair{p.color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                  QPalette::Text),
                          p.color(QPalette::Base)};
        else if (c.kind == Kind::Button)
            std::tie(text, ground) =
                std::pair{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
        QString caption;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            caption = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            caption = button->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            caption = group->title();
        controls.append(QJsonObject{
            {QStringLiteral("id"), name},
            {QStringLiteral("box"), QJsonArray{box.x(), box.y(), box.width(), box.height()}},
            {QStringLiteral("text"), text.name()},
            {QStringLiteral("background"), ground.name()},
            {QStringLiteral("caption"), caption}});
    }
    return QJsonDocument(controls).toJson().toStdString();
}
