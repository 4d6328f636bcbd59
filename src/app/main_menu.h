#pragma once

#include <QWidget>

class AppContext;
enum class ScreenId;
class QLineEdit;
class UserCommands;

// The main menu, Form3: the start-up screen and the hub of the program.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    // The load step reads the settings file into the current settings.
    explicit MainMenu(AppContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openPractice(ScreenId id);
    void openSummary();

    AppContext& context_;
    UserCommands* commands_;
    QLineEdit* userNameBox_;
};
