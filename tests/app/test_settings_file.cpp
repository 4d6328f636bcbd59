#include "app/core/settings_file.h"
#include "app/core/user_files.h"
#include "support/test_data_folder.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestSettingsFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesNineCrLfLinesAndReadsThemBack() {
        TestDataFolder folder;
        const SettingsFile file(folder.path(SettingsFile::kFileName));
        StoredSettings settings;
        settings.awardSoundPaths = {
            u"C:\\sounds\\boo.wav"_s, u" yay.mid "_s, {}, u"/home/me/wow.mp3"_s, u"perfect.wav"_s};
        settings.userName = u"  Zoë O'Neil "_s;
        QCOMPARE(file.write(settings).error(), QString());
        QCOMPARE(
            folder.readFile(SettingsFile::kFileName),
            QByteArray("[Sound]\r\nC:\\sounds\\boo.wav\r\n yay.mid \r\n\r\n/home/me/wow.mp3\r\n"
                       "perfect.wav\r\n[User]\r\n  Zo\xc3\xab O'Neil \r\n[Award]\r\n"));
        QCOMPARE(file.read().settings, settings);
        // A value that would not read back as itself never reaches the file.
        StoredSettings broken = settings;
        broken.userName = u"Ann\r"_s;
        QCOMPARE(file.write(broken).error(), u"the user name contains a line break"_s);
        broken.awardSoundPaths[4] = u"\x1b"_s;
        QCOMPARE(file.write(broken).error(), u"award sound 5 contains a control character"_s);
        QCOMPARE(file.read().settings, settings);
        // The temporary file went into the file's place.
        QCOMPARE(folder.dir().entryList(QDir::Files | QDir::Hidden),
                 QStringList({UserFiles::kTemplateName, SettingsFile::kFileName}));
    }

    // Lines 2 to 6 are the award paths and line 8 the user, whatever the other lines hold.
    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");  // null: no file
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("values");  // the five award paths and the user, "|" between
        // CR, LF and CRLF each end a line.
        QTest::newRow("mixed") << QByteArray("[Sound]\r\na\rb\nc\r\nd\re\n[User]\r\nAnn\r[Award]")
                               << 9 << u"a|b|c|d|e|Ann"_s;
        QTest::newRow("other headers, more lines")
            << QByteArray("x\r\na\r\nb\r\nc\r\nd\r\ne\r\n;\r\nAnn\r\ny\r\nz\r\n") << 9
            << u"a|b|c|d|e|Ann"_s;
        QTest::newRow("short, last line unended")
            << QByteArray("[Sound]\r\na\r\nb\r\nc") << 4 << u"a|b|c|||"_s;
        QTest::newRow("missing") << QByteArray() << 0 << u"|||||"_s;
    }
    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(QString, values);
        TestDataFolder folder;
        if (!bytes.isNull()) folder.writeFile(SettingsFile::kFileName, bytes);
        const auto result = SettingsFile(folder.path(SettingsFile::kFileName)).read();
        QCOMPARE(result.linesRead, lines);
        QCOMPARE(result.missing, bytes.isNull());
        QVERIFY(result.error.isEmpty());
        const StoredSettings& read = result.settings;
        QCOMPARE(QStringList(read.awardSoundPaths.begin(), read.awardSoundPaths.end())
                     << read.userName,
                 values.split(u'|'));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
