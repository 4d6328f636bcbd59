// The yardsticks: a bare Qt Widgets window of the main menu's size, and with
// the argument "text" the same window with one label, which adds the loading
// of the font system that any window with text pays for.
#include "first_paint_probe.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(620, 360);
    window.setWindowTitle(QStringLiteral("bare"));
    if (application.arguments().value(1) == QLatin1String("text"))
        (new QVBoxLayout(&window))->addWidget(new QLabel(QStringLiteral("Pick a choice to start")));
    FirstPaintProbe::watch(&window);
    window.show();
    return application.exec();
}
