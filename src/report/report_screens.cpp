#include "report_screens.h"

#include "scoring_summary.h"

#include "app/app_context.h"

void provideReportScreens(AppContext& context) {
    context.screens.provide(ScreenId::ScoringSummary,
                            [&context] { return std::make_unique<ScoringSummary>(context); });
}
