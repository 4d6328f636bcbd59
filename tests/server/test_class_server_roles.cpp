#include "support/private_pg_server.h"

#include <QTest>
#include <QUuid>

#include <memory>

namespace {

using Server = PrivatePgServer;

// A sheet of one answer, as a computer sends it.
QString submit(const QString& id, const QString& child, int score) {
    return QStringLiteral(
               "SELECT brenlo.submit_sheet('%1', '3B', '%2', 'pc', '2026-12-01', 'Addition', "
               "'Easy', '10', %3::smallint, 'ordinary', '[{\"place\": 0, \"left_operand\": 2, "
               "\"operation\": \"+\", \"right_operand\": 3, \"expected\": \"5\", \"typed\": "
               "\"%3\", \"marked_right\": true, \"changed_s\": 1.5}]')")
        .arg(id, child)
        .arg(score);
}

const QString kSheet = QStringLiteral("6f1c1a9e-8e43-4c8a-9d5b-1f2e3d4c5b6a");

}  // namespace

class TestClassServerRoles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void privileges_data();
    void privileges();
    void resendChangesNothing();

private:
    std::unique_ptr<Server> server_;
};

void TestClassServerRoles::initTestCase() {
    server_ = std::make_unique<Server>();
    QVERIFY2(server_->error().isEmpty(), qPrintable(server_->error()));
    QCOMPARE(server_->psql(submit(kSheet, QStringLiteral("Ann"), 5), Server::kComputerA),
             QStringLiteral("t"));
}

void TestClassServerRoles::privileges_data() {
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("output");  // null when refused

    const QString computer = Server::kComputerB;
    const QString count = QStringLiteral("SELECT count(*) FROM brenlo.sheet JOIN brenlo.answer"
                                         " ON sheet = id WHERE child = 'Ann'");
    QTest::newRow("computer reads sheets") << computer << "SELECT * FROM brenlo.sheet" << QString();
    QTest::newRow("computer reads answers") << computer << "TABLE brenlo.answer" << QString();
    QTest::newRow("computer changes") << computer << "UPDATE brenlo.sheet SET score = 0" << QString();
    QTest::newRow("computer deletes") << computer << "DELETE FROM brenlo.answer" << QString();
    QTest::newRow("computer inserts")
        << computer << "INSERT INTO brenlo.answer SELECT * FROM brenlo.answer" << QString();
    QTest::newRow("computer truncates") << computer << "TRUNCATE brenlo.answer" << QString();
    QTest::newRow("teacher submits") << Server::kTeacher << submit(QUuid::createUuid().toString(QUuid::WithoutBraces), "T", 1)
                                     << QString();
    QTest::newRow("teacher changes") << Server::kTeacher << "UPDATE brenlo.answer SET typed = ''"
                                     << QString();
    QTest::newRow("teacher reads") << Server::kTeacher << count << "1";
}

void TestClassServerRoles::privileges() {
    QFETCH(QString, role);
    QFETCH(QString, sql);
    QFETCH(QString, output);
    const QString got = server_->psql(sql, role);
    QCOMPARE(got.isNull(), output.isNull());
    QCOMPARE(got, output);
    if (output.isNull())
        QVERIFY2(server_->lastPsqlError().contains(QLatin1String("permission denied")),
                 qPrintable(server_->lastPsqlError()));
}

// Another computer sending the same identifier neither doubles nor overwrites it.
void TestClassServerRoles::resendChangesNothing() {
    QCOMPARE(server_->psql(submit(kSheet, QStringLiteral("Bob"), 0), Server::kComputerB),
             QStringLiteral("f"));
    QCOMPARE(server_->psql(QStringLiteral("SELECT child, score, sent_by, typed FROM brenlo.sheet"
                                          " JOIN brenlo.answer ON sheet = id")),
             QStringLiteral("Ann|5|computer_a|5"));
}

QTEST_GUILESS_MAIN(TestClassServerRoles)
#include "test_class_server_roles.moc"
