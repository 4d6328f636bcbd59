// Progress window figures over ten years of daily practice (36,500 records): the
// median of a press of "Progress", from its data read to its first complete frame,
// with either chart chosen, and of the CSV of every record written. Two fillings: a
// child who moves up a level every two years and goes back one level on Sundays, and
// sheets of random levels, whose lines break at almost every day. Then the press of
// "Facts" over five years of daily practice with every answer (36,500 sheets, 657,000
// answers), to the facts view's first complete frame, over ranges of two days (the
// summary's first range) to all five years, after the first opening has made its totals
// per fact.
// Usage: bench-progress [runs]
#include "bench_stats.h"
#include "score_filler.h"

#include "app/app_context.h"
#include "app/core/atomic_file.h"
#include "report/core/records_csv.h"
#include "report/facts_window.h"
#include "report/progress_window.h"
#include "scores/core/score_store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

const QDate kLastDay(2026, 12, 6);
const QDate kFirstDay = kLastDay.addYears(-10).addDays(1);
constexpr int kSheetsPerDay = 10;

bool fill(const QString& path, bool randomLevels) {
    std::mt19937 random(7);
    const qint64 days = kFirstDay.daysTo(kLastDay) + 1;
    return fillScoreDatabase(path, days * kSheetsPerDay, [&](qint64 i) {
        const QDate day = kFirstDay.addDays(i / kSheetsPerDay);
        const int sheet = int(i % kSheetsPerDay);
        const auto kind = PracticeKind(sheet % 2);
        const int lowest = kind == PracticeKind::MultiplicationDivision ? 1 : 0;
        int level = std::min(4, lowest + int(kFirstDay.daysTo(day) / 730));
        if (randomLevels)
            level = lowest + int(random() % (5 - lowest));
        else if (day.dayOfWeek() == Qt::Sunday && sheet < 4)
            level = std::max(lowest, level - 1);
        return ScoreRecord{day, int(random() % 19),
                           speedText(kSpeedMinutes[random() % kSpeedMinutes.size()]),
                           levelName(kLevels[level]), categoryOf(kind)};
    });
}

// Five years of twenty sheets a day, half of each category, each with 18 answers whose
// facts, typed texts and times vary as a child's would: a tenth of them wrong. Left as a
// build before the totals per fact left it, so that the first opening makes them.
bool fillAnswers(const QString& path) {
    const QDate first = kLastDay.addYears(-5).addDays(1);
    const qint64 days = first.daysTo(kLastDay) + 1;
    if (!fillScoreDatabase(
            path, days * 20,
            [&](qint64 i) {
                return ScoreRecord{first.addDays(i / 20), 16, "5", "Normal",
                                   categoryOf(PracticeKind(i % 2))};
            },
            kProblemCount))
        return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("vary"));
    db.setDatabaseName(path);
    QSqlQuery query(db);
    const bool varied =
        db.open() &&
        query.exec(QStringLiteral(
            "UPDATE answer SET left_operand = abs(random()) % 21, right_operand = abs(random()) % "
            "13, marked_right = abs(random()) % 10 > 0, typed = abs(random()) % 30, operation = "
            "CASE WHEN cat LIKE 'Minus%' THEN (CASE WHEN place < 9 THEN '-' ELSE '+' END) "
            "ELSE (CASE WHEN place < 9 THEN '/' ELSE 'x' END) END")) &&
        query.exec(QStringLiteral("DROP TABLE fact_day")) &&
        query.exec(QStringLiteral("DROP TABLE fact_month")) &&
        query.exec(QStringLiteral("PRAGMA user_version=4"));
    query.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("vary"));
    return varied;
}

// Counts the paints of every widget: the chart's layout, its items and their
// repaints come in posted events after the window is shown.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// What a press of "Progress" makes the person wait for: the records read and shown in
// the chosen chart, and the posted events processed until a pass paints nothing more.
void press(QWidget& window, const std::function<void()>& show, PaintCounter& counter) {
    window.hide();
    show();
    window.show();
    const int before = counter.paints;
    int painted = before;
    do {
        painted = counter.paints;
        QCoreApplication::processEvents();
    } while (painted == before || counter.paints != painted);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    QTemporaryDir folder;
    PaintCounter counter;
    application.installEventFilter(&counter);
    const DayRange range{kFirstDay, kLastDay};
    for (const bool randomLevels : {false, true}) {
        AppContext context(QDir(folder.path()));
        const QString user = randomLevels ? "Random" : "Daily";
        if (!fill(context.users.databasePath(user), randomLevels)) {
            std::fprintf(stderr, "could not fill the database of %s\n", qPrintable(user));
            return 1;
        }
        ProgressWindow window(context);
        const auto show = [&] { window.showProgress(user, range); };
        const double scores = medianMs(runs, [&] { press(window, show, counter); });
        window.findChild<QAbstractButton*>("ProgressSheets")->click();
        const double sheets = medianMs(runs, [&] { press(window, show, counter); });
        const QString csvPath = folder.filePath(user + ".csv");
        qsizetype bytes = 0;
        const double csv = medianMs(runs, [&] {
            const QByteArray text =
                recordsCsv(ScoreStore(context.databases)
                               .records(context.users.databasePath(user), range.first, range.last)
                               .value());
            bytes = text.size();
            if (!writeFileAtomically(csvPath, text)) std::fprintf(stderr, "CSV not written\n");
        });
        std::printf(
            "%-22s  press to first complete frame: scores %6.1f ms, sheets per day "
            "%6.1f ms   CSV (%lld bytes) %6.1f ms\n",
            randomLevels ? "random levels, 36,500" : "daily practice, 36,500", scores, sheets,
            static_cast<long long>(bytes), csv);
    }
    AppContext context(QDir(folder.path()));
    if (!fillAnswers(context.users.databasePath("Answers"))) {
        std::fprintf(stderr, "could not fill the database of answers\n");
        return 1;
    }
    QElapsedTimer upgrade;
    upgrade.start();
    if (!ScoreStore(context.databases).check(context.users.databasePath("Answers"))) return 1;
    std::printf("first opening of that file from a build before the totals per fact: %.0f ms\n",
                upgrade.nsecsElapsed() / 1e6);
    FactsWindow view(context, nullptr);
    for (const int days : {2, 30, 365, 5 * 365}) {
        const DayRange facts{kLastDay.addDays(1 - days), kLastDay};
        QStringList figures;
        for (const PracticeKind kind : kPracticeKinds)
            figures.append(QString::number(
                medianMs(runs,
                         [&] {
                             press(
                                 view, [&] { view.showFacts("Answers", facts, kind); }, counter);
                         }),
                'f', 1));
        std::printf(
            "facts view over %4d days, press to first complete frame: + and - %6s ms, "
            "x and / %6s ms\n",
            days, qPrintable(figures[0]), qPrintable(figures[1]));
    }
    std::printf("goals: press to first complete frame < 100 ms; CSV of all records < 200 ms\n");
    return 0;
}
