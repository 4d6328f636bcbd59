// Crash check: the program starts on a data folder, and then, in a loop, stores
// score records, writes "path.mpt" with one of two complete contents and replaces a
// second user's database, until it is killed at a random moment. After every kill
// the data folder must hold every record reported stored, each with all its answers
// and no answer without its record, pass SQLite's integrity
// check, hold one of the two settings files whole and two score databases; and once
// the program has started again, no temporary file of a killed writer, while the
// one another running copy is still writing, and files not the program's, stay.
// Usage: bench-crash-check [kills] [seconds] [seed]
#include "scores/core/score_schema.h"
#include "scores/core/score_store.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QSocketNotifier>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString kStoringUser = QStringLiteral("Ann");
const QString kReplacedUser = QStringLiteral("Bob");
constexpr int kIdsPerChild = 1000000;
constexpr int kMaxRunMs = 120;
constexpr int kRemovalBoundMs = 5000;

StoredSettings settingsVariant(int variant) {
    StoredSettings settings;
    for (int award = 0; award < StoredSettings::kAwardCount; ++award)
        settings.awardSoundPaths[award] =
            QStringLiteral("/sounds/variant-%1/award-%2.wav").arg(variant).arg(award);
    settings.userName = variant ? kStoringUser : QStringLiteral("Someone with a longer name");
    return settings;
}

// The id stands in the record's score, copied into each of its answers.
MarkedSheet sheetWithId(int id) {
    MarkedSheet sheet{QString::number(id),
                      {QDate(2026, 12, 6), id, QStringLiteral("15"), QStringLiteral("Normal"),
                       QStringLiteral("Minus and Plus Practice program")},
                      {}};
    for (int place = 0; place < kProblemCount; ++place)
        sheet.answers.append({place, kOrdinaryRound, 1, QStringLiteral("+"), 2, QStringLiteral("3"),
                              QStringLiteral("3"), true, place * 1.5});
    return sheet;
}

// Once told to go, the started program writes until it is killed.
[[noreturn]] void writeUntilKilled(AppContext& context, int firstId) {
    ScoreStore store(context.databases);
    const QString storing = context.users.databasePath(kStoringUser);
    const QString replaced = context.users.databasePath(kReplacedUser);
    for (int id = firstId;; ++id) {
        Result<void> done = store.store(storing, sheetWithId(id));
        if (done) {
            std::printf("stored %d\n", id);
            std::fflush(stdout);
            done = context.settingsOwner.save(settingsVariant(id % 2));
        }
        if (done) {
            done = context.databases.replaceFile(replaced, [&] {
                return context.users.makeDatabase(kReplacedUser, checkScoreDatabase);
            });
        }
        if (!done) {
            std::fprintf(stderr, "%s\n", qPrintable(done.error()));
            std::exit(2);
        }
    }
}

// Any message the program shows ends it, with the message, since nobody is there to answer.
class EndingMessages final : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text, const QString& = {}) override { end(text); }
    bool confirm(QWidget*, const QString& text) override { end(text); }
    void notify(QWidget*, const QString& text) override { end(text); }

private:
    [[noreturn]] static void end(const QString& text) {
        std::fprintf(stderr, "the program said: %s\n", qPrintable(text));
        std::exit(3);
    }
};

// The program's own start-up on the data folder, then the writing.
int runChild(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    AppContext context{QDir(args[2])};
    context.messages = std::make_unique<EndingMessages>();
    startBrenlo(context);
    QSocketNotifier go(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&go, &QSocketNotifier::activated,
                     [&] { writeUntilKilled(context, args[3].toInt()); });
    std::printf("ready\n");
    std::fflush(stdout);
    return application.exec();
}

struct Counts {
    int kills = 0;
    int stores = 0;
    int lost = 0;
    int corrupt = 0;
    int leftBehind = 0;
    int leftovers = 0;
    int othersRemoved = 0;
};

// The program's temporary files in the folder, but for the one still being written.
QStringList leftovers(const QDir& folder, const QString& beingWritten) {
    QStringList names = folder.entryList({QStringLiteral(".brenlo-??????")},
                                         QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(beingWritten);
    return names;
}

// Opens the file as the program's next run would, and counts what is wrong with it.
QSet<int> checkDatabase(const QString& path, Counts& counts) {
    DatabaseConnections connections;
    const Result<DatabaseConnection> opened = connections.open(path);
    if (!opened || !checkScoreTable(opened->database())) {
        std::cerr << "not a score database after a kill: " << qPrintable(path) << '\n';
        ++counts.corrupt;
        return {};
    }
    QSqlQuery query(opened->database());
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next() ||
        query.value(0).toString() != QStringLiteral("ok")) {
        std::cerr << "integrity check failed: " << qPrintable(path) << '\n';
        ++counts.corrupt;
    }
    if (!query.exec(
            QStringLiteral(
                "SELECT (SELECT count(*) FROM score) * %1 = (SELECT count(*) FROM answer)"
                " AND NOT EXISTS (SELECT 1 FROM answer GROUP BY score HAVING count(*) <> %1)"
                " AND NOT EXISTS (SELECT 1 FROM answer WHERE score NOT IN (SELECT score FROM "
                "score))")
                .arg(kProblemCount)) ||
        !query.next() || !query.value(0).toBool()) {
        std::cerr << "a record without all its answers, or answers without it: " << qPrintable(path)
                  << '\n';
        ++counts.corrupt;
    }
    QSet<int> ids;
    query.exec(QStringLiteral("SELECT score FROM score"));
    while (query.next()) ids.insert(query.value(0).toInt());
    return ids;
}

