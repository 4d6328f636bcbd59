#pragma once

#include <QObject>
#include <QString>

class AppContext;
class QWidget;

// The main menu's user operations: start-up reading of the settings, the user
// existence test, change of user and restore of a user's database.
class UserCommands : public QObject {
    Q_OBJECT
public:
    explicit UserCommands(AppContext& context, QObject* parent = nullptr);

    // Start-up: fills the current settings from "path.mpt". A missing, short or
    // garbled file leaves the values it does not hold empty and is reported once.
    void loadSettings(QWidget* window);

    // The existence test for the current user; shows the "No such user" message when it fails.
    bool requireCurrentUser(QWidget* window);

    // "<<<-CHANGE USER AND ENTER" with the text of the user name box.
    void changeUser(QWidget* window, const QString& typedName);

    // "Restore  DATABASE" for the current user.
    void restoreDatabase(QWidget* window);

private:
    bool makeUserDatabase(QWidget* window, const QString& userName);

    AppContext& context_;
};
