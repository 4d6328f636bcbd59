#include "settings_owner.h"

SettingsFile::ReadResult SettingsOwner::load() {
    SettingsFile::ReadResult result = file_.read();
    take(result.settings);
    return result;
}

std::optional<QString> SettingsOwner::save(const StoredSettings& changed) {
    if (auto error = file_.write(changed)) return error;
    const SettingsFile::ReadResult readBack = file_.read();
    take(readBack.error.isEmpty() ? readBack.settings : changed);
    return std::nullopt;
}

void SettingsOwner::take(const StoredSettings& stored) {
    const StoredSettings old = std::exchange(settings_.stored, stored);
    if (old.userName != stored.userName) Q_EMIT userNameChanged(stored.userName);
    if (old.awardSoundPaths != stored.awardSoundPaths) Q_EMIT awardPathsChanged();
}
