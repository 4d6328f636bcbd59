#include "app/core/database_connections.h"
#include "app/core/settings_file.h"
#include "app/core/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>

// The data folder the build prepares is ready for a first start.
class TestShippedDataFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesAFirstUserWhoseDatabaseIsThere() {
        const QDir folder(QStringLiteral(SHIPPED_DATA_FOLDER));
        const SettingsFile::ReadResult settings =
            SettingsFile(folder.filePath(SettingsFile::kFileName)).read();
        QCOMPARE(settings.linesRead, 9);
        QVERIFY(!settings.settings.userName.isEmpty());
        // Every award names a sound the folder holds, by a path relative to it.
        for (const QString& path : settings.settings.awardSoundPaths)
            QVERIFY2(QFileInfo(folder.filePath(path)).isFile() && QDir::isRelativePath(path),
                     qPrintable(path));

        const UserFiles users(folder);
        QVERIFY(users.exists(settings.settings.userName));
        DatabaseConnections connections;
        const DatabaseConnection connection =
            connections.open(users.databasePath(settings.settings.userName));
        QVERIFY2(connection.isOpen(), qPrintable(connection.error()));
        QSqlQuery count(connection.database());
        QVERIFY(count.exec(QStringLiteral("SELECT count(*) FROM score")));
        QVERIFY(count.next());
        QCOMPARE(count.value(0).toInt(), 0);
    }

    void shipsAReadOnlyTemplateAndReleaseNotes() {
        const QDir folder(QStringLiteral(SHIPPED_DATA_FOLDER));
        const QFileInfo templateFile(folder.filePath(UserFiles::kTemplateName));
        QVERIFY(templateFile.isFile());
        QVERIFY(!(templateFile.permissions() & QFile::WriteOwner));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("rel.txt"))).size() > 0);
    }
};

QTEST_GUILESS_MAIN(TestShippedDataFolder)
#include "test_shipped_data_folder.moc"
