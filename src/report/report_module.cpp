#include "report_module.h"
#include "report_screens.h"

extern "C" Q_DECL_EXPORT QWidget* brenloMakeReportScreen(AppContext& context, ScreenId id) {
    return makeReportScreen(context, id).release();
}
