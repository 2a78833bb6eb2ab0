// The yardstick of the start-up benchmark: a bare Qt 6 window of the panel's size and colour.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(981, 730);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(128, 64, 64));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.show();
    return app.exec();
}
