#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

#include <optional>

class DatabaseConnection;
class DatabaseConnections;
class QSqlDatabase;

// The one place that knows the table `score` of a user's database: its columns,
// its schema and the statements that read and write it.
namespace ScoreTable {
inline const QString kName = QStringLiteral("score");
inline const QString kDate = QStringLiteral("sdate");
inline const QString kScore = QStringLiteral("score");
inline const QString kSpeed = QStringLiteral("speed");
inline const QString kLevel = QStringLiteral("lvl");
inline const QString kCategory = QStringLiteral("cat");
}  // namespace ScoreTable

// One finished sheet, as its practice screen showed it.
struct ScoreRecord {
    QDate day;         // sdate
    int score = 0;     // right answers, 0 to 18
    QString speed;     // "2", "5", "10", "15" or "20"
    QString level;     // lvl: "Easy" ... "Super Difficult"
    QString category;  // cat: the practice screen's title

    bool operator==(const ScoreRecord&) const = default;
};

// The sheets of one level and speed: their summed scores and their number.
struct ScoreGroup {
    QString level;
    QString speed;
    double total = 0;
    qint64 count = 0;

    bool operator==(const ScoreGroup&) const = default;
};

// The sheets of one level on one day: their summed scores and their number.
struct DailyScore {
    QDate day;
    QString level;
    double total = 0;
    qint64 count = 0;

    bool operator==(const DailyScore&) const = default;
};

// `sdate` holds yyyy-mm-dd, so that text order is day order and ranges compare days.
QString sdateText(QDate day);
// An invalid date when the text is not a yyyy-mm-dd day.
QDate readSdate(const QString& text);

// Creates a new, empty score database at `path`: the table with the indexes the
// summary's queries and its removal of incomplete records use, in write-ahead-log
// mode so that one connection's unfinished select never blocks another's insert.
// Returns the reason on failure.
std::optional<QString> createScoreDatabase(const QString& path);

// A score database is an SQLite file with the table `score` and its five columns.
// Why a database is not one ("it is not a score database (...)"), or nothing when
// it is: of an open connection, and of a file, which is read without being changed.
std::optional<QString> scoreTableProblem(const QSqlDatabase& db);
std::optional<QString> scoreDatabaseProblem(const QString& path);

// Reads and writes a user's score database; each call opens the file, works with
// bound values and releases the connection.
class ScoreStore {
public:
    explicit ScoreStore(DatabaseConnections& connections) : connections_(connections) {}

    // Opens the file once to prove that it is a score database that can take a record;
    // the reason when not. A write lock another program holds is no reason, and is not
    // waited for.
    std::optional<QString> check(const QString& databasePath);

    // Inserts one record; returns the reason when it could not be stored.
    std::optional<QString> store(const QString& databasePath, const ScoreRecord& record);

    // As store(), but gives up at once while another program holds the file's write lock.
    struct Attempt {
        std::optional<QString> error;
        bool locked = false;  // the error is that lock
    };
    Attempt tryStore(const QString& databasePath, const ScoreRecord& record);

    struct Records {
        QList<ScoreRecord> records;  // in the order they were stored
        QString error;               // set when the file could not be read
    };
    Records readAll(const QString& databasePath);

    // The records of `category` (in any letter case) from `first` to `last`, both
    // included, grouped by level and speed; a level's sheets at speeds the screens
    // never offer come as one group without a speed. The summary's actions below
    // bring a file made by an earlier build up to date first.
    struct Groups {
        QList<ScoreGroup> groups;
        QString error;  // set when the file could not be read
    };
    Groups groups(const QString& databasePath, const QString& category, QDate first, QDate last);

    // The records of `category` (in any letter case) at the five levels from `first`
    // to `last`, both included, grouped by level and day.
    struct Days {
        QList<DailyScore> days;
        QString error;  // set when the file could not be read
    };
    Days daily(const QString& databasePath, const QString& category, QDate first, QDate last);

    // Every record of both categories from `first` to `last`, both included, by day
    // and, within a day, in the order they were stored.
    Records records(const QString& databasePath, QDate first, QDate last);

    // Deletes, in every category, the records that lack a speed, a date or a
    // level, and those whose level is "test" in any letter case.
    std::optional<QString> removeIncomplete(const QString& databasePath);

    // Deletes every record from `first` to `last`, both included, in one
    // transaction: all of them or, on failure, none.
    std::optional<QString> removeDays(const QString& databasePath, QDate first, QDate last);

private:
    // Opens the file when it is a score database; otherwise `problem` says why not.
    DatabaseConnection open(const QString& databasePath, std::optional<QString>& problem);
    Attempt insert(const QString& databasePath, const ScoreRecord& record, bool waitForLocks);
    // The records the clauses after FROM pick, with `values` bound in order.
    Records select(const QString& databasePath, const QString& clauses, const QVariantList& values);

    DatabaseConnections& connections_;
};
