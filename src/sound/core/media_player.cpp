#include "media_player.h"

#include "audio_output.h"
#include "play_problem.h"

#include <QDir>

#include <utility>

MediaPlayer::MediaPlayer(AudioOutput& output, QString baseFolder, QObject* parent)
    : QObject(parent), output_(output), baseFolder_(std::move(baseFolder)) {
    setObjectName(QStringLiteral("MediaPlayer1"));
    connect(&output_, &AudioOutput::notPlayable, this, &MediaPlayer::outputCannotPlay);
}

void MediaPlayer::play(const QString& path) {
    const QString file = path.isEmpty() ? path : QDir(baseFolder_).filePath(path);
    if (const Result<void> playable = checkPlayable(file); !playable)
        Q_EMIT cannotPlay(path, playable.error());
    else
        handedOn_.insert(file, path);
    // Even a path that cannot play goes on: it cuts off what plays, and the output logs it.
    output_.play(file);
}

void MediaPlayer::outputCannotPlay(const QString& filePath, const QString& reason) {
    const auto path = handedOn_.constFind(filePath);
    if (path == handedOn_.cend()) return;
    const QString played = *path;
    handedOn_.erase(path);
    Q_EMIT cannotPlay(played, reason);
}
