#pragma once

#include "app/app_context.h"
#include "app/app_screens.h"
#include "practice/practice_screens.h"
#include "report/report_module.h"
#include "sound/sound_screens.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

// Names the program to the desktop: Wayland desktops take the icon from the desktop
// entry this names; X11 ones read it off each window. The icon's sizes are the
// resources the brenlo_icon library compiles in.
inline void nameToDesktop() {
    QApplication::setDesktopFileName(QStringLiteral("brenlo-math"));
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icon")).entryInfoList()) {
        // Told the format and not to guess it, Qt asks none of its image plugins,
        // which would otherwise all load before the window shows.
        QImageReader reader(size.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);
}

// Lets every subsystem provide its screens, then shows the main menu.
inline QWidget* startBrenlo(AppContext& context) {
    provideAppScreens(context);
    providePracticeScreens(context);
    provideReportScreensFromModule(context);
    provideSoundScreens(context);
    return context.screens.show(ScreenId::MainMenu);
}
