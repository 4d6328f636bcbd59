#include "print_action.h"

#include <QCoreApplication>
#include "app_context.h"

void printWindow(AppContext& context, QWidget& window) {
    const WindowPrinter::Result result = context.printer->print(window);
    if (!result.error.isEmpty())
        context.messages->inform(&window, result.error);
    else if (!result.savedPdf.isEmpty())
        context.messages->inform(
            &window, QCoreApplication::translate(
                         "PrintAction", "No printer is set up, so the page was saved as \"%1\".")
                         .arg(result.savedPdf));
}
