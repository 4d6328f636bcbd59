#include "drives.h"

#include "folder_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

const QString kRoot = QStringLiteral("/");

bool isRemovableMedium(const MountedVolume& volume) {
    if (!volume.device.startsWith("/dev/")) return false;
    for (const char* place : {"/media", "/run/media", "/mnt"}) {
        const QString top = QString::fromLatin1(place);
        if (isWithinFolder(volume.path, top)) return true;
    }
    return false;
}

}  // namespace

QList<Drive> drivesAmong(const QList<MountedVolume>& volumes, const QString& homeFolder) {
    QList<Drive> drives{{kRoot, kRoot}};
    if (homeFolder != kRoot)
        drives.append({homeFolder,
                       QCoreApplication::translate("Drives", "Home folder (%1)").arg(homeFolder)});
    // A mount point with two mounts stacked on it is offered once.
    const auto offered = [&drives](const QString& path) {
        return std::any_of(drives.begin(), drives.end(),
                           [&path](const Drive& drive) { return drive.path == path; });
    };
    for (const MountedVolume& volume : volumes) {
        if (!isRemovableMedium(volume) || offered(volume.path)) continue;
        const QString name =
            volume.name.isEmpty() ? QFileInfo(volume.path).fileName() : volume.name;
        drives.append({volume.path, QStringLiteral("%1 (%2)").arg(name, volume.path)});
    }
    return drives;
}

QList<Drive> machineDrives() {
    QList<MountedVolume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes())
        volumes.append({storage.rootPath(), storage.device(), storage.name()});
    return drivesAmong(volumes, QDir::homePath());
}

qsizetype driveIndexOf(const QList<Drive>& drives, const QString& folder) {
    qsizetype best = -1;
    for (qsizetype i = 0; i < drives.size(); ++i) {
        if (isWithinFolder(folder, drives[i].path) &&
            (best < 0 || drives[i].path.size() > drives[best].path.size()))
            best = i;
    }
    return best;
}
