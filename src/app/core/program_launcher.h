#pragma once

#include "result.h"

#include <QString>
#include <QStringList>

// Starts outside programs without waiting for them. Tests record the requests.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // Opens the file in the desktop's text editor, started in `workingFolder`; fails
    // when the editor could not be started.
    virtual Result<void> openInTextEditor(const QString& filePath,
                                          const QString& workingFolder) = 0;
};

class SystemProgramLauncher final : public ProgramLauncher {
public:
    // The platform's way to open a text file: Notepad on Windows, the desktop's
    // default handler elsewhere.
    SystemProgramLauncher();
    // Runs `program` with `leadingArguments` and then the file.
    SystemProgramLauncher(QString program, QStringList leadingArguments);

    Result<void> openInTextEditor(const QString& filePath, const QString& workingFolder) override;

private:
    QString program_;
    QStringList leadingArguments_;
};
