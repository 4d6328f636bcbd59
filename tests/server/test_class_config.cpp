#include "server/core/class_config.h"

#include <QTemporaryDir>
#include <QTest>

class TestClassConfig : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void read();
};

void TestClassConfig::parse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("className");  // empty when there is no configuration
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("error");  // part of the message

    QTest::newRow("empty") << QByteArray() << "" << "" << "";
    QTest::newRow("only comments") << QByteArray(" # class = 3B\n\n\t\r\n#x") << "" << "" << "";
    QTest::newRow("service") << QByteArray("class = Class 3B \nservice=it's") << "Class 3B"
                             << "service='it\\'s'" << "";
    QTest::newRow("connection")
        << QByteArray("# ours\r\nclass=3B\r\nconnection = host=db dbname=b sslmode=verify-full\r\n")
        << "3B" << "host=db dbname=b sslmode=verify-full" << "";
    QTest::newRow("password quoted inside a value")
        << QByteArray("class=3B\nconnection=host=db application_name='password=x \\' y'") << "3B"
        << "host=db application_name='password=x \\' y'" << "";
    QTest::newRow("unknown key") << QByteArray("class=3B\nhost = db") << "" << ""
                                 << "line 2: unknown key \"host\"";
    QTest::newRow("no equals") << QByteArray("\nclass 3B") << "" << "" << "line 2: no \"key";
    QTest::newRow("empty value") << QByteArray("class =") << "" << "" << "\"class\" has no value";
    QTest::newRow("second class") << QByteArray("class=a\nclass=b") << "" << ""
                                  << "line 2: a second \"class\"";
    QTest::newRow("service and connection")
        << QByteArray("class=a\nservice=s\nconnection=host=db") << "" << ""
        << "line 3: a second \"connection\"";
    QTest::newRow("missing class") << QByteArray("service=s") << "" << "" << "names no \"class\"";
    QTest::newRow("no server") << QByteArray("class=a") << "" << "" << "no \"service\"";
    QTest::newRow("password") << QByteArray("class=a\nconnection=host=db password = 'x y'") << ""
                              << "" << "line 2: a password";
    QTest::newRow("uri") << QByteArray("class=a\nconnection=postgresql://u:p@db/b") << "" << ""
                         << "not as a URI";
    QTest::newRow("semicolon in a service") << QByteArray("class=a\nservice=ho;l") << "" << ""
                                            << "line 2: a semicolon";
    QTest::newRow("open quote") << QByteArray("class=a\nconnection=host='db") << "" << ""
                                << "not closed";
    QTest::newRow("keyword alone") << QByteArray("class=a\nconnection=host=db sslmode") << ""
                                   << "" << "\"sslmode\" in the connection has no \"=\"";
    QTest::newRow("not UTF-8") << QByteArray("class=\xff") << "" << "" << "not UTF-8";
}

void TestClassConfig::parse() {
    QFETCH(QByteArray, text);
    QFETCH(QString, className);
    QFETCH(QString, options);
    QFETCH(QString, error);
    const auto config = ClassConfigFile::parse(text, QStringLiteral("/etc/class.conf"));
    QVERIFY2(config.error().contains(error) && config.ok() == error.isEmpty(),
             qPrintable(config.error()));
    if (!config) {
        QVERIFY(config.error().contains(QLatin1String("\"/etc/class.conf\"")));
    } else {
        QCOMPARE(config->value_or(ClassConfig{}).className, className);
        QCOMPARE(config->value_or(ClassConfig{}).connectOptions(), options);
    }
}

void TestClassConfig::read() {
    QTemporaryDir folder;
    QVERIFY(!ClassConfigFile::read(folder.filePath(QStringLiteral("missing")))->has_value());
    QVERIFY(ClassConfigFile::read(folder.path()).error().contains(QLatin1String("not a file")));
    QFile big(folder.filePath(QStringLiteral("big.conf")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(ClassConfigFile::kMaxBytes, '#') + "\nclass=a\nservice=s");
    big.close();
    QVERIFY(ClassConfigFile::read(big.fileName()).error().contains(QLatin1String("longer than")));
}

QTEST_GUILESS_MAIN(TestClassConfig)
#include "test_class_config.moc"
