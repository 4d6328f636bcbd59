#pragma once

#include <functional>

class QWidget;

// Runs `work` once, after `window` has painted for the first time, so that
// housekeeping never delays what the user sees first.
void runAfterFirstPaint(QWidget* window, std::function<void()> work);
