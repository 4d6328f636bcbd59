#include "app/core/settings_file.h"
#include "support/test_data_folder.h"

#include <QDir>
#include <QTest>

namespace {

StoredSettings sample() {
    StoredSettings settings;
    settings.awardSoundPaths = {QStringLiteral("C:\\sounds\\boo.wav"), QStringLiteral(" yay.mid "),
                                QString(), QStringLiteral("/home/me/Music/wow.mp3"),
                                QStringLiteral("perfect.wav")};
    settings.userName = QStringLiteral("  Zoë O'Neil ");
    return settings;
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesNineCrLfLinesAndReadsThemBack() {
        TestDataFolder folder;
        const SettingsFile file(folder.path(SettingsFile::kFileName));
        QCOMPARE(file.write(sample()), std::nullopt);

        QCOMPARE(folder.readFile(SettingsFile::kFileName),
                 QByteArray("[Sound]\r\nC:\\sounds\\boo.wav\r\n yay.mid \r\n\r\n"
                            "/home/me/Music/wow.mp3\r\nperfect.wav\r\n[User]\r\n"
                            "  Zo\xc3\xab O'Neil \r\n[Award]\r\n"));
        const SettingsFile::ReadResult back = file.read();
        QCOMPARE(back.settings, sample());
        QCOMPARE(back.linesRead, 9);
        QVERIFY(!back.missing);
        QVERIFY(back.error.isEmpty());
        // No temporary file is left beside it.
        QCOMPARE(folder.dir().entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("Default User.mdk"), SettingsFile::kFileName}));
    }

    void readsEveryKindOfLineEnd_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << QByteArray(
            "[Sound]\r\na\r\nb\r\nc\r\nd\r\ne\r\n[User]\r\nAnn\r\n[Award]\r\n");
        QTest::newRow("CR") << QByteArray("[Sound]\ra\rb\rc\rd\re\r[User]\rAnn\r[Award]\r");
        QTest::newRow("LF") << QByteArray("[Sound]\na\nb\nc\nd\ne\n[User]\nAnn\n[Award]\n");
        QTest::newRow("mixed") << QByteArray("[Sound]\r\na\rb\nc\r\nd\re\n[User]\r\nAnn\r[Award]");
        QTest::newRow("other headers")
            << QByteArray("anything\r\na\r\nb\r\nc\r\nd\r\ne\r\n; notes\r\nAnn\r\nmore\r\n");
        QTest::newRow("ten lines and more") << QByteArray(
            "[Sound]\r\na\r\nb\r\nc\r\nd\r\ne\r\n[User]\r\nAnn\r\n[Award]\r\nx\r\ny\r\n");
    }
    void readsEveryKindOfLineEnd() {
        QFETCH(QByteArray, bytes);
        TestDataFolder folder;
        folder.writeFile(SettingsFile::kFileName, bytes);
        const SettingsFile::ReadResult result =
            SettingsFile(folder.path(SettingsFile::kFileName)).read();
        QCOMPARE(result.linesRead, 9);
        QCOMPARE(
            result.settings.awardSoundPaths,
            (std::array<QString, 5>{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                    QStringLiteral("d"), QStringLiteral("e")}));
        QCOMPARE(result.settings.userName, QStringLiteral("Ann"));
    }

    void extraLinesAreDroppedByTheNextWrite() {
        TestDataFolder folder;
        folder.writeFile(
            SettingsFile::kFileName,
            "[Sound]\r\na\r\nb\r\nc\r\nd\r\ne\r\n[User]\r\nAnn\r\n[Award]\r\nextra\r\n");
        const SettingsFile file(folder.path(SettingsFile::kFileName));
        QCOMPARE(file.write(file.read().settings), std::nullopt);
        QCOMPARE(folder.readFile(SettingsFile::kFileName),
                 QByteArray("[Sound]\r\na\r\nb\r\nc\r\nd\r\ne\r\n[User]\r\nAnn\r\n[Award]\r\n"));
    }

    void emptyLinesGiveEmptyValues() {
        TestDataFolder folder;
        folder.writeFile(SettingsFile::kFileName,
                         "[Sound]\r\n\r\n\r\n\r\n\r\n\r\n[User]\r\n\r\n[Award]\r\n");
        const SettingsFile::ReadResult result =
            SettingsFile(folder.path(SettingsFile::kFileName)).read();
        QCOMPARE(result.linesRead, 9);
        QCOMPARE(result.settings, StoredSettings());
    }

    void missingOrShortFileGivesWhatItHolds() {
        TestDataFolder folder;
        const SettingsFile file(folder.path(SettingsFile::kFileName));
        SettingsFile::ReadResult result = file.read();
        QVERIFY(result.missing);
        QVERIFY(result.error.isEmpty());
        QCOMPARE(result.settings, StoredSettings());

        // The last line has no line end; it still counts.
        folder.writeFile(SettingsFile::kFileName, "[Sound]\r\na\r\nb\r\nc");
        result = file.read();
        QVERIFY(!result.missing);
        QCOMPARE(result.linesRead, 4);
        QCOMPARE(result.settings.awardSoundPaths[2], QStringLiteral("c"));
        QCOMPARE(result.settings.awardSoundPaths[3], QString());
        QCOMPARE(result.settings.userName, QString());
    }

    void unreadableFileReportsTheReason() {
        TestDataFolder folder;
        QVERIFY(folder.dir().mkdir(SettingsFile::kFileName));
        const SettingsFile::ReadResult result =
            SettingsFile(folder.path(SettingsFile::kFileName)).read();
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(result.settings, StoredSettings());
    }

    void failedWriteLeavesNoTemporaryFile() {
        TestDataFolder folder;
        // A folder in the file's place: the rename cannot replace it.
        QVERIFY(folder.dir().mkpath(SettingsFile::kFileName + QStringLiteral("/inside")));
        const auto error = SettingsFile(folder.path(SettingsFile::kFileName)).write(sample());
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
        QCOMPARE(folder.dir().entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("Default User.mdk")}));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
