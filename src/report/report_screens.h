#pragma once

class AppContext;

// Registers the scoring summary screen with the screen owner.
void provideReportScreens(AppContext& context);
