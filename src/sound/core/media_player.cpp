#include "media_player.h"

#include "audio_output.h"

#include <QDir>

#include <utility>

MediaPlayer::MediaPlayer(AudioOutput& output, QString baseFolder, QObject* parent)
    : QObject(parent), output_(output), baseFolder_(std::move(baseFolder)) {
    setObjectName(QStringLiteral("MediaPlayer1"));
}

void MediaPlayer::play(const QString& path) {
    // An empty path goes on as it is, so that the output logs the missing setting.
    output_.play(path.isEmpty() ? path : QDir(baseFolder_).filePath(path));
}
