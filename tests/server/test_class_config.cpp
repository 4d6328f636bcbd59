#include "server/core/class_config.h"

#include <QTemporaryDir>
#include <QTest>

// The configuration's table of good and bad files; a refusal names the file.
class TestClassConfig : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("className");  // empty when there is no configuration
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("error");  // part of the message
        const auto good = [](const char* name, const char* text, const char* className,
                             const char* options) {
            QTest::newRow(name) << QByteArray(text) << className << options << "";
        };
        const auto bad = [](const char* name, const char* text, const char* error) {
            QTest::newRow(name) << QByteArray(text) << ""
                                << "" << error;
        };
        good("empty", "", "", "");
        good("only comments", " # class = 3B\n\n\t\r\n#x", "", "");
        good("service", "class = Class 3B \nservice=it's", "Class 3B", "service='it\\'s'");
        good("connection", "# ours\r\nclass=3B\r\nconnection = host=db sslmode=verify-full\r\n",
             "3B", "host=db sslmode=verify-full");
        good("password inside a quoted value",
             "class=3B\nconnection=host=db application_name='password=x \\' y'", "3B",
             "host=db application_name='password=x \\' y'");
        bad("unknown key", "class=3B\nhost = db", "line 2: unknown key \"host\"");
        bad("no equals", "\nclass 3B", "line 2: no \"key");
        bad("empty value", "class =", "\"class\" has no value");
        bad("second class", "class=a\nclass=b", "line 2: a second \"class\"");
        bad("service and connection", "class=a\nservice=s\nconnection=host=db",
            "line 3: a second \"connection\"");
        bad("missing class", "service=s", "names no \"class\"");
        bad("no server", "class=a", "no \"service\"");
        bad("password", "class=a\nconnection=host=db password = 'x y'", "line 2: a password");
        bad("uri", "class=a\nconnection=postgresql://u:p@db/b", "not as a URI");
        bad("semicolon in a service", "class=a\nservice=ho;l", "line 2: a semicolon");
        bad("open quote", "class=a\nconnection=host='db", "not closed");
        bad("keyword alone", "class=a\nconnection=host=db sslmode",
            "\"sslmode\" in the connection has no \"=\"");
        bad("not UTF-8", "class=\xff", "not UTF-8");
    }

    void parse() {
        QFETCH(QByteArray, text);
        QFETCH(QString, className);
        QFETCH(QString, options);
        QFETCH(QString, error);
        const auto config = ClassConfigFile::parse(text, "/etc/class.conf");
        QVERIFY2(config.error().contains(error) && config.ok() == error.isEmpty(),
                 qPrintable(config.error()));
        QVERIFY(config || config.error().contains("\"/etc/class.conf\""));
        const ClassConfig read = config ? config->value_or(ClassConfig{}) : ClassConfig{};
        QCOMPARE(read.className + read.connectOptions(), className + options);
    }

    // A missing file is no configuration; a folder or a file too long to be one is refused.
    void read() {
        QTemporaryDir folder;
        QVERIFY(!ClassConfigFile::read(folder.filePath("missing"))->has_value());
        QVERIFY(ClassConfigFile::read(folder.path()).error().contains("not a file"));
        QFile big(folder.filePath("big.conf"));
        QVERIFY(big.open(QIODevice::WriteOnly) &&
                big.write(QByteArray(ClassConfigFile::kMaxBytes, '#') + "\nclass=a\nservice=s"));
        big.close();
        QVERIFY(ClassConfigFile::read(big.fileName()).error().contains("longer than"));
    }
};

QTEST_GUILESS_MAIN(TestClassConfig)
#include "test_class_config.moc"
