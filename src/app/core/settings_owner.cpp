#include "settings_owner.h"

SettingsFile::ReadResult SettingsOwner::load() {
    SettingsFile::ReadResult result = file_.read();
    take(result.settings);
    return result;
}

std::optional<QString> SettingsOwner::save(const StoredSettings& changed) {
    return write(changed, true);
}

std::optional<QString> SettingsOwner::saveAwardPaths() {
    return write(settings_.stored, false);
}

std::optional<QString> SettingsOwner::setAwardPath(int award, const QString& path) {
    if (auto problem = SettingsFile::valueProblem(path)) return problem;
    StoredSettings changed = settings_.stored;
    changed.awardSoundPaths[award] = path;
    take(changed);
    return std::nullopt;
}

std::optional<QString> SettingsOwner::write(const StoredSettings& values, bool takeUserName) {
    if (auto error = file_.write(values)) return error;
    const SettingsFile::ReadResult readBack = file_.read();
    StoredSettings taken = readBack.error.isEmpty() ? readBack.settings : values;
    if (!takeUserName) taken.userName = settings_.stored.userName;
    take(taken);
    return std::nullopt;
}

void SettingsOwner::take(const StoredSettings& stored) {
    const StoredSettings old = std::exchange(settings_.stored, stored);
    if (old.userName != stored.userName) Q_EMIT userNameChanged(stored.userName);
    if (old.awardSoundPaths != stored.awardSoundPaths) Q_EMIT awardPathsChanged();
}
