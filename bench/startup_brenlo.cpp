// The program's own start-up, as main() does it, up to the main menu's first frame.
#include "first_paint_probe.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto translation = speakDesktopLanguage();
    nameToDesktop();
    AppContext context(QDir::current());
    FirstPaintProbe::watch(startBrenlo(context));
    return application.exec();
}
