#pragma once

#include "current_settings.h"
#include "database_connections.h"
#include "message_boxes.h"
#include "screens.h"
#include "settings_file.h"
#include "user_files.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>
#include <memory>

// What the screens share for the life of the process. The outside things
// (message boxes, ending the program) are seams that tests replace.
class AppContext {
public:
    explicit AppContext(const QDir& dataFolder)
        : dataFolder(dataFolder),
          users(dataFolder),
          settingsFile(dataFolder.filePath(SettingsFile::kFileName)) {}

    const QDir dataFolder;
    const UserFiles users;
    const SettingsFile settingsFile;
    CurrentSettings settings;
    DatabaseConnections databases;
    std::unique_ptr<MessageBoxes> messages = std::make_unique<QtMessageBoxes>();
    // Ends the program at once: no screen's own closing steps run.
    std::function<void()> endProgram = [] { QCoreApplication::quit(); };
    // Last, so that the screens go before what they use.
    Screens screens;
};
