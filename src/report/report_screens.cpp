#include "report_screens.h"

#include "progress_window.h"
#include "scoring_summary.h"

#include "app/app_context.h"

void provideReportScreens(AppContext& context) {
    context.screens.provide(ScreenId::ScoringSummary,
                            [&context] { return std::make_unique<ScoringSummary>(context); });
    context.screens.provide(ScreenId::Progress,
                            [&context] { return std::make_unique<ProgressWindow>(context); });
}
