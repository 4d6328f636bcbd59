#include "report_module.h"
#include "report_screens.h"

#include "app/app_context.h"
#include "app/core/program_module.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

MakeReportScreen loadModule(AppContext& context) {
    QLibrary module(programModulePath(QStringLiteral(BRENLO_REPORT_FILE_NAME),
                                      QStringLiteral(BRENLO_REPORT_BUILD_PATH)));
    // Every symbol bound now, so that one the program lacks fails here rather than later.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const auto make = reinterpret_cast<MakeReportScreen>(module.resolve(kMakeReportScreenSymbol));
    if (!make)
        context.messages->inform(
            nullptr,
            QCoreApplication::translate("ReportModule",
                                        "The scores cannot be shown: the report module cannot be "
                                        "loaded: %1")
                .arg(module.errorString()));
    return make;
}

}  // namespace

void provideReportScreensFromModule(AppContext& context) {
    auto make = std::make_shared<MakeReportScreen>(nullptr);
    for (const ScreenId id : kReportScreens)
        context.screens.provide(id, [&context, id, make]() -> std::unique_ptr<QWidget> {
            if (!*make) *make = loadModule(context);
            return std::unique_ptr<QWidget>(*make ? (*make)(context, id) : nullptr);
        });
}
