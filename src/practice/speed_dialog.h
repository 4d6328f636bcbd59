#pragma once

#include "app/dialog_window.h"

class AppContext;
class QLabel;

// Speed: the minutes of the next countdown, for both practice screens. Made
// afresh after a check, and then it freezes the sheet in front.
class SpeedDialog final : public DialogWindow {
    Q_OBJECT
public:
    explicit SpeedDialog(AppContext& context);

private:
    void choose(int minutes, const QString& message);
    void closeAndPickDifficulty();

    AppContext& context_;
    QLabel* prompt_;
    QLabel* minutes_;
};
