// The program's own start-up, up to the main menu's first paint.
#include "first_paint_probe.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    AppContext context(QDir::current());
    FirstPaintProbe::watch(startBrenlo(context));
    return application.exec();
}
