#include "play_problem.h"

#include <QFileInfo>

std::optional<QString> playProblem(const QString& filePath) {
    if (filePath.isEmpty()) return QStringLiteral("no file is named");
    const QFileInfo file(filePath);
    if (!file.exists()) return QStringLiteral("there is no such file");
    if (file.isDir()) return QStringLiteral("this is a folder, not a sound file");
    if (!file.isFile()) return QStringLiteral("this is not a regular file");
    if (!file.isReadable()) return QStringLiteral("the file cannot be read");
    return std::nullopt;
}
