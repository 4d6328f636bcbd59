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

PracticeKind frontPracticeKind(const Screens& screens) {
    return screens.isVisible(ScreenId::MulDivPractice) &&
                   !screens.isVisible(ScreenId::AddSubPractice)
               ? PracticeKind::MultiplicationDivision
               : PracticeKind::AdditionSubtraction;
}

void freezeFrontPracticeScreen(const Screens& screens) {
    // A screen that was never made has no sheet to freeze.
    if (PracticeScreen* screen =
            screens.find<PracticeScreen>(screenIdOf(frontPracticeKind(screens))))
        screen->freeze();
}
