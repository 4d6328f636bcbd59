// Scoring summary figures: the median of one summary (the grouped query and the 30
// cells, no widgets) over databases of 100,000 and 1,000,000 records spread over
// 25 years, for the default two-day range and for a range holding every record,
// against the naive form of 30 statements with "like"; and the median of the
// removal of incomplete records that every opening of the summary makes.
// Usage: bench-summary [runs]
#include "bench_stats.h"
#include "score_filler.h"

#include "app/core/database_connections.h"
#include "report/core/summary_cells.h"
#include "scores/core/date_texts.h"
#include "scores/core/practice_kind.h"
#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

namespace {

const QDate kToday(2026, 12, 6);
const QDate kFirstDay = kToday.addYears(-25);

// Both categories, every level the screens offer, every speed, any score.
bool fill(const QString& path, int records) {
    std::mt19937 random(7);
    const qint64 days = kFirstDay.daysTo(kToday) + 1;
    return fillScoreDatabase(path, records, [&](qint64) {
        const auto kind = PracticeKind(random() % 2);
        const int firstLevel = kind == PracticeKind::MultiplicationDivision ? 1 : 0;
        const Level level = kLevels[firstLevel + random() % (kLevels.size() - firstLevel)];
        return ScoreRecord{kFirstDay.addDays(qint64(random() % days)), int(random() % 19),
                           speedText(kSpeedMinutes[random() % kSpeedMinutes.size()]),
                           levelName(level), categoryOf(kind)};
    });
}

SummaryCells summary(DatabaseConnections& connections, const QString& path, QDate first,
                     QDate last) {
    const auto read = ScoreStore(connections)
                          .groups(path, categoryOf(PracticeKind::AdditionSubtraction), first, last);
    return summaryCells(PracticeKind::AdditionSubtraction, read.value());
}

// The summary as the old screens asked for it: one statement per cell.
SummaryCells naiveSummary(DatabaseConnections& connections, const QString& path, QDate first,
                          QDate last) {
    const DatabaseConnection connection = connections.open(path).value();
    SummaryCells cells;
    for (int row = 0; row < int(kLevels.size()); ++row) {
        for (int column = 0; column < kSummaryColumns; ++column) {
            QString statement =
                QString("select avg(score) from score WHERE lvl like '%1' and cat like '%2'")
                    .arg(levelName(kLevels[row]), categoryOf(PracticeKind::AdditionSubtraction));
            if (column < kSummaryColumns - 1)
                statement += QString(" and speed = '%1'").arg(kSummaryColumnMinutes[column]);
            QSqlQuery query(connection.database());
            query.prepare(statement + " and sdate >= ? and sdate <= ?");
            query.addBindValue(sdateText(first));
            query.addBindValue(sdateText(last));
            query.exec();
            query.next();
            const QVariant average = query.value(0);
            const QString text = percentOfFullSheet(
                average.isNull() ? std::nullopt : std::optional(average.toDouble()));
            cells[row * kSummaryColumns + column] = {text, text == "100%"};
        }
    }
    return cells;
}

using Summary = std::function<SummaryCells(DatabaseConnections&, const QString&, QDate, QDate)>;

double summaryMedianMs(const Summary& run, const QString& path, QDate first, QDate last, int runs,
                       SummaryCells& cells) {
    DatabaseConnections connections;
    return medianMs(runs, [&] { cells = run(connections, path, first, last); });
}

// Each run opens the file afresh, as each opening of the summary does.
double removalMedianMs(const QString& path, int runs) {
    DatabaseConnections connections;
    return medianMs(runs, [&] {
        if (!ScoreStore(connections).removeIncomplete(path)) std::abort();
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    QTemporaryDir folder;
    for (const int records : {100'000, 1'000'000}) {
        const QString path = folder.filePath(QString("bench-%1.mdb").arg(records));
        QElapsedTimer filling;
        filling.start();
        if (!fill(path, records)) {
            std::fprintf(stderr, "could not fill %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%d records over 25 years (filled in %.1f s)\n", records,
                    filling.elapsed() / 1000.0);
        std::printf("  opening's removal of incomplete records %8.3f ms\n",
                    removalMedianMs(path, runs));
        const struct {
            const char* name;
            QDate first;
        } ranges[] = {{"default two days", kToday.addDays(-1)}, {"every record", kFirstDay}};
        for (const auto& range : ranges) {
            SummaryCells fast, naive;
            const double grouped = summaryMedianMs(summary, path, range.first, kToday, runs, fast);
            const double thirty =
                summaryMedianMs(naiveSummary, path, range.first, kToday, runs, naive);
            std::printf("  %-16s  grouped %8.3f ms   naive %9.3f ms   %6.1fx faster%s\n",
                        range.name, grouped, thirty, thirty / grouped,
                        fast == naive ? "" : "  CELLS DIFFER");
        }
    }
    std::printf(
        "goals: default range < 2 ms at 1,000,000; every record < 50 ms at 100,000; "
        "default range >= 50x naive at 1,000,000; removal < 1 ms at 1,000,000\n");
    return 0;
}
