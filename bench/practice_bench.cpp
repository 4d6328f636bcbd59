// Practice screen figures:
//   check: check-and-store of one sheet with its 18 answers, over 1000 sheets into a
//          database already holding 5 years of daily practice (20 sheets a day);
//   mistakes: the mistakes draw (its read of 30 days of answers and the draw) on that
//          database, and, alternating, Start and "Practise my mistakes" from the press
//          to the repainted sheet;
//   open:  creation of a practice screen up to its first painted sheet, each in a
//          fresh process started after the main menu is up.
#include "score_filler.h"
#include "startup.h"

#include "practice/core/levels.h"
#include "practice/core/mistakes_draw.h"
#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QSqlQuery>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Message boxes that return at once, so only the program's own work is timed.
class SilentMessages final : public MessageBoxes {
public:
    void inform(QWidget*, const QString&, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return true; }
    void notify(QWidget*, const QString&) override {}
};

class SilentAudio final : public AudioOutput {
public:
    void play(const QString&) override {}
};

void report(const char* what, QList<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&samples](double q) { return samples[qsizetype(q * (samples.size() - 1))]; };
    std::printf("%s: n=%lld median %.3f ms, p99 %.3f ms, max %.3f ms\n", what,
                static_cast<long long>(samples.size()), at(0.5), at(0.99), samples.last());
}

// A data folder with the shipped template and one user, as the program would make it.
bool prepare(QTemporaryDir& folder, const QString& shipped) {
    return QFile::copy(shipped + "/Default User.mdk", folder.filePath("Default User.mdk")) &&
           QFile::copy(shipped + "/Guest.mdb", folder.filePath("Guest.mdb")) &&
           QFile::copy(shipped + "/path.mpt", folder.filePath("path.mpt"));
}

// 36,500 sheets and 657,000 answers, both categories, the newest today.
bool fillFiveYears(const QString& path) {
    constexpr qint64 kPerDay = 20, kSheets = 5 * 365 * kPerDay;
    const QDate today = QDate::currentDate();
    return QFile::remove(path) &&
           fillScoreDatabase(
               path, kSheets,
               [today](qint64 i) {
                   return ScoreRecord{today.addDays(-(kSheets - i) / kPerDay), int(i % 19),
                                      speedText(5), levelName(Level(i % 5)),
                                      categoryOf(kPracticeKinds[i % 2])};
               },
               kProblemCount);
}

int checkAndStore(const QString& shipped, int sheets) {
    QTemporaryDir folder;
    if (!prepare(folder, shipped) || !fillFiveYears(folder.filePath("Guest.mdb"))) return 1;
    AppContext context{QDir(folder.path())};
    context.messages = std::make_unique<SilentMessages>();
    context.audio = std::make_unique<SilentAudio>();
    startBrenlo(context);
    QWidget* screen = context.screens.show(ScreenId::AddSubPractice);
    auto* start = screen->findChild<QPushButton*>("Command1");
    auto* check = screen->findChild<QPushButton*>("Command3");
    QList<double> samples;
    for (int n = 0; n < sheets; ++n) {
        start->click();
        for (int i = 0; i < 18; i += 2)
            screen->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i))->setText("12");
        QElapsedTimer timer;
        timer.start();
        check->click();
        samples.append(timer.nsecsElapsed() / 1e6);
    }
    report("check and store one sheet", samples);
    return 0;
}

// The filler's answers are all right; here one in five is missed, over facts that the
// Normal level allows, so the draw has misses and knowns to weigh.
bool mixFacts(const QString& path) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mix"));
    db.setDatabaseName(path);
    QSqlQuery query(db);
    const bool done = db.open() &&
                      query.exec(QStringLiteral(
                          "UPDATE answer SET operation = iif(place < 9, '-', '+'),"
                          " left_operand = 10 + rowid % 10,"
                          " right_operand = rowid / 10 % 10 + iif(place < 9, 0, 10),"
                          " marked_right = rowid % 5 != 0")) &&
                      remakeFactTotals(query);
    query.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("mix"));
    return done;
}

int mistakes(const QString& shipped, int runs) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Guest.mdb");
    if (!prepare(folder, shipped) || !fillFiveYears(path) || !mixFacts(path)) return 1;
    AppContext context{QDir(folder.path())};
    context.messages = std::make_unique<SilentMessages>();
    context.audio = std::make_unique<SilentAudio>();
    startBrenlo(context);
    QWidget* screen = context.screens.show(ScreenId::AddSubPractice);
    LevelParameters levels;
    assignLevel(PracticeKind::AdditionSubtraction, levels, Level::Normal);
    const QDate today = QDate::currentDate();
    QList<double> draws, starts, items;
    for (int n = 0; n < runs; ++n) {
        QElapsedTimer timer;
        timer.start();
        const auto answers = ScoreStore(context.databases)
                                 .answersToPractise(
                                     path, categoryOf(PracticeKind::AdditionSubtraction),
                                     today.addDays(-kMistakeDays), today, kKnownAnswers);
        if (!answers || !drawMistakesSheet(PracticeKind::AdditionSubtraction, levels, *answers,
                                           today, *context.random)
                             .fromAnswers)
            return 1;
        draws.append(timer.nsecsElapsed() / 1e6);
        for (QList<double>* samples : {&starts, &items}) {
            timer.start();
            if (samples == &starts) screen->findChild<QPushButton*>("Command1")->click();
            else screen->findChild<QAction*>("mnuMistakesItem")->trigger();
            QCoreApplication::processEvents();
            screen->repaint();
            samples->append(timer.nsecsElapsed() / 1e6);
        }
    }
    report("mistakes draw (answers read, sheet drawn)", draws);
    report("Start to the repainted sheet", starts);
    report("Practise my mistakes to the repainted sheet", items);
    return 0;
}

// One run: the main menu is up before the clock starts.
int openOnce(const QString& shipped) {
    QTemporaryDir folder;
    if (!prepare(folder, shipped)) return 1;
    AppContext context{QDir(folder.path())};
    context.messages = std::make_unique<SilentMessages>();
    startBrenlo(context);
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    struct FirstPaint : QObject {
        QElapsedTimer* timer;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                std::printf("%lld\n", static_cast<long long>(timer->nsecsElapsed()));
                std::fflush(stdout);
                std::_Exit(0);
            }
            return false;
        }
    } probe;
    probe.timer = &timer;
    timer.start();
    context.screens.get(ScreenId::AddSubPractice)
        ->findChild<QWidget*>("sheet")
        ->installEventFilter(&probe);
    context.screens.show(ScreenId::AddSubPractice);
    return QApplication::exec();
}

int openMany(const QString& self, const QString& shipped, int runs) {
    QList<double> samples;
    for (int n = 0; n < runs; ++n) {
        QProcess run;
        run.start(self, {QStringLiteral("open-once"), shipped});
        if (!run.waitForFinished(30000)) return 1;
        samples.append(run.readAllStandardOutput().trimmed().toLongLong() / 1e6);
    }
    report("open a practice screen to its first painted sheet", samples);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s check|mistakes|open|open-once <data folder> [count]\n",
                     argv[0]);
        return 2;
    }
    const QString mode = args[1], shipped = args[2];
    const int count = args.value(3, QStringLiteral("1000")).toInt();
    if (mode == "check") return checkAndStore(shipped, count);
    if (mode == "mistakes") return mistakes(shipped, count);
    if (mode == "open") return openMany(QCoreApplication::applicationFilePath(), shipped, count);
    return openOnce(shipped);
}
