#include "print_action.h"

#include "app_context.h"

#include <QCoreApplication>

void printWindow(WindowPrinter& printer, MessageBoxes& messages, QWidget& window) {
    const WindowPrinter::Result result = printer.print(window);
    if (!result.error.isEmpty())
        messages.inform(&window, result.error);
    else if (!result.savedPdf.isEmpty())
        messages.inform(
            &window, QCoreApplication::translate(
                         "PrintAction", "No printer is set up, so the page was saved as \"%1\".")
                         .arg(result.savedPdf));
}

void printWindow(AppContext& context, QWidget& window) {
    printWindow(*context.printer, *context.messages, window);
}
