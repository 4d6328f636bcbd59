#pragma once

#include "app/app_context.h"
#include "app/app_screens.h"
#include "practice/practice_screens.h"
#include "report/report_screens.h"
#include "sound/sound_screens.h"

// Lets every subsystem provide its screens, then shows the main menu.
inline QWidget* startBrenlo(AppContext& context) {
    provideAppScreens(context);
    providePracticeScreens(context);
    provideReportScreens(context);
    provideSoundScreens(context);
    return context.screens.show(ScreenId::MainMenu);
}
