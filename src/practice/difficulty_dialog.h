#pragma once

#include "scores/core/practice_kind.h"

#include "app/dialog_window.h"

class AppContext;

// MDff (five levels, addition/subtraction) or Madff (four levels,
// multiplication/division). Every opening is a fresh dialog that freezes the
// sheet in front; a choice closes it.
class DifficultyDialog final : public DialogWindow {
    Q_OBJECT
public:
    DifficultyDialog(AppContext& context, PracticeKind kind);
};
