#include "server/class_server.h"
#include "server/core/class_outbox.h"
#include "support/class_sheets.h"
#include "support/private_pg_server.h"
#include "support/test_app.h"

#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

// The program's start with and without a class configuration, against a real server.
class TestClassServerStart : public QObject {
    Q_OBJECT
private slots:
    void configuration_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("only a comment") << QByteArray("# class = 3B\n") << "";
        QTest::newRow("malformed") << QByteArray("class = 3B\nhost = db\n")
                                   << "class.conf\" cannot be used: line 2: unknown key";
    }
    // Without a configuration nothing runs; one that cannot be used is named once.
    void configuration() {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        TestApp app(u"Guest"_s);
        start(app, text);
        QCOMPARE(app.context.classServer, nullptr);
        QCOMPARE(app.messages->texts.size(), int(!message.isEmpty()));
        QVERIFY(app.messages->texts.value(0).contains(message));
    }

    // Down at start and at a store: said once; once up, every sheet arrives once, the
    // new ones at their store.
    void serverDownThenUp() {
        PrivatePgServer server;
        QVERIFY2(server.error().isEmpty() && server.stop(), qPrintable(server.error()));
        TestApp app(u"Guest"_s);
        QVERIFY(ScoreStore(app.context.databases)
                    .store(app.folder.path(u"Guest.mdb"_s), classSheet(1)));
        start(app, "class = 3B\nconnection = " +
                       server.connection(PrivatePgServer::kComputerA).toUtf8());
        QTRY_VERIFY(app.context.classServer);
        QSignalSpy rounds(qobject_cast<ClassOutbox*>(app.context.classServer.get()),
                          &ClassOutbox::roundEnded);
        QTRY_COMPARE(app.messages->texts.size(), 1);
        QWidget* screen = app.open(PracticeKind::AdditionSubtraction);
        const qsizetype before = rounds.size();
        app.click(screen, u"Command3"_s);
        QTRY_COMPARE(rounds.size(), before + 1);
        QVERIFY(server.start());
        app.click(screen, u"Command1"_s);
        app.click(screen, u"Command3"_s);
        QTRY_COMPARE(
            server.psql(u"SELECT count(DISTINCT id) || ' ' || count(*) || ' ' ||"
                        " min(child) FROM brenlo.sheet JOIN brenlo.answer ON sheet = id"_s),
            u"3 54 Guest"_s);
        QCOMPARE(app.messages->texts.filter(u"kept on this computer"_s).size(), 1);
    }

private:
    // As the program starts with `configuration`, and none from the system: the class
    // server after the main menu's first paint.
    static void start(TestApp& app, const QByteArray& configuration) {
        qputenv("XDG_CONFIG_HOME", app.folder.dir().path().toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", app.folder.path(u"none"_s).toLocal8Bit());
        QVERIFY(app.folder.dir().mkpath(u"brenlo-math"_s));
        app.folder.writeFile(u"brenlo-math/class.conf"_s, configuration);
        QWidget* menu = app.show(ScreenId::MainMenu);
        startClassServer(app.context, menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::qWait(50);
    }
};

QTEST_MAIN(TestClassServerStart)
#include "test_class_server_start.moc"
