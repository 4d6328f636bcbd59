#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

// The chooser's file pattern, wildcards separated by ";". Letter case is ignored, as
// the users of the original platform expect: "Cheer.WAV" is a sound file too.
class SoundFilePattern {
public:
    static inline const QString kSoundFiles = QStringLiteral("*.wav;*.mid;*.mp3");

    explicit SoundFilePattern(const QString& pattern = kSoundFiles);

    bool matches(const QString& fileName) const;

private:
    QList<QRegularExpression> wildcards_;
};
