#include "class_overview_window.h"
#include "overview/core/class_server.h"

#include "app/core/clock.h"
#include "app/core/installed_translation.h"
#include "app/desktop_name.h"
#include "app/file_dialogs.h"
#include "app/message_boxes.h"
#include "app/window_printer.h"

#include <QApplication>
#include <QStandardPaths>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassOverview)
};

// The class of the teacher's configuration, or nothing after telling why there is none.
std::optional<ClassConfig> configuredClass(MessageBoxes& messages) {
    const QString path = ClassConfigFile::locate(ClassConfigFile::kTeacherFile);
    const Result<std::optional<ClassConfig>> config =
        path.isEmpty() ? std::optional<ClassConfig>() : ClassConfigFile::read(path);
    if (!config)
        messages.inform(nullptr, config.error());
    else if (!*config)
        messages.inform(nullptr, Texts::tr("No class is set up. Name the class and its server "
                                           "in ~/.config/%1 or /etc/xdg/%1.")
                                     .arg(ClassConfigFile::kTeacherFile));
    return config ? *config : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto translation = speakDesktopLanguage();
    nameProgramToDesktop(QStringLiteral("brenlo-class"));
    QtMessageBoxes messages;
    const std::optional<ClassConfig> config = configuredClass(messages);
    if (!config) return 1;

    SystemClock clock;
    QtFileDialogs fileDialogs;
    // Without a printer, the page goes to a PDF file among the teacher's documents.
    SystemWindowPrinter printer(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                [&clock] { return clock.now(); });
    ClassServer server(*config);
    ClassOverviewWindow window({clock, messages, fileDialogs, printer}, config->className,
                               [&server](const DayRange& days, QDate today) {
                                   return server.read(days, today);
                               });
    // Read first, so that the first frame shows the figures rather than empty tables.
    window.showFigures();
    window.show();
    return application.exec();
}
