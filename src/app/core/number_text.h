#pragma once

#include <QString>

// Numbers kept as the text of controls are written and read back with these.

// The leading number of a text, blanks skipped; a text without one reads as 0.
double leadingNumber(const QString& text);

// The leading number as a whole number: cut toward zero, and held at the ends of
// the int range where it lies beyond them.
int leadingWholeNumber(const QString& text);

// The shortest decimal text of a number: "12", "-7", "0.5"; never "-0".
QString decimalText(double value);
