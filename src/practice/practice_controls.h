#pragma once

#include "scores/core/practice_kind.h"

class QLabel;
class QMainWindow;
class QPushButton;
class SheetView;

// The controls of a practice screen, laid out to fit an 800 by 600 screen. Much of
// the screen's state is the text of these labels.
struct PracticeControls {
    SheetView* sheet;
    QLabel* date;          // Label2
    QLabel* clock;         // Label5
    QLabel* category;      // Label60
    QLabel* minute;        // Label6, hidden
    QLabel* endMinute;     // Label7, hidden
    QLabel* speed;         // Label9
    QLabel* level;         // Label11
    QLabel* scoreCount;    // Label29
    QPushButton* start;    // Command1
    QPushButton* check;    // Command3
    QPushButton* print;    // Command4
    QPushButton* quit;     // Command5
    QPushButton* hint;     // Command6, multiplication/division only
    QPushButton* marking;  // Command2, hidden: carries the check routine
};

PracticeControls buildPracticeControls(PracticeKind kind, QMainWindow* window);
