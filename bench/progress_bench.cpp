// Progress window figures over ten years of daily practice (36,500 records): the
// median of a press of "Progress", from its data read to its first complete frame,
// with either chart chosen, and of the CSV of every record written. Two fillings: a
// child who moves up a level every two years and goes back one level on Sundays, and
// sheets of random levels, whose lines break at almost every day.
// Usage: bench-progress [runs]
#include "bench_stats.h"
#include "score_filler.h"

#include "app/app_context.h"
#include "app/core/atomic_file.h"
#include "report/core/records_csv.h"
#include "report/progress_window.h"
#include "scores/core/score_store.h"

#include <QAbstractButton>
#include <QApplication>
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
void press(ProgressWindow& window, const QString& user, DayRange range, PaintCounter& counter) {
    window.hide();
    window.showProgress(user, range);
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
        const double scores = medianMs(runs, [&] { press(window, user, range, counter); });
        window.findChild<QAbstractButton*>("ProgressSheets")->click();
        const double sheets = medianMs(runs, [&] { press(window, user, range, counter); });
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
    std::printf("goals: press to first complete frame < 100 ms; CSV of all records < 200 ms\n");
    return 0;
}
