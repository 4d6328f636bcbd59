#include "play_problem.h"

#include <QFileInfo>

Result<void> checkPlayable(const QString& filePath) {
    if (filePath.isEmpty()) return Failure{QStringLiteral("no file is named")};
    const QFileInfo file(filePath);
    if (!file.exists()) return Failure{QStringLiteral("there is no such file")};
    if (file.isDir()) return Failure{QStringLiteral("this is a folder, not a sound file")};
    if (!file.isFile()) return Failure{QStringLiteral("this is not a regular file")};
    if (!file.isReadable()) return Failure{QStringLiteral("the file cannot be read")};
    return {};
}
