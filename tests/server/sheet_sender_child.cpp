// One round of the sheet sender in a process of its own, for the suites to kill:
// sheet-sender-child <data folder> <connection string> <class>
#include "server/core/sheet_sender.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    SheetSender sender({arguments.value(3), {}, arguments.value(2)}, QDir(arguments.value(1)),
                       QStringLiteral("pc-child"));
    return sender.sendAll().problem.isEmpty() ? 0 : 1;
}
