#include "information.h"

#include <QCoreApplication>
#include "app_context.h"

void openReleaseNotes(AppContext& context, QWidget* parent) {
    const QString path = context.dataFolder.absoluteFilePath(QStringLiteral("rel.txt"));
    if (const Result<void> opened =
            context.launcher->openInTextEditor(path, context.dataFolder.absolutePath());
        !opened)
        context.messages->inform(
            parent, QCoreApplication::translate("Information",
                                                "The release notes \"%1\" could not be opened: %2")
                        .arg(path, opened.error()));
}

void showSystemRequirement(MessageBoxes& messages, QWidget* parent) {
    messages.inform(parent,
                    QCoreApplication::translate(
                        "Information", "Windows 95/98/NT/2000, with at least 800X600 Resolution"),
                    QCoreApplication::translate("Information", "System Requirement"));
}
