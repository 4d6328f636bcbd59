#include "window_printer.h"

#include "app/core/program_module.h"
#include "print_module.h"

#include <QCoreApplication>
#include <QLibrary>

WindowPrinter::Result SystemWindowPrinter::print(QWidget& window) {
    if (!printWindow_) {
        QLibrary module(programModulePath(QStringLiteral(BRENLO_PRINT_FILE_NAME),
                                          QStringLiteral(BRENLO_PRINT_BUILD_PATH)));
        printWindow_ = reinterpret_cast<PrintWindow>(module.resolve(kPrintWindowSymbol));
        if (!printWindow_)
            return {{},
                    QCoreApplication::translate(
                        "WindowPrinter", "Could not print: the print module cannot be loaded: %1")
                        .arg(module.errorString())};
    }
    return printWindow_(window, dataFolder_, now_());
}
