#pragma once

#include "scores/core/practice_kind.h"

#include "app/core/level_parameters.h"

#include <array>

class RandomSource;

// The operands of a sheet: element 2i is the top and 2i+1 the bottom operand of
// problem i.
using SheetOperands = std::array<int, kOperandCount>;

// D(n): the whole part of n times the next uniform fraction, 0 to n-1 for n > 0.
int randomDraw(RandomSource& random, int n);

// Draws a sheet from the level parameters, one draw per operand in index order.
SheetOperands drawSheet(PracticeKind kind, const LevelParameters& levels, RandomSource& random);
// The addition/subtraction screen's first sheet ignores the level parameters.
SheetOperands drawFirstAddSubSheet(RandomSource& random);
