#include "app_screens.h"

#include "app_context.h"
#include "main_menu.h"
#include "multiplication_table.h"

void provideAppScreens(AppContext& context) {
    context.screens.provide(ScreenId::MainMenu,
                            [&context] { return std::make_unique<MainMenu>(context); });
    context.screens.provide(ScreenId::MultiplicationTable,
                            [] { return std::make_unique<MultiplicationTable>(); });
}
