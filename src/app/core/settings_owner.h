#pragma once

#include "current_settings.h"
#include "settings_file.h"

#include <QObject>

// The one writer of "path.mpt" and keeper of what it carries in the current
// settings. Screens that show the user name or the award paths follow its signals.
class SettingsOwner final : public QObject {
    Q_OBJECT
public:
    SettingsOwner(const QString& path, CurrentSettings& settings)
        : file_(path), settings_(settings) {}

    const SettingsFile& file() const { return file_; }

    // Start-up: the file's values become the current ones; what it lacks stays empty.
    SettingsFile::ReadResult load();

    // Writes `changed` and takes the values back as the file now holds them. On
    // failure the current values and the old file stay as they were.
    Result<void> save(const StoredSettings& changed);

    // Writes the current values and takes back only the award paths: the user line is
    // read into a scratch value, so the current user never changes here. On failure the
    // current values and the old file stay as they were.
    Result<void> saveAwardPaths();

    // Changes award path `award` for the whole program at once; the file follows at
    // the next save. A path the file cannot hold is refused.
    Result<void> setAwardPath(int award, const QString& path);

Q_SIGNALS:
    void userNameChanged(const QString& userName);
    void awardPathsChanged();

private:
    Result<void> write(const StoredSettings& values, bool takeUserName);
    void take(const StoredSettings& stored);

    const SettingsFile file_;
    CurrentSettings& settings_;
};
