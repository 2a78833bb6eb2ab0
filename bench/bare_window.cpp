// The yardsticks of the start-up benchmark: a bare Qt 6 window of the panel's size and colour,
// and with the argument "label" the same window with one bold label, which pays for loading a
// face and laying out text as the panel does.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(981, 730);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(128, 64, 64));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    if (argc > 1 && std::strcmp(argv[1], "label") == 0) {
        auto *label = new QLabel(QStringLiteral("T odparowania"), &window);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setGeometry(30, 30, 105, 17);
    }
    window.show();
    return app.exec();
}
