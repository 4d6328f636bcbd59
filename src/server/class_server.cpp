#include "class_server.h"

#include "app/after_first_paint.h"
#include "app/app_context.h"
#include "server/core/class_outbox.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <memory>
#include <utility>

namespace {

QString waitingNote(const QString& problem) {
    return QCoreApplication::translate(
               "ClassServer",
               "Your sheets are kept on this computer for now: the class server could not take "
               "them just now. They will be sent to it later by themselves.\n\nThe server "
               "said: %1")
        .arg(problem.simplified());
}

void start(AppContext& context, QWidget* window) {
    const QString path = ClassConfigFile::locate(ClassConfigFile::kComputerFile);
    if (path.isEmpty()) return;
    const Result<std::optional<ClassConfig>> config = ClassConfigFile::read(path);
    if (!config) return context.messages->notify(window, config.error());
    if (!config->has_value()) return;
    auto outbox =
        std::make_unique<ClassOutbox>(**config, context.dataFolder, QSysInfo::machineHostName());
    QObject::connect(outbox.get(), &ClassOutbox::roundEnded, window,
                     [&context, window, told = false](int, const QString& problem) mutable {
                         if (problem.isEmpty() || std::exchange(told, true)) return;
                         context.messages->notify(window, waitingNote(problem));
                     });
    context.sheetStored = [sender = outbox.get()] { sender->sendSoon(); };
    outbox->sendSoon();
    context.classServer = std::move(outbox);
}

}  // namespace

void startClassServer(AppContext& context, QWidget* window) {
    runAfterFirstPaint(window, [&context, window] { start(context, window); });
}
