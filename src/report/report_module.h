#pragma once

#include "app/screens.h"

class AppContext;

// The program has the report screens from a module loaded when the scores are first
// shown, so that Qt Charts, which they draw with, does not load at every start. The
// module binds to the rest of the program, which exports its symbols for it.

// The module's entry: makeReportScreen, for the program to own.
using MakeReportScreen = QWidget* (*)(AppContext& context, ScreenId id);
inline constexpr const char* kMakeReportScreenSymbol = "brenloMakeReportScreen";

// Registers the report screens with the screen owner; the first one made loads the
// module, and tells the user when it cannot be loaded.
void provideReportScreensFromModule(AppContext& context);
