#pragma once

class AppContext;

// Lets the screen owner create the application shell's screens.
void provideAppScreens(AppContext& context);
