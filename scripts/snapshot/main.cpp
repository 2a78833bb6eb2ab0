// Writes the pictures for the README: the chart at its full size, and the window after a run.
//
//   panel_snapshot CHART.png WINDOW.png
#include "application.h"
#include "chart/pressure_enthalpy_chart.h"
#include "core/catalogue.h"
#include "window/panel.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CHART.png WINDOW.png\n", argv[0]);
        return 2;
    }
    prepareApplication(app);

    QImage chart(PressureEnthalpyChart::designSize.toSize(), QImage::Format_RGB32);
    {
        QPainter painter(&chart);
        painter.setRenderHint(QPainter::Antialiasing);
        PressureEnthalpyChart::draw(painter);
    }
    if (!chart.save(QString::fromLocal8Bit(argv[1])))
        return 1;

    // The first worked example: a liquid too warm for the wanted inlet quality.
    Panel panel;
    const char *typed[] = {"-25", "15", "0.1", "0.9", "500", "10"};
    for (std::size_t i = 0; i < c3f8::input_count; ++i) {
        const auto name = QString::fromLatin1(c3f8::field_name(c3f8::input(i)).data());
        if (auto *box = panel.findChild<QComboBox *>(name))
            box->setEditText(QString::fromLatin1(typed[i]));
        else
            panel.findChild<QLineEdit *>(name)->setText(QString::fromLatin1(typed[i]));
    }
    panel.findChild<QPushButton *>(QStringLiteral("obl_b"))->click();
    panel.show();
    app.processEvents();
    return panel.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
