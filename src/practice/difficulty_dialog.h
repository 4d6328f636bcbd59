#pragma once

#include "practice_kind.h"

#include <QWidget>

class AppContext;

// MDff (five levels, addition/subtraction) or Madff (four levels,
// multiplication/division). Every opening is a fresh dialog that freezes the
// sheet in front; a choice closes it.
class DifficultyDialog final : public QWidget {
    Q_OBJECT
public:
    DifficultyDialog(AppContext& context, PracticeKind kind);
};
