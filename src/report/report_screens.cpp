#include "report_screens.h"

#include "progress_window.h"
#include "scoring_summary.h"

#include "app/app_context.h"

std::unique_ptr<QWidget> makeReportScreen(AppContext& context, ScreenId id) {
    if (id == ScreenId::Progress) return std::make_unique<ProgressWindow>(context);
    return std::make_unique<ScoringSummary>(context);
}

void provideReportScreens(AppContext& context) {
    for (const ScreenId id : kReportScreens)
        context.screens.provide(id, [&context, id] { return makeReportScreen(context, id); });
}
