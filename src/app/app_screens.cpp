#include "app_screens.h"

#include "about_screen.h"
#include "app_context.h"
#include "help_screen.h"
#include "main_menu.h"
#include "multiplication_table.h"

void provideAppScreens(AppContext& context) {
    context.screens.provide(ScreenId::MainMenu,
                            [&context] { return std::make_unique<MainMenu>(context); });
    context.screens.provide(ScreenId::MultiplicationTable,
                            [] { return std::make_unique<MultiplicationTable>(); });
    context.screens.provide(ScreenId::Help, [] { return std::make_unique<HelpScreen>(); });
    context.screens.provide(ScreenId::About, [] { return std::make_unique<AboutScreen>(); });
}
