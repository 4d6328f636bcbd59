#pragma once

#include "dialog_window.h"

// about: how the program came about, and its credits.
class AboutScreen final : public DialogWindow {
    Q_OBJECT
public:
    AboutScreen();
};
