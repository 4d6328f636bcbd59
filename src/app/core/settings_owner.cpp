#include "settings_owner.h"

SettingsFile::ReadResult SettingsOwner::load() {
    SettingsFile::ReadResult result = file_.read();
    take(result.settings);
    return result;
}

Result<void> SettingsOwner::save(const StoredSettings& changed) {
    return write(changed, true);
}

Result<void> SettingsOwner::saveAwardPaths() {
    return write(settings_.stored, false);
}

Result<void> SettingsOwner::setAwardPath(int award, const QString& path) {
    if (Result<void> fit = SettingsFile::checkValue(path); !fit) return fit;
    StoredSettings changed = settings_.stored;
    changed.awardSoundPaths[award] = path;
    take(changed);
    return {};
}

Result<void> SettingsOwner::write(const StoredSettings& values, bool takeUserName) {
    if (Result<void> written = file_.write(values); !written) return written;
    const SettingsFile::ReadResult readBack = file_.read();
    StoredSettings taken = readBack.error.isEmpty() ? readBack.settings : values;
    if (!takeUserName) taken.userName = settings_.stored.userName;
    take(taken);
    return {};
}

void SettingsOwner::take(const StoredSettings& stored) {
    const StoredSettings old = std::exchange(settings_.stored, stored);
    if (old.userName != stored.userName) Q_EMIT userNameChanged(stored.userName);
    if (old.awardSoundPaths != stored.awardSoundPaths) Q_EMIT awardPathsChanged();
}
