#include "app/core/database_connections.h"
#include "app/core/settings_file.h"
#include "app/core/user_files.h"
#include "scores/core/score_store.h"

#include <QFileInfo>
#include <QTest>

// The data folder the build prepares is ready for a first start.
class TestShippedDataFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A first user with an empty database, award sounds the folder holds by relative
    // paths, a read-only template and the release notes.
    void readyForAFirstStart() {
        const QDir folder(QStringLiteral(SHIPPED_DATA_FOLDER));
        const auto settings = SettingsFile(folder.filePath(SettingsFile::kFileName)).read();
        QCOMPARE(settings.linesRead, 9);
        for (const QString& path : settings.settings.awardSoundPaths)
            QVERIFY2(QFileInfo(folder.filePath(path)).isFile() && QDir::isRelativePath(path),
                     qPrintable(path));
        const QString user = settings.settings.userName;
        QVERIFY(!user.isEmpty() && UserFiles(folder).exists(user));
        DatabaseConnections connections;
        const auto read = ScoreStore(connections).readAll(UserFiles(folder).databasePath(user));
        QCOMPARE(read.error(), QString());
        QVERIFY(read->isEmpty());
        const QFileInfo templateFile(folder.filePath(UserFiles::kTemplateName));
        QVERIFY(templateFile.isFile() && !(templateFile.permissions() & QFile::WriteOwner));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("rel.txt"))).size() > 0);
    }
};

QTEST_GUILESS_MAIN(TestShippedDataFolder)
#include "test_shipped_data_folder.moc"
