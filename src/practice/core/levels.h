#pragma once

#include "scores/core/practice_kind.h"
#include "scores/core/score_vocabulary.h"

#include "app/core/level_parameters.h"

// What each choice of the addition/subtraction difficulty dialog assigns.
void assignAddSubLevel(LevelParameters& levels, Level level);
// What each choice of the multiplication/division difficulty dialog assigns; it
// offers no Easy, which assigns nothing here.
void assignMulDivLevel(LevelParameters& levels, Level level);
// The multiplication/division screen's values for its first sheet.
void assignMulDivLoad(LevelParameters& levels);
// What a level of the screen's own difficulty dialog assigns; Start re-assigns
// the Normal values when the screen's level label reads "Normal".
void assignLevel(PracticeKind kind, LevelParameters& levels, Level level);
