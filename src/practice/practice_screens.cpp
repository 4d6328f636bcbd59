#include "practice_screens.h"

#include "practice_screen.h"

#include "app/app_context.h"

void providePracticeScreens(AppContext& context) {
    context.screens.provide(ScreenId::AddSubPractice, [&context] {
        return std::make_unique<PracticeScreen>(context, PracticeKind::AdditionSubtraction);
    });
    context.screens.provide(ScreenId::MulDivPractice, [&context] {
        return std::make_unique<PracticeScreen>(context, PracticeKind::MultiplicationDivision);
    });
}
