#pragma once

class AppContext;

// Registers the scoring summary screen and its progress window with the screen owner.
void provideReportScreens(AppContext& context);
