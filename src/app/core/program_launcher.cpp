#include "program_launcher.h"

#include <QCoreApplication>
#include <QProcess>

SystemProgramLauncher::SystemProgramLauncher()
#if defined(Q_OS_WIN)
    : SystemProgramLauncher(QStringLiteral("notepad.exe"), {})
#elif defined(Q_OS_MACOS)
    : SystemProgramLauncher(QStringLiteral("open"), {QStringLiteral("-t")})
#else
    : SystemProgramLauncher(QStringLiteral("xdg-open"), {})
#endif
{
}

SystemProgramLauncher::SystemProgramLauncher(QString program, QStringList leadingArguments)
    : program_(std::move(program)), leadingArguments_(std::move(leadingArguments)) {}

Result<void> SystemProgramLauncher::openInTextEditor(const QString& filePath,
                                                     const QString& workingFolder) {
    QProcess process;
    process.setProgram(program_);
    process.setArguments(leadingArguments_ + QStringList{filePath});
    process.setWorkingDirectory(workingFolder);
    if (process.startDetached()) return {};
    return Failure{QCoreApplication::translate("ProgramLauncher", "\"%1\" could not be started: %2")
                       .arg(program_, process.errorString())};
}
