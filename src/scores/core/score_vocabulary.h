#pragma once

#include "practice_kind.h"

#include <QString>

#include <array>

// The texts a score record holds beside its count: what the practice screens show
// in their labels and what the summary groups by.

enum class Level { Easy, Normal, Difficult, MoreDifficult, SuperDifficult };
inline constexpr std::array kLevels = {Level::Easy, Level::Normal, Level::Difficult,
                                       Level::MoreDifficult, Level::SuperDifficult};

// The name shown in a screen's level label and stored in `lvl`.
QString levelName(Level level);

// The countdown minutes the speed dialog offers, slowest first; stored in `speed`
// as plain decimal text.
inline constexpr std::array kSpeedMinutes = {20, 15, 10, 5, 2};
QString speedText(int minutes);

// A practice screen's title, stored in `cat`.
QString categoryOf(PracticeKind kind);

// A stored level or category text as the screens show it, in the screen's language;
// any other text as it is. Stored texts never translate.
QString shownText(const QString& stored);
// The stored text a screen's label shows: what shownText() gives back.
QString storedText(const QString& shown);
