#pragma once

#include "app/screens.h"

#include <memory>

class AppContext;
class QWidget;

// The screens the report subsystem makes.
inline constexpr ScreenId kReportScreens[] = {ScreenId::ScoringSummary, ScreenId::Progress};

// One of kReportScreens, new.
std::unique_ptr<QWidget> makeReportScreen(AppContext& context, ScreenId id);

// Registers the scoring summary screen and its progress window with the screen owner.
void provideReportScreens(AppContext& context);
