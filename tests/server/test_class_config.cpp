#include "server/core/class_config.h"
#include "support/test_data_folder.h"

#include <QTest>

// The configuration's table of good and bad files; a refusal names the file.
class TestClassConfig : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read");  // "class|options", or "!" and part of the refusal
        const auto row = [](const char* name, const char* text, const char* read) {
            QTest::newRow(name) << QByteArray(text) << QString(read);
        };
        row("empty", "", "|");
        row("only comments", " # class = 3B\n\n\t\r\n#x", "|");
        row("service", "class = Class 3B \nservice=it's", "Class 3B|service='it\\'s'");
        row("connection", "class=3B\r\nconnection = host=db port=5\r\n", "3B|host=db port=5");
        row("quoted password", "class=a\nconnection=b='password=\\' c'", "a|b='password=\\' c'");
        row("unknown key", "class=3B\nhost = db", "!line 2: unknown key \"host\"");
        row("no equals", "\nclass 3B", "!line 2: no \"key");
        row("empty value", "class =", "!\"class\" has no value");
        row("second class", "class=a\nclass=b", "!line 2: a second \"class\"");
        row("two servers", "class=a\nservice=s\nconnection=h=d", "!line 3: a second \"conn");
        row("missing class", "service=s", "!names no \"class\"");
        row("no server", "class=a", "!no \"service\"");
        row("password", "class=a\nconnection=host=db password = 'x y'", "!line 2: a password");
        row("uri", "class=a\nconnection=postgresql://u:p@db/b", "!not as a URI");
        row("semicolon in a service", "class=a\nservice=ho;l", "!line 2: a semicolon");
        row("open quote", "class=a\nconnection=host='db", "!not closed");
        row("keyword alone", "class=a\nconnection=h=d ssl", "!\"ssl\" in the connection has no");
        row("not UTF-8", "class=\xff", "!not UTF-8");
    }
    void parse() {
        QFETCH(QByteArray, text);
        QFETCH(QString, read);
        const auto config = ClassConfigFile::parse(text, "/etc/class.conf");
        const ClassConfig c = config ? config->value_or(ClassConfig{}) : ClassConfig{};
        const QString got = config ? c.className + '|' + c.connectOptions() : '!' + config.error();
        QVERIFY2(got == read || (!config && got.contains(read.mid(1)) && read.startsWith('!') &&
                                 got.contains("\"/etc/class.conf\"")),
                 qPrintable(got));
    }

    // A missing file is no configuration; a folder or a file too long to be one is refused.
    void read() {
        TestDataFolder folder;
        QVERIFY(!ClassConfigFile::read(folder.path("missing"))->has_value());
        QVERIFY(ClassConfigFile::read(folder.dir().path()).error().contains("not a file"));
        folder.writeFile("big.conf",
                         QByteArray(ClassConfigFile::kMaxBytes, '#') + "\nclass=a\nservice=s");
        QVERIFY(ClassConfigFile::read(folder.path("big.conf")).error().contains("longer than"));
    }
};

QTEST_GUILESS_MAIN(TestClassConfig)
#include "test_class_config.moc"
