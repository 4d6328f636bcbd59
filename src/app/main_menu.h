#pragma once

#include <QWidget>

class AppContext;
enum class ScreenId;
class QGroupBox;
class QLineEdit;
class Screens;
class UserCommands;

// The main menu, Form3: the start-up screen and the hub of the program.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    // The load step reads the settings file into the current settings.
    explicit MainMenu(AppContext& context);

    QString userNameBoxText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The frame of choices: the practices, the user name, the summary, restore and exit.
    QGroupBox* buildChoices();
    void openPractice(ScreenId id);
    void openSummary();

    AppContext& context_;
    UserCommands* commands_;
    QLineEdit* userNameBox_;
};

// What the user name box holds now, typed but not yet entered; empty when there is
// no main menu. Never creates it.
QString userNameBoxText(const Screens& screens);
