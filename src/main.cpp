#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Wayland desktops take the icon from the desktop entry this names; X11 ones
    // read it off each window.
    QApplication::setDesktopFileName(QStringLiteral("brenlo-math"));
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icon")).entryInfoList())
        icon.addFile(size.filePath());
    QApplication::setWindowIcon(icon);
    // The data folder is the working directory; every file is found there by its bare name.
    AppContext context(QDir::current());
    startBrenlo(context);
    return application.exec();
}
