#include "app/core/database_connections.h"
#include "scores/core/score_schema.h"
#include "scores/core/score_store.h"
#include "support/test_data_folder.h"
#include "support/write_protection.h"

#include <QSqlQuery>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

ScoreRecord sheet(int score, const QString& level = u"Normal"_s) {
    return {QDate(2026, 12, 6), score, u"15"_s, level, u"Minus and Plus Practice program"_s};
}

// The first column of the statement's first row.
QString firstValue(DatabaseConnections& connections, const QString& file,
                   const QString& statement) {
    const Result<DatabaseConnection> opened = connections.open(file);
    QSqlQuery query(opened->database());
    return query.exec(statement) && query.next() ? query.value(0).toString() : QString();
}

// Empty when the totals per fact by day and by month agree with the complete records'
// answers, counted afresh.
QString totalsAgainstAnswers(DatabaseConnections& connections, const QString& file) {
    const auto listed = [&](const QString& period, const QString& select) {
        return firstValue(connections, file,
                          u"SELECT group_concat(f, ';') FROM (SELECT cat || ' ' || %1 || ' ' ||"
                          " operation || left_operand || right_operand || ' ' || %2 ORDER BY 1)"_s
                              .arg(period, select));
    };
    QString disagree;
    for (const auto& [table, column, period] :
         {std::tuple{u"fact_day"_s, u"sdate"_s, u"sdate"_s},
          {u"fact_month"_s, u"month"_s, u"substr(sdate, 1, 7)"_s}}) {
        const QString kept = listed(column, u"asked || answered_right AS f FROM "_s + table);
        const QString counted = listed(
            period, u"count(*) || sum(marked_right) AS f FROM answer WHERE NOT (%1) GROUP BY cat,"
                    " %2, operation, left_operand, right_operand"_s.arg(incompleteCondition(),
                                                                        period));
        if (kept != counted) disagree += kept + u" against "_s + counted;
    }
    return disagree;
}

// A sheet of `answers` (place:typed, each marked wrong) for `record`.
MarkedSheet marked(const QString& id, const ScoreRecord& record, const QStringList& answers) {
    MarkedSheet sheet{id, record, {}};
    for (const QString& answer : answers)
        sheet.answers.append({answer.section(u':', 0, 0).toInt(), kOrdinaryRound, 7, u"-"_s, 3,
                              u"4"_s, answer.section(u':', 1), false, 2.5});
    return sheet;
}

// Ann's score database with `records` rows, and a store on it.
struct Rig {
    explicit Rig(int records = 0) { folder.makeUserDatabase(u"Ann"_s, records); }
    TestDataFolder folder;
    const QString file = folder.path(u"Ann.mdb"_s);
    DatabaseConnections connections;
    ScoreStore store{connections};
};

}  // namespace

class TestScoreStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Values are bound, never pasted into the statement; the day goes in as yyyy-mm-dd;
    // each store releases its connection.
    void storesOneRowPerRecord() {
        TestDataFolder folder;
        const QString user = u"Ann #1? 100% & Zoë"_s;  // characters a file URI escapes
        folder.makeUserDatabase(user);
        const QString file = folder.path(user + u".mdb"_s);
        DatabaseConnections connections;
        const QList<ScoreRecord> records{sheet(12), sheet(0), sheet(0),
                                         sheet(7, u"x'); DELETE FROM score; --"_s)};
        for (const ScoreRecord& record : records)
            QCOMPARE(ScoreStore(connections).store(file, record).error(), QString());
        QCOMPARE(connections.openCount(file), 0);
        QCOMPARE(folder.records(user + u".mdb"_s), records);
        QCOMPARE(firstValue(connections, file, u"SELECT sdate FROM score"_s), u"2026-12-06"_s);
    }

    // Typed texts come back as typed, up to the bound and never cut inside a character;
    // a failing answer leaves neither the record nor any answer.
    void storesASheetWithItsAnswersOrNothing_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("read");  // null: the store fails
        QTest::newRow("as typed") << QStringList{u"0: 7,\"\t\u0001\n\u0663\u4E03"_s, u"1:"_s}
                                  << QStringList{u" 7,\"\t\u0001\n\u0663\u4E03"_s, u""_s};
        QTest::newRow("bounded") << QStringList{u"0:"_s + QString(70, u'9'),
                                                u"1:"_s + QString(63, u'8') + u"\U0001F600"_s}
                                 << QStringList{QString(64, u'9'), QString(63, u'8')};
        QTest::newRow("failing answer") << QStringList{u"2:1"_s, u"2:2"_s} << QStringList();
    }
    void storesASheetWithItsAnswersOrNothing() {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, read);
        Rig rig;
        auto& [folder, file, connections, store] = rig;
        const MarkedSheet stored = marked(u"s1"_s, sheet(0), answers);
        QCOMPARE(store.store(file, stored).ok(), !read.isEmpty());
        QCOMPARE(folder.recordCount(u"Ann.mdb"_s), read.isEmpty() ? 0 : 1);
        QCOMPARE(totalsAgainstAnswers(connections, file), QString());
        const auto back = store.answers(file, u"MINUS and plus practice program"_s,
                                        QDate(2026, 12, 6), QDate(2026, 12, 6));
        QList<StoredAnswer> expected;
        for (qsizetype i = 0; i < read.size(); ++i) {
            expected.append({u"s1"_s, stored.record, stored.answers[i]});
            expected.last().answer.typed = read[i];
        }
        QCOMPARE(back.value(), expected);
    }

    // A range's clean-up and the removal of incomplete and test records take their
    // answers, and only theirs; the totals per fact follow.
    void removalsTakeTheSheetsAnswers() {
        Rig rig;
        auto& [folder, file, connections, store] = rig;
        ScoreRecord before = sheet(1), noSpeed = sheet(3);
        before.day = QDate(2026, 12, 4);
        noSpeed.speed = QString();
        for (const auto& [id, record] : {std::pair{u"kept"_s, before},
                                         {u"day"_s, sheet(4)},
                                         {u"test"_s, sheet(2, u"TEST"_s)},
                                         {u"speed"_s, noSpeed}})
            QVERIFY(store.store(file, marked(id, record, {u"0:1"_s, u"1:2"_s})));
        QCOMPARE(totalsAgainstAnswers(connections, file), QString());
        QVERIFY(store.removeIncomplete(file));
        QCOMPARE(store.answers(file, QString(), before.day, sheet(0).day)->size(), 4);
        QVERIFY(store.removeDays(file, QDate(2026, 12, 5), QDate(2026, 12, 6)));
        QCOMPARE(store.answers(file, QString(), before.day, sheet(0).day)->size(), 2);
        QCOMPARE(totalsAgainstAnswers(connections, file), QString());
    }

    // A mistakes round reads the range's wrong answers and the most recent ones.
    void answersToPractise() {
        Rig rig;
        auto& [folder, file, connections, store] = rig;
        MarkedSheet old = marked(u"o"_s, sheet(1), {u"0:1"_s, u"1:2"_s}),
                    last = marked(u"n"_s, sheet(2), {u"0:3"_s, u"1:4"_s});
        old.record.day = QDate(2026, 12, 5);
        old.answers[1].markedRight = last.answers[0].markedRight = true;
        QVERIFY(store.store(file, old) && store.store(file, last));
        QStringList read;
        const auto practised = store.answersToPractise(file, u"MINUS and plus practice program"_s,
                                                       old.record.day, last.record.day, 2);
        for (const StoredAnswer& a : *practised) read << a.sheet + a.answer.typed;
        QCOMPARE(read, (QStringList{u"o1"_s, u"n3"_s, u"n4"_s}));
    }

    // A range's totals come from whole months and the days around them, each day once.
    void factTotalsOverRanges_data() {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("days");  // of the days below, by index
        QTest::newRow("a whole month") << QDate(2026, 11, 1) << QDate(2026, 11, 30) << u"1 2"_s;
        QTest::newRow("days around a whole month")
            << QDate(2026, 10, 31) << QDate(2026, 12, 1) << u"0 1 2 3"_s;
        QTest::newRow("within a month") << QDate(2026, 11, 1) << QDate(2026, 11, 29) << u"1"_s;
        QTest::newRow("across a month's end")
            << QDate(2026, 11, 30) << QDate(2026, 12, 6) << u"2 3 4"_s;
    }
    void factTotalsOverRanges() {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, days);
        Rig rig;
        for (int i = 0; const QDate day : {QDate(2026, 10, 31), QDate(2026, 11, 1),
                                           QDate(2026, 11, 30), QDate(2026, 12, 1),
                                           QDate(2026, 12, 6)}) {
            MarkedSheet one = marked(QString::number(i), sheet(0), {u"0:1"_s});
            one.record.day = day;
            one.answers[0].left = i++;
            QVERIFY(rig.store.store(rig.file, one));
        }
        // Named: a range over `*` of a temporary would outlive the totals it reads.
        const auto totals = rig.store.factTotals(rig.file, sheet(0).category, first, last);
        QStringList read;
        for (const FactTotal& total : *totals)
            read << QString::number(total.left).repeated(total.asked);
        QCOMPARE(read.join(u' '), days);
    }

    void insertsWhileAnotherConnectionHoldsAnUnfinishedSelect() {
        Rig rig(5);
        auto& [folder, file, connections, store] = rig;
        const DatabaseConnection held = connections.open(file).value();
        QSqlQuery reading(held.database());
        QVERIFY(reading.exec(u"SELECT score FROM score"_s) && reading.next());
        QCOMPARE(store.store(file, sheet(18)).error(), QString());
        reading.finish();
        QCOMPARE(folder.recordCount(u"Ann.mdb"_s), 6);
    }

    void unusableDatabasesAreReportedAndNeverCreated_data() {
        QTest::addColumn<QByteArray>("contents");  // null: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a database") << QByteArray(4096, 'z');
        QTest::newRow("empty file, no table") << QByteArray("");
    }
    void unusableDatabasesAreReportedAndNeverCreated() {
        QFETCH(QByteArray, contents);
        TestDataFolder folder;
        if (!contents.isNull()) folder.writeFile(u"Ann.mdb"_s, contents);
        const QString file = folder.path(u"Ann.mdb"_s);
        DatabaseConnections connections;
        QVERIFY(!ScoreStore(connections).store(file, sheet(3)).error().isEmpty());
        QCOMPARE(QFile::exists(file), !contents.isNull());
        QCOMPARE(connections.openCount(file), 0);
        QCOMPARE(folder.recordCount(u"Ann.mdb"_s), -1);
    }

    // A file of an earlier build, without the index of incomplete records, the answers and
    // the sheets sent to a class server, or with answers but no totals per fact, is still
    // a score database, brought up to date by whichever call opens it first; one that may
    // not be written says so.
    void earlierBuildsFileIsUpgradedOnFirstRead_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("made");  // the statements that make the earlier file
        const QString second = u"DROP INDEX score_incomplete;DROP TABLE answer;DROP TABLE class_sent;"
                                "PRAGMA user_version=2"_s;
        QTest::newRow("writable") << false << second;
        QTest::newRow("read-only") << true << second;
        QTest::newRow("answers without totals") << false
                                                << u"DROP TABLE fact_day;PRAGMA user_version=4"_s;
    }
    void earlierBuildsFileIsUpgradedOnFirstRead() {
        QFETCH(bool, readOnly);
        QFETCH(QString, made);
        Rig rig(2);
        auto& [folder, file, connections, store] = rig;
        QVERIFY(store.store(file, marked(u"a"_s, sheet(1), {u"0:1"_s, u"1:7"_s})));
        for (const QString& statement : made.split(u';'))
            QVERIFY(QSqlQuery(connections.open(file)->database()).exec(statement));
        QVERIFY(checkScoreDatabase(file));
        std::optional<WriteProtection> protection;
        if (readOnly) protection.emplace(file, WriteProtection::File);
        QCOMPARE(store.readAll(file).error().left(22),
                 readOnly ? u"it cannot be written ("_s : QString());
        protection.reset();
        QCOMPARE(firstValue(connections, file, u"PRAGMA user_version"_s) + u' ' +
                     firstValue(connections, file, u"SELECT count(*) FROM class_sent"_s),
                 readOnly ? u"2 "_s : u"6 0"_s);
        QVERIFY(store.store(file, marked(u"s"_s, sheet(1), {u"0:1"_s})));
        QCOMPARE(totalsAgainstAnswers(connections, file), QString());
    }

    // A restore writes the file whole: first every connection to it is released and its
    // log folded in, and a log left over goes too, so that no old record comes back.
    void replaceFileReleasesTheFilesConnectionsFirst() {
        Rig rig(1);
        auto& [folder, ann, connections, store] = rig;
        folder.makeUserDatabase(u"Bob"_s, 1);
        const QString fresh = folder.path(u"fresh.mdb"_s);
        const DatabaseConnection first = connections.open(ann).value(),
                                 second = connections.open(ann).value();
        const DatabaseConnection other = connections.open(folder.path(u"Bob.mdb"_s)).value();
        DatabaseConnections theirs;  // whose connection names must not clash with these
        const DatabaseConnection theirsToBob = theirs.open(folder.path(u"Bob.mdb"_s)).value();
        QCOMPARE(store.store(ann, sheet(1)).error(), QString());
        // Bob's log keeps this record while a connection to Bob is open.
        QCOMPARE(store.store(folder.path(u"Bob.mdb"_s), sheet(2)).error(), QString());
        QVERIFY(createScoreDatabase(fresh));
        QVERIFY(!createScoreDatabase(fresh));  // never over an existing file
        const Result<void> replaced = connections.replaceFile(ann, [&]() -> Result<void> {
            if (QFile::exists(ann + u"-wal"_s)) return Failure{u"the log is still there"_s};
            QFile::copy(folder.path(u"Bob.mdb-wal"_s), ann + u"-wal"_s);  // as a crash leaves it
            if (QFile::remove(ann) && QFile::rename(fresh, ann)) return {};
            return Failure{u"not replaced"_s};
        });
        QCOMPARE(replaced.error(), QString());
        QVERIFY(!first.isOpen() && !second.isOpen() && other.isOpen() && theirsToBob.isOpen());
        QCOMPARE(folder.recordCount(u"Ann.mdb"_s), 0);
    }
};

QTEST_GUILESS_MAIN(TestScoreStore)
#include "test_score_store.moc"
