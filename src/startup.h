#pragma once

#include "app/app_context.h"
#include "app/app_screens.h"
#include "app/core/installed_translation.h"
#include "app/desktop_name.h"
#include "app/group_box_frame_style.h"
#include "practice/practice_screens.h"
#include "report/report_module.h"
#include "server/class_server.h"
#include "sound/sound_screens.h"

#include <QDir>

// Brenlo Math Practice, as its desktop entry names it.
inline void nameToDesktop() {
    nameProgramToDesktop(QStringLiteral("brenlo-math"));
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
