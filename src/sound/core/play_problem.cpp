#include "play_problem.h"

#include <QCoreApplication>
#include <QFileInfo>

Result<void> checkPlayable(const QString& filePath) {
    if (filePath.isEmpty())
        return Failure{QCoreApplication::translate("PlayProblem", "no file is named")};
    const QFileInfo file(filePath);
    if (!file.exists())
        return Failure{QCoreApplication::translate("PlayProblem", "there is no such file")};
    if (file.isDir())
        return Failure{
            QCoreApplication::translate("PlayProblem", "this is a folder, not a sound file")};
    if (!file.isFile())
        return Failure{QCoreApplication::translate("PlayProblem", "this is not a regular file")};
    if (!file.isReadable())
        return Failure{QCoreApplication::translate("PlayProblem", "the file cannot be read")};
    return {};
}
