#include "app/core/database_connections.h"
#include "practice/core/score_table.h"
#include "support/test_data_folder.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

ScoreRecord sheet(int score, const QString& level = QStringLiteral("Normal")) {
    return {QDate(2026, 12, 6), score, QStringLiteral("15"), level,
            QStringLiteral("Minus and Plus Practice program")};
}

QList<QStringList> rows(DatabaseConnections& connections, const QString& file) {
    QList<QStringList> result;
    const DatabaseConnection connection = connections.open(file);
    QSqlQuery select(connection.database());
    select.exec(QStringLiteral("SELECT sdate, score, speed, lvl, cat FROM score ORDER BY rowid"));
    while (select.next()) {
        QStringList row;
        for (int column = 0; column < 5; ++column) row.append(select.value(column).toString());
        result.append(row);
    }
    return result;
}

QString pragma(DatabaseConnections& connections, const QString& file, const QString& statement) {
    const DatabaseConnection connection = connections.open(file);
    QSqlQuery query(connection.database());
    return query.exec(statement) && query.next() ? query.value(0).toString() : QString();
}

}  // namespace

class TestScoreStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storesOneRowPerRecordWithTheDayInIsoForm() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"));
        const QString file = folder.path(QStringLiteral("Ann.mdb"));
        DatabaseConnections connections;
        ScoreStore store(connections);

        QCOMPARE(store.store(file, sheet(12)), std::nullopt);
        QCOMPARE(store.store(file, sheet(0)), std::nullopt);
        QCOMPARE(store.store(file, sheet(0)), std::nullopt);  // the same sheet twice: two rows

        const QStringList expected12{QStringLiteral("2026-12-06"), QStringLiteral("12"),
                                     QStringLiteral("15"), QStringLiteral("Normal"),
                                     QStringLiteral("Minus and Plus Practice program")};
        const QList<QStringList> stored = rows(connections, file);
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored[0], expected12);
        QCOMPARE(stored[1][1], QStringLiteral("0"));
        QCOMPARE(stored[1], stored[2]);
        // Each action released its connection.
        QCOMPARE(connections.openCount(file), 0);
    }

    void valuesAreBoundNeverPasted() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"));
        const QString file = folder.path(QStringLiteral("Ann.mdb"));
        DatabaseConnections connections;
        ScoreStore store(connections);
        const QString hostile = QStringLiteral("x'); DELETE FROM score; --");
        QCOMPARE(store.store(file, sheet(5)), std::nullopt);
        QCOMPARE(store.store(file, sheet(7, hostile)), std::nullopt);
        const QList<QStringList> stored = rows(connections, file);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[1][3], hostile);
    }

    void fileNamesWithUriCharactersWork() {
        TestDataFolder folder;
        const QString user = QStringLiteral("Ann #1? 100% & Zoë");
        folder.makeUserDatabase(user);
        DatabaseConnections connections;
        ScoreStore store(connections);
        QCOMPARE(store.store(folder.path(user + QStringLiteral(".mdb")), sheet(4)), std::nullopt);
        QCOMPARE(folder.recordCount(user + QStringLiteral(".mdb")), 1);
    }

    void insertsWhileAnotherConnectionHoldsAnUnfinishedSelect() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"), 5);
        const QString file = folder.path(QStringLiteral("Ann.mdb"));
        DatabaseConnections connections;
        ScoreStore store(connections);

        const DatabaseConnection held = connections.open(file);
        QVERIFY(held.isOpen());
        QSqlQuery reading(held.database());
        QVERIFY(reading.exec(QStringLiteral("SELECT score FROM score")));
        QVERIFY(reading.next());  // a read transaction stays open on this connection

        QCOMPARE(store.store(file, sheet(18)), std::nullopt);
        QCOMPARE(connections.openCount(file), 1);
        reading.finish();
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 6);
    }

    void missingDatabaseIsReportedAndNeverCreated() {
        TestDataFolder folder;
        DatabaseConnections connections;
        ScoreStore store(connections);
        const QString file = folder.path(QStringLiteral("Nobody.mdb"));
        const auto error = store.store(file, sheet(3));
        QVERIFY(error.has_value());
        QVERIFY(!error->isEmpty());
        QVERIFY(!QFile::exists(file));
    }

    void damagedOrEmptyDatabaseIsReported_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("not a database") << QByteArray(4096, 'z');
        QTest::newRow("empty file, no table") << QByteArray();
    }
    void damagedOrEmptyDatabaseIsReported() {
        QFETCH(QByteArray, contents);
        TestDataFolder folder;
        folder.writeFile(QStringLiteral("Ann.mdb"), contents);
        DatabaseConnections connections;
        ScoreStore store(connections);
        QVERIFY(store.store(folder.path(QStringLiteral("Ann.mdb")), sheet(3)).has_value());
        QCOMPARE(connections.openCount(folder.path(QStringLiteral("Ann.mdb"))), 0);
    }

    void releaseAllClosesHeldConnections() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"), 1);
        folder.makeUserDatabase(QStringLiteral("Bob"), 1);
        const QString ann = folder.path(QStringLiteral("Ann.mdb"));
        DatabaseConnections connections;
        DatabaseConnection first = connections.open(ann);
        const DatabaseConnection second = connections.open(ann);
        const DatabaseConnection other = connections.open(folder.path(QStringLiteral("Bob.mdb")));
        QCOMPARE(connections.openCount(ann), 2);

        connections.releaseAll(ann);
        QVERIFY(!first.isOpen());
        QVERIFY(!second.isOpen());
        QVERIFY(other.isOpen());
        QCOMPARE(connections.openCount(ann), 0);
        // The log is folded back: the file alone holds every record.
        QVERIFY(!QFile::exists(ann + QStringLiteral("-wal")));
        first = DatabaseConnection();  // releasing again is harmless
    }

    void separateRegistriesNeverShareAConnection() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Bob"));
        DatabaseConnections mine, theirs;
        const DatabaseConnection ann = mine.open(folder.path(QStringLiteral("Ann.mdb")));
        const DatabaseConnection bob = theirs.open(folder.path(QStringLiteral("Bob.mdb")));
        QVERIFY(ann.isOpen() && bob.isOpen());
        QVERIFY(ann.database().databaseName().contains(QStringLiteral("Ann.mdb")));
        QVERIFY(bob.database().databaseName().contains(QStringLiteral("Bob.mdb")));
    }

    void templateHasTheTableTheIndexAndWal() {
        TestDataFolder folder;
        const QString file = folder.path(QStringLiteral("fresh.mdb"));
        QCOMPARE(createScoreDatabase(file), std::nullopt);
        QVERIFY(createScoreDatabase(file).has_value());  // never over an existing file
        DatabaseConnections connections;
        QCOMPARE(pragma(connections, file, QStringLiteral("PRAGMA journal_mode")),
                 QStringLiteral("wal"));
        QCOMPARE(pragma(connections, file,
                        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'")),
                 QStringLiteral("score_summary"));
        const DatabaseConnection connection = connections.open(file);
        QSqlQuery plan(connection.database());
        QVERIFY(plan.exec(QStringLiteral(
            "EXPLAIN QUERY PLAN SELECT avg(score) FROM score WHERE cat = 'x' AND lvl = 'y' "
            "AND speed = '5' AND sdate BETWEEN '2026-01-01' AND '2026-02-01'")));
        QVERIFY(plan.next());
        QVERIFY2(plan.value(QStringLiteral("detail"))
                     .toString()
                     .contains(QStringLiteral("score_summary")),
                 qPrintable(plan.value(QStringLiteral("detail")).toString()));
    }
};

QTEST_GUILESS_MAIN(TestScoreStore)
#include "test_score_store.moc"
