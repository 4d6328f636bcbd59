#include "practice_screens.h"

#include "difficulty_dialog.h"
#include "practice_screen.h"
#include "speed_dialog.h"

#include "app/app_context.h"

void providePracticeScreens(AppContext& context) {
    for (const PracticeKind kind : kPracticeKinds) {
        context.screens.provide(screenIdOf(kind), [&context, kind] {
            return std::make_unique<PracticeScreen>(context, kind);
        });
        context.screens.provide(difficultyDialogIdOf(kind), [&context, kind] {
            return std::make_unique<DifficultyDialog>(context, kind);
        });
    }
    context.screens.provide(ScreenId::Speed,
                            [&context] { return std::make_unique<SpeedDialog>(context); });
}

ScreenId screenIdOf(PracticeKind kind) {
    return kind == PracticeKind::AdditionSubtraction ? ScreenId::AddSubPractice
                                                     : ScreenId::MulDivPractice;
}

ScreenId difficultyDialogIdOf(PracticeKind kind) {
    return kind == PracticeKind::AdditionSubtraction ? ScreenId::FiveLevelDifficulty
                                                     : ScreenId::FourLevelDifficulty;
}

PracticeScreen* findPracticeScreen(const Screens& screens, PracticeKind kind) {
    return qobject_cast<PracticeScreen*>(screens.find(screenIdOf(kind)));
}

PracticeScreen& practiceScreen(Screens& screens, PracticeKind kind) {
    return *qobject_cast<PracticeScreen*>(screens.get(screenIdOf(kind)));
}

PracticeKind frontPracticeKind(const Screens& screens) {
    return screens.isVisible(ScreenId::MulDivPractice) &&
                   !screens.isVisible(ScreenId::AddSubPractice)
               ? PracticeKind::MultiplicationDivision
               : PracticeKind::AdditionSubtraction;
}

void freezeFrontPracticeScreen(const Screens& screens) {
    // A screen that was never made has no sheet to freeze.
    if (PracticeScreen* screen = findPracticeScreen(screens, frontPracticeKind(screens)))
        screen->freeze();
}
