#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class AudioOutput;

// A screen's award sound player. Paths come as the settings hold them: a relative path is
// taken from the base folder (the data folder), an absolute one as it is.
class MediaPlayer : public QObject {
    Q_OBJECT

public:
    MediaPlayer(AudioOutput& output, QString baseFolder, QObject* parent = nullptr);

    // Starts the file and returns at once.
    void play(const QString& path);

Q_SIGNALS:
    // A path given to play() cannot be played, and why: at once when that is plain
    // from the file system, later when the output fails to decode it.
    void cannotPlay(const QString& path, const QString& reason);

private:
    void outputCannotPlay(const QString& filePath, const QString& reason);

    AudioOutput& output_;
    const QString baseFolder_;
    // The paths handed to the output, by the file it was given, so that its reports
    // for other players' files are not taken for ours.
    QHash<QString, QString> handedOn_;
};
