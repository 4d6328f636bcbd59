#include "startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto translation = speakDesktopLanguage();
    nameToDesktop();
    // The data folder is the working directory; every file is found there by its bare name.
    AppContext context(QDir::current());
    startBrenlo(context);
    return application.exec();
}
