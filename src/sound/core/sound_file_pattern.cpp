#include "sound_file_pattern.h"

SoundFilePattern::SoundFilePattern(const QString& pattern) {
    for (const QString& wildcard : pattern.split(u';', Qt::SkipEmptyParts)) {
        wildcards_.append(
            QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard.trimmed()),
                               QRegularExpression::CaseInsensitiveOption));
    }
}

bool SoundFilePattern::matches(const QString& fileName) const {
    for (const QRegularExpression& wildcard : wildcards_)
        if (wildcard.match(fileName).hasMatch()) return true;
    return false;
}