bool waitForLine(QProcess& child, QByteArray& line) {
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(10000)) return false;
    }
    line = child.readLine().trimmed();
    return true;
}

int runParent(const QString& program, int kills, int seconds, unsigned seed) {
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    const UserFiles users(folder);
    const SettingsFile settings(folder.filePath(SettingsFile::kFileName));
    if (!createScoreDatabase(users.templatePath()) || !users.makeDatabase(kStoringUser) ||
        !users.makeDatabase(kReplacedUser) || !settings.write(settingsVariant(0))) {
        std::cerr << "the data folder could not be made\n";
        return 2;
    }
    const QByteArray variants[] = {SettingsFile::format(settingsVariant(0)),
                                   SettingsFile::format(settingsVariant(1))};
    // Another running copy's temporary file, locked while it writes, and a file of the user's.
    const QStringList others{QStringLiteral(".brenlo-Locked"), QStringLiteral(".brenlo-notes.txt")};
    for (const QString& name : others) QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    const int writer = ::open(QFile::encodeName(folder.filePath(others[0])).constData(), O_RDONLY);
    ::flock(writer, LOCK_EX);

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> runMs(0, kMaxRunMs);
    Counts counts;
    QByteArray failure;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int run = 0; run < kills && elapsed.elapsed() < seconds * 1000; ++run) {
        QProcess child;
        child.setProcessEnvironment([] {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            return environment;
        }());
        child.start(program, {QStringLiteral("--child"), folder.absolutePath(),
                              QString::number((run + 1) * kIdsPerChild)});
        QByteArray line;
        if (!waitForLine(child, line) || line != "ready") {
            failure = "the program did not start: " + child.readAllStandardError();
            break;
        }
        // The program removes them soon after its first paint; a bound keeps a miss from hanging.
        QElapsedTimer removal;
        removal.start();
        while (!leftovers(folder, others[0]).isEmpty() && removal.elapsed() < kRemovalBoundMs)
            child.waitForReadyRead(10);
        counts.leftovers += int(leftovers(folder, others[0]).size());
        for (const QString& name : others)
            counts.othersRemoved += QFile::exists(folder.filePath(name)) ? 0 : 1;
        child.write("go\n");
        child.waitForBytesWritten();
        QThread::msleep(unsigned(runMs(random)));
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        if (child.exitStatus() != QProcess::CrashExit) {
            failure = "the program stopped by itself: " + child.readAllStandardError();
            break;
        }
        ++counts.kills;

        QSet<int> reported;
        while (child.canReadLine()) {
            line = child.readLine().trimmed();
            if (line.startsWith("stored ")) reported.insert(line.mid(7).toInt());
        }
        counts.stores += int(reported.size());
        const QSet<int> present = checkDatabase(users.databasePath(kStoringUser), counts);
        for (const int id : reported) counts.lost += present.contains(id) ? 0 : 1;
        checkDatabase(users.databasePath(kReplacedUser), counts);
        QFile file(settings.path());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        counts.leftBehind += int(leftovers(folder, others[0]).size());
        if (bytes != variants[0] && bytes != variants[1]) {
            std::cerr << "\"path.mpt\" is not one of its complete contents\n";
            ++counts.corrupt;
        }
    }
    ::close(writer);
    std::cerr << failure.data();
    std::printf(
        "seed %u: %d kills in %.1f s, %d stores reported done, %d lost, %d corrupt, "
        "%d temporary files left by the kills and %d once the program had started again, %d files "
        "not its own removed\n",
        seed, counts.kills, double(elapsed.elapsed()) / 1000, counts.stores, counts.lost,
        counts.corrupt, counts.leftBehind, counts.leftovers, counts.othersRemoved);
    return !failure.isEmpty() || counts.lost || counts.corrupt || counts.leftovers ||
                   counts.othersRemoved || counts.kills == 0
               ? 1
               : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child") return runChild(argc, argv);
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int kills = args.size() > 1 ? args[1].toInt() : 150;
    const int seconds = args.size() > 2 ? args[2].toInt() : 18;
    const unsigned seed = args.size() > 3 ? args[3].toUInt() : std::random_device()();
    return runParent(application.applicationFilePath(), kills, seconds, seed);
}
