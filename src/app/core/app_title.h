#pragma once

#include <QCoreApplication>

// Caption of the main menu and of every message box that has no title of its own.
inline QString appTitle() {
    return QCoreApplication::translate("AppTitle", "The Brenlo Math Practice Program 2.5.1");
}
