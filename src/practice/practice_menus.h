#pragma once

#include "scores/core/practice_kind.h"

#include <map>

class QAction;
class QMenuBar;

enum class MenuCommand {
    FileLocation,
    SwitchScreen,
    ReportSummary,
    Exit,
    Speed,
    Difficulty,
    Mistakes,
    AboutProgram,
    ReleaseNotes,
    SystemRequirement,
    Help,
};

// Fills a practice screen's menu bar; the two screens name and caption their
// menus and items differently.
std::map<MenuCommand, QAction*> buildPracticeMenus(PracticeKind kind, QMenuBar* bar);
