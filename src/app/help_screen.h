#pragma once

#include "dialog_window.h"

// Form4: how to move through a sheet, and whom to ask.
class HelpScreen final : public DialogWindow {
    Q_OBJECT
public:
    HelpScreen();
};
