#include "server/core/class_outbox.h"
#include "server/core/sheet_sender.h"
#include "support/class_sheets.h"
#include "support/private_pg_server.h"
#include "support/test_data_folder.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every sheet on the server, whole, as arrived() writes one.
const QString kArrived =
    u"SELECT string_agg(r, ' ' ORDER BY r) FROM (SELECT concat_ws('|', id, child, sdate,"
    " category, level, speed, score, round, string_agg(format('%s %s%s%s=%s:%s:%s:%s', place,"
    " left_operand, operation, right_operand, expected, typed, marked_right, changed_s), '|'"
    " ORDER BY place)) r FROM brenlo.sheet LEFT JOIN brenlo.answer ON sheet = id GROUP BY id) s"_s;

QString arrived(const QString& child, const MarkedSheet& s) {
    QString row = u"%1|%2|%3|%4|%5|%6|%7|%8"_s.arg(
        s.id, child, s.record.day.toString(Qt::ISODate), s.record.category, s.record.level,
        s.record.speed, QString::number(s.record.score), kOrdinaryRound);
    for (const AnswerRecord& a : s.answers)
        row += u"|%1 %2%3%4=%5:%6:%7:%8"_s.arg(
            QString::number(a.place), QString::number(a.left), a.operation,
            QString::number(a.right), a.expected, a.typed, a.markedRight ? "t" : "f",
            a.changedSeconds ? QString::number(*a.changedSeconds) : "");
    return row;
}

}  // namespace

// The sender against a private server: the sheets go whole, once, through the faults
// and kills, and the roles may do only what they must.
class TestSheetSender : public QObject {
    Q_OBJECT
    PrivatePgServer server_;
    const ClassConfig config_{"3B", {}, server_.connection(PrivatePgServer::kComputerA)};
    std::unique_ptr<TestDataFolder> folder_;
    DatabaseConnections connections_;
    QStringList arriving_;  // every sheet that must arrive, as arrived() writes it

    SheetSender::Round send() { return SheetSender(config_, folder_->dir(), "pc-1").sendAll(); }
    void store(const QString& user, const MarkedSheet& sheet, bool arrives = true) {
        const QString path = folder_->path(user + ".mdb");
        if (!QFile::exists(path)) folder_->makeUserDatabase(user);
        QVERIFY(ScoreStore(connections_).store(path, sheet));
        if (arrives) arriving_ << arrived(user, sheet);
    }
    void storeMany(int count) {
        for (int i = 0; i < count; ++i) store(i % 2 ? "Bob" : "Ann", classSheet(i));
    }
    // Every sheet that must arrive is on the server, whole, and no other; a round then
    // sends nothing and says `problem`, or nothing.
    void verifyArrivedOnce(const QString& problem = {}) {
        arriving_.sort();
        QCOMPARE(server_.psql(kArrived), arriving_.join(u' '));
        const SheetSender::Round round = send();
        QVERIFY2(round.sent == 0 && round.problem.contains(problem) &&
                     round.problem.isEmpty() == problem.isEmpty(),
                 qPrintable(round.problem));
    }
    QProcess* startChild() {
        auto* child = new QProcess(this);
        child->start(QCoreApplication::applicationFilePath(),
                     {"child", folder_->dir().path(), config_.connection});
        child->waitForStarted();
        return child;
    }

private slots:
    void initTestCase() { QVERIFY2(server_.error().isEmpty(), qPrintable(server_.error())); }
    void init() {
        folder_ = std::make_unique<TestDataFolder>();
        arriving_.clear();
        QVERIFY(!server_.psql("TRUNCATE brenlo.answer, brenlo.sheet").isNull());
    }

    void privileges_data() {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("sql");     // %1: the sheet sent
        QTest::addColumn<QString>("output");  // null when refused
        const QString pc = PrivatePgServer::kComputerA, teacher = PrivatePgServer::kTeacher;
        const QString submit =
            "SELECT brenlo.submit_sheet('%1', '3B', 'Bob', 'pc-2', '2026-12-01',"
            " 'c', 'l', 's', 0::smallint, 'r', '[]')";
        QTest::newRow("computer reads")
            << pc << "SELECT FROM brenlo.sheet, brenlo.answer" << QString();
        QTest::newRow("computer inserts")
            << pc << "INSERT INTO brenlo.sheet (id) VALUES ('%1')" << QString();
        QTest::newRow("computer changes") << pc << "UPDATE brenlo.sheet SET score = 0" << QString();
        QTest::newRow("computer deletes") << pc << "DELETE FROM brenlo.answer" << QString();
        QTest::newRow("computer resends") << pc << submit << "f";
        QTest::newRow("teacher submits") << teacher << submit << QString();
        QTest::newRow("teacher changes") << teacher << "DELETE FROM brenlo.answer" << QString();
        QTest::newRow("teacher reads")
            << teacher << "SELECT concat_ws(' ', class_name, computer, sent_by) FROM brenlo.sheet"
            << "3B pc-1 computer_a";
    }
    // The computers may only add sheets, and a sheet sent stays as it was when its
    // identifier comes again; the teacher may only read.
    void privileges() {
        QFETCH(QString, role);
        QFETCH(QString, sql);
        QFETCH(QString, output);
        const MarkedSheet sheet = classSheet(5);
        store("Ann", sheet);
        QCOMPARE(send().sent, 1);
        const QString got = server_.psql(sql.arg(sheet.id), role);
        QCOMPARE(got.isNull() ? "refused" : got, output.isNull() ? "refused" : output);
        QCOMPARE(server_.lastPsqlError().contains("permission denied"), output.isNull());
        verifyArrivedOnce();
    }

