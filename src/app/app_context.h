#pragma once

#include "app/core/clock.h"
#include "app/core/current_settings.h"
#include "app/core/database_connections.h"
#include "app/core/program_launcher.h"
#include "app/core/random_source.h"
#include "app/core/settings_owner.h"
#include "app/core/user_files.h"
#include "file_dialogs.h"
#include "message_boxes.h"
#include "screens.h"
#include "sound/core/audio_output.h"
#include "window_printer.h"

#include <QCoreApplication>
#include <QObject>
#include <QDir>

#include <functional>
#include <memory>

// What the screens share for the life of the process. The outside things
// (message boxes, save dialogs, clock, random source, printer, sound, outside programs, ending
// the program) are seams that tests replace.
class AppContext {
public:
    explicit AppContext(const QDir& dataFolder)
        : dataFolder(dataFolder),
          users(dataFolder),
          settingsOwner(dataFolder.filePath(SettingsFile::kFileName), settings) {}

    const QDir dataFolder;
    const UserFiles users;
    CurrentSettings settings;
    SettingsOwner settingsOwner;
    DatabaseConnections databases;
    std::unique_ptr<MessageBoxes> messages = std::make_unique<QtMessageBoxes>();
    // The class server's outbox when a class is configured; none otherwise.
    std::unique_ptr<QObject> classServer;
    // Called after each sheet stored, so that the outbox sends it.
    std::function<void()> sheetStored = [] {};
    std::unique_ptr<FileDialogs> fileDialogs = std::make_unique<QtFileDialogs>();
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    std::unique_ptr<RandomSource> random = std::make_unique<StandardRandomSource>();
    std::unique_ptr<WindowPrinter> printer = std::make_unique<SystemWindowPrinter>(
        dataFolder.absolutePath(), [this] { return clock->now(); });
    std::unique_ptr<AudioOutput> audio = makeSystemAudioOutput();
    std::unique_ptr<ProgramLauncher> launcher = std::make_unique<SystemProgramLauncher>();
    // Ends the program at once: no screen's own closing steps run.
    std::function<void()> endProgram = [] { QCoreApplication::quit(); };
    // Last, so that the screens go before what they use.
    Screens screens;
};
