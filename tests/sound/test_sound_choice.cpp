#include "sound/core/drives.h"
#include "sound/core/folder_path.h"
#include "sound/core/folder_scanner.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

// Root reads any folder, and access() and QFileInfo::isReadable() say so; as another user,
// this thread and the scan threads it starts meet the folder's permissions.
struct AsAnotherUser {
    explicit AsAnotherUser(bool other) { ::setfsuid(other ? 65534 : ::getuid()); }
    ~AsAnotherUser() { ::setfsuid(::getuid()); }
};

}  // namespace

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

    // A listing is posted sorted without regard to case; the older scan of the "stale" row
    // ends unseen before the folder shown is scanned.
    void scansTheFolderShown_data() {
        for (const char* column : {"how", "listing", "problem"}) QTest::addColumn<QString>(column);
        const auto row = [](const char* how, const char* listing, const char* problem) {
            QTest::newRow(how) << QString(how) << QString(listing) << QString(problem);
        };
        row("sorted", "apples,Bananas|apple.wav,Banana.MID", "");
        row("stale", "apples,Bananas|apple.wav,Banana.MID", "");
        row("unreadable", "|", "cannot be read: Permission denied");
        row("gone", "|", "is not there any more");
    }
    void scansTheFolderShown() {
        QFETCH(QString, how);
        QFETCH(QString, listing);
        QFETCH(QString, problem);
        QTemporaryDir temporary;
        QDir folder(temporary.filePath("shown"));
        for (const char* name : {"shown/Bananas", "shown/apples", "shown/.hidden"})
            QVERIFY(QDir(temporary.path()).mkpath(name));
        for (const char* name : {"Banana.MID", "apple.wav", "notes.txt"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        if (how == "gone") QVERIFY(folder.removeRecursively());
        if (how == "unreadable") QVERIFY(QFile::setPermissions(folder.path(), {}));
        const AsAnotherUser user(how == "unreadable");
        FolderScanner scanner;
        QSignalSpy folders(&scanner, &FolderScanner::foldersFound),
            files(&scanner, &FolderScanner::filesFound), said(&scanner, &FolderScanner::notListed),
            finished(&scanner, &FolderScanner::finished);
        if (how == "stale") {
            scanner.scan(temporary.path());
            QTest::qSleep(200);  // time to post its listing, which no event loop runs yet
        }
        scanner.scan(folder.path());
        QTRY_COMPARE(finished.count(), 1);
        const auto first = [](const QSignalSpy& spy) { return spy.value(0).value(0); };
        QCOMPARE(first(folders).toStringList().join(u',') + u'|' +
                     first(files).toStringList().join(u','),
                 listing);
        QCOMPARE(first(said).toString().contains(problem) && said.size(), !problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSoundChoice)
#include "test_sound_choice.moc"
