#include "sound/core/drives.h"
#include "sound/core/folder_path.h"

#include <QTest>

// The chooser's drives and paths, without a screen.
class TestSoundChoice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void offersTheRootHomeAndMediaAndJoinsWithOneSlash() {
        const QList<MountedVolume> volumes{{"/", "/dev/vda1", ""},
                                           {"/proc", "proc", ""},
                                           {"/snap/core/1", "/dev/loop0", ""},
                                           {"/media/kid/STICK", "/dev/sdb1", "STICK"},
                                           {"/media/kid/STICK", "/dev/sdb1", "STICK"},
                                           {"/run/media/kid/3A0F", "/dev/sdc1", ""},
                                           {"/media/share", "server:/music", ""}};
        const QList<Drive> drives = drivesAmong(volumes, QStringLiteral("/home/kid"));
        QStringList labels;
        for (const Drive& drive : drives) labels.append(drive.label);
        QCOMPARE(labels, (QStringList{"/", "Home folder (/home/kid)", "STICK (/media/kid/STICK)",
                                      "3A0F (/run/media/kid/3A0F)"}));
        QCOMPARE(driveIndexOf(drives, "/home/kid/Music"), 1);
        QCOMPARE(driveIndexOf(drives, "/home/kiddo"), 0);

        QCOMPARE(joinFolderAndFile("/", "a.wav"), "/a.wav");
        QCOMPARE(joinFolderAndFile("/home/kid", "a.wav"), "/home/kid/a.wav");
    }
};

QTEST_GUILESS_MAIN(TestSoundChoice)
#include "test_sound_choice.moc"
