#pragma once

#include "app/app_context.h"
#include "app/app_screens.h"
#include "app/group_box_frame_style.h"
#include "app/png_pixmap.h"
#include "practice/practice_screens.h"
#include "report/report_module.h"
#include "server/class_server.h"
#include "sound/sound_screens.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

// Names the program to the desktop: Wayland desktops take the icon from the desktop
// entry this names; X11 ones read it off each window. The icon's sizes are the
// resources the brenlo_icon library compiles in.
inline void nameToDesktop() {
    QApplication::setDesktopFileName(QStringLiteral("brenlo-math"));
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icon")).entryInfoList())
        icon.addPixmap(readPngPixmap(size.filePath()));
    QApplication::setWindowIcon(icon);
}

// Lets every subsystem provide its screens, then shows the main menu.
inline QWidget* startBrenlo(AppContext& context) {
    useGroupBoxFrameStyle();
    provideAppScreens(context);
    providePracticeScreens(context);
    provideReportScreensFromModule(context);
    provideSoundScreens(context);
    QWidget* menu = context.screens.show(ScreenId::MainMenu);
    startClassServer(context, menu);
    return menu;
}
