#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the chooser offers as drives on Linux: the places a parent would look for a
// sound file, never the system's pseudo file systems.
struct Drive {
    QString path;
    QString label;

    bool operator==(const Drive&) const = default;
};

struct MountedVolume {
    QString path;
    QByteArray device;
    QString name;  // the volume's label; may be empty
};

// The root, the home folder, then the media mounted from a device under /media,
// /run/media or /mnt, such as a USB stick.
QList<Drive> drivesAmong(const QList<MountedVolume>& volumes, const QString& homeFolder);

// The drives of this machine now.
QList<Drive> machineDrives();

// The drive that holds `folder` most closely; -1 when none does.
qsizetype driveIndexOf(const QList<Drive>& drives, const QString& folder);
