#pragma once

#include <QObject>
#include <QString>

class AudioOutput;

// A screen's award sound player. Paths come as the settings hold them: a relative path is
// taken from the base folder (the data folder), an absolute one as it is.
class MediaPlayer : public QObject {
    Q_OBJECT

public:
    MediaPlayer(AudioOutput& output, QString baseFolder, QObject* parent = nullptr);

    // Starts the file and returns at once; a file that cannot be played is only logged.
    void play(const QString& path);

private:
    AudioOutput& output_;
    const QString baseFolder_;
};
