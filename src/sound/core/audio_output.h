#pragma once

#include <QObject>
#include <QString>

#include <memory>

// Where sounds go. play() starts a file and returns at once; a sound that cannot be
// played is logged and announced by notPlayable, which may come from another thread.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    virtual void play(const QString& filePath) = 0;

Q_SIGNALS:
    void notPlayable(const QString& filePath, const QString& reason);
};

// The machine's sound device through SDL2_mixer, opened on the first play.
std::unique_ptr<AudioOutput> makeSystemAudioOutput();
