// One round of the sheet sender in a process of its own, for the suites to kill:
// sheet-sender-child <data folder> <connection string> <class>
#include "server/core/sheet_sender.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) return 2;
    SheetSender sender({arguments[3], {}, arguments[2]}, QDir(arguments[1]),
                       QStringLiteral("pc-child"));
    const SheetSender::Round round = sender.sendAll();
    std::printf("%d %s\n", round.sent, qPrintable(round.problem));
    return round.problem.isEmpty() ? 0 : 1;
}