    void faults_data() {
        QTest::addColumn<bool>("down");
        QTest::newRow("down") << true;
        QTest::newRow("slow") << false;
    }
    // Nothing arrives while the fault lasts and the sender says why; then all arrive once
    // but what stays here: what the clean-up deleted first, a test sheet, and a sheet the
    // server refuses for what it holds, which is said and holds up no other.
    void faults() {
        QFETCH(bool, down);
        QSqlDatabase holder = QSqlDatabase::addDatabase("QPSQL", QTest::currentDataTag());
        holder.setConnectOptions(server_.connection());
        // The lock lets go by itself after 20 s, should the sender wait on it without end.
        QVERIFY(down ? server_.stop()
                     : holder.open() && holder.transaction() &&
                           QSqlQuery(holder).exec("SET idle_in_transaction_session_timeout ="
                                                  " 20000; LOCK brenlo.sheet"));
        MarkedSheet test = classSheet(3), refused = classSheet(4);
        test.record.level = "test";
        refused.record.score = 19;
        for (const MarkedSheet& sheet : {test, refused, classSheet(5, {2026, 11, 30})})
            store("Ann", sheet, false);
        QVERIFY(ScoreStore(connections_)
                    .removeDays(folder_->path("Ann.mdb"), {2026, 11, 30}, {2026, 11, 30}));
        storeMany(2);
        const SheetSender::Round during = send();
        QVERIFY(during.sent == 0 && !during.problem.isEmpty());
        QVERIFY(down ? server_.start() : holder.rollback());
        QCOMPARE(send().sent, 2);
        verifyArrivedOnce("check constraint");
    }

    // An outbox that goes mid-round ends after the sheet under way; the next sends the rest.
    void outboxEndsMidRound() {
        storeMany(200);
        auto outbox = std::make_unique<ClassOutbox>(config_, folder_->dir(), "pc-1");
        outbox->sendSoon();
        QTRY_VERIFY(server_.psql("SELECT count(*) FROM brenlo.sheet").toInt() > 0);
        outbox.reset();
        QVERIFY(server_.psql("SELECT count(*) FROM brenlo.sheet").toInt() < 200);
        send();
        verifyArrivedOnce();
    }

    // Killed once the server has committed a sheet while the child's database is locked,
    // so that it cannot be marked, and then at random moments, round after round: nothing
    // is lost, and what is sent again stays one.
    void killed() {
        storeMany(150);
        DatabaseConnections lockers;
        const Result<DatabaseConnection> lock = lockers.open(folder_->path("Ann.mdb"));
        QVERIFY(lock && QSqlQuery(lock->database()).exec("BEGIN IMMEDIATE"));
        QProcess* marking = startChild();
        QTRY_COMPARE(server_.psql("SELECT count(*) FROM brenlo.sheet"), "1");
        marking->kill();
        QVERIFY(marking->waitForFinished());
        QVERIFY(QSqlQuery(lock->database()).exec("ROLLBACK"));
        for (int kill = 0; kill < 12; ++kill) {
            QProcess* child = startChild();
            QTest::qWait(int(QRandomGenerator::global()->bounded(150)));
            child->kill();  // SIGKILL, unless it has ended
            QVERIFY(child->waitForFinished() || child->state() == QProcess::NotRunning);
        }
        send();
        verifyArrivedOnce();
    }
};

// With "child <data folder> <connection>": one round of the sender in a process of its
// own, for the suite to kill; its exit status the sheets it sent.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc == 4 && argv[1] == QByteArrayView("child"))
        return SheetSender({"3B", {}, argv[3]}, QDir(argv[2]), "pc-child").sendAll().sent;
    TestSheetSender test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_sheet_sender.moc"
