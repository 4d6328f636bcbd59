#include "score_vocabulary.h"

#include <QCoreApplication>

#include <optional>

namespace {

// Stored as they are, in English; the marks let the screens show them translated.
constexpr const char* kLevelNames[] = {
    //: A difficulty level.
    QT_TRANSLATE_NOOP("ScoreVocabulary", "Easy"),
    //: A difficulty level.
    QT_TRANSLATE_NOOP("ScoreVocabulary", "Normal"),
    //: A difficulty level.
    QT_TRANSLATE_NOOP("ScoreVocabulary", "Difficult"),
    //: A difficulty level.
    QT_TRANSLATE_NOOP("ScoreVocabulary", "More Difficult"),
    //: A difficulty level.
    QT_TRANSLATE_NOOP("ScoreVocabulary", "Super Difficult"),
};
static_assert(std::size(kLevelNames) == kLevels.size());

constexpr const char* kCategories[] = {
    //: The caption of the addition and subtraction practice screen.
    QT_TRANSLATE_NOOP("ScoreVocabulary", "Minus and Plus Practice program"),
    //: The caption of the multiplication and division practice screen.
    QT_TRANSLATE_NOOP("ScoreVocabulary", "Multiply and Divide Practice program"),
};

}  // namespace

QString levelName(Level level) {
    return QString::fromLatin1(kLevelNames[int(level)]);
}

QString speedText(int minutes) {
    return QString::number(minutes);
}

QString categoryOf(PracticeKind kind) {
    return QString::fromLatin1(kCategories[int(kind)]);
}

QString shownText(const QString& stored) {
    return QCoreApplication::translate("ScoreVocabulary", stored.toUtf8().constData());
}

QString storedText(const QString& shown) {
    const auto find = [&shown](const auto& texts) -> std::optional<QString> {
        for (const char* text : texts)
            if (shownText(QString::fromLatin1(text)) == shown) return QString::fromLatin1(text);
        return std::nullopt;
    };
    return find(kLevelNames).value_or(find(kCategories).value_or(shown));
}
