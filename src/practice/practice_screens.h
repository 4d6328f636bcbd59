#pragma once

#include "scores/core/practice_kind.h"

#include "app/screens.h"

class AppContext;

// Registers both practice screens and the speed and difficulty dialogs with the
// screen owner.
void providePracticeScreens(AppContext& context);

ScreenId screenIdOf(PracticeKind kind);
// The difficulty dialog whose levels a practice screen offers.
ScreenId difficultyDialogIdOf(PracticeKind kind);

// The practice screen the user is on: the addition/subtraction one unless only
// the other one is visible.
PracticeKind frontPracticeKind(const Screens& screens);
// Stops the front screen's countdown and locks its answers.
void freezeFrontPracticeScreen(const Screens& screens);
