// The yardstick: a bare Qt Widgets window of the main menu's size.
#include "first_paint_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(620, 360);
    window.setWindowTitle(QStringLiteral("bare"));
    FirstPaintProbe::watch(&window);
    window.show();
    return application.exec();
}
