#include "app/app_context.h"
#include "app/app_screens.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The data folder is the working directory; every file is found there by its bare name.
    AppContext context(QDir::current());
    provideAppScreens(context);
    context.screens.show(ScreenId::MainMenu);
    return application.exec();
}
