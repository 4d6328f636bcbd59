#include "report/core/facts_stats.h"
#include "report/facts_grid.h"
#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"
#include "support/test_app.h"

#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>

namespace {

// Answers as "sheet place left op right expected typed seconds;...", "-" for an
// untouched box; typed equal to expected is marked right.
QList<StoredAnswer> answersOf(const QString& text) {
    QList<StoredAnswer> answers;
    for (const QString& answer : text.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = answer.split(' ');
        const std::optional<double> seconds =
            f[7] == "-" ? std::nullopt : std::optional<double>(f[7].toDouble());
        answers.append(
            {f[0],
             {QDate(2026, 12, 6), 0, "5", "Easy",
              categoryOf(f[3] == "+" || f[3] == "-" ? PracticeKind::AdditionSubtraction
                                                    : PracticeKind::MultiplicationDivision)},
             {f[1].toInt(), kOrdinaryRound, f[2].toInt(), f[3], f[4].toInt(), f[5], f[6],
              f[5] == f[6], seconds}});
    }
    return answers;
}

// Stores the answers of `text`, sheet by sheet.
void storeAll(ScoreStore& store, const QString& file, const QString& text) {
    QMap<QString, MarkedSheet> sheets;
    for (const StoredAnswer& a : answersOf(text))
        sheets[a.sheet] = {a.sheet, a.record, sheets[a.sheet].answers << a.answer};
    for (const MarkedSheet& sheet : sheets) QVERIFY(store.store(file, sheet));
}

// "7 + 5 1/2 13 4.0s" per fact: asked, answered right, typical wrong answer and time.
QStringList described(const QList<FactStat>& facts) {
    QStringList lines;
    for (const FactStat& f : facts)
        lines.append(QString("%1 %2/%3 %4 %5s")
                         .arg(f.problemText())
                         .arg(f.answeredRight)
                         .arg(f.asked)
                         .arg(f.typicalWrong(), QString::number(f.typicalSeconds().value_or(0))));
    return lines;
}

}  // namespace

class TestFacts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stats_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("facts");
        QTest::addColumn<QStringList>("missedMost");
        QTest::newRow("share, count and the wrong answer typed most")
            << "a 0 7 + 5 12 12 -;b 0 7 + 5 12 13 -;c 0 7 + 5 12 11 -;d 0 7 + 5 12 13 -"
            << QStringList{"7 + 5 1/4 13 0s"} << QStringList{};
        QTest::newRow("times between boxes filled in order; none out of order or over a minute")
            << "a 0 1 x 2 2 2 2;a 1 3 x 2 6 6 5;a 2 4 x 2 8 8 9;b 0 1 x 2 2 2 1;b 1 3 x 2 6 6 3;"
               "c 0 1 - 1 0 0 2;c 1 2 - 1 1 1 5;c 2 3 - 1 2 2 4;c 3 4 - 1 3 3 9;c 4 5 - 1 4 4 12;"
               "d 0 1 x 2 2 2 0;d 1 3 x 2 6 6 70"
            << QStringList{"1 − 1 1/1  0s", "2 − 1 1/1  0s", "3 − 1 1/1  0s",   "4 − 1 1/1  0s",
                           "5 − 1 1/1  3s", "1 × 2 3/3  0s", "3 × 2 3/3  2.5s", "4 × 2 1/1  4s"}
            << QStringList{};
        QTest::newRow("outside the grids, most missed first")
            << "a 0 25 + 17 42 41 -;b 0 25 + 17 42 41 -;a 1 169 / 13 13 11 -;a 2 13 x 3 39 39 -;"
               "a 3 7 + 5 12 1 -"
            << QStringList{"7 + 5 0/1 1 0s", "25 + 17 0/2 41 0s", "169 ÷ 13 0/1 11 0s",
                           "13 × 3 1/1  0s"}
            << QStringList{"25 + 17 0/2 41 0s", "169 ÷ 13 0/1 11 0s"};
    }
    void stats() {
        QFETCH(QString, answers);
        QFETCH(QStringList, facts);
        QFETCH(QStringList, missedMost);
        TestApp rig(QStringLiteral("Guest"));
        ScoreStore store(rig.context.databases);
        const QString file = rig.folder.path("Guest.mdb");
        storeAll(store, file, answers);
        const QDate day(2026, 12, 6);
        QList<FactStat> stats;
        for (const PracticeKind kind : kPracticeKinds)
            stats += factStats(*store.factTotals(file, categoryOf(kind), day, day),
                               *store.typedWrong(file, categoryOf(kind), day, day));
        QCOMPARE(described(stats), facts);
        QCOMPARE(described(::missedMost(stats, 5)), missedMost);
    }

    void gridPlaces_data() {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("place");  // "row,column" or empty
        for (const QString& entry :
             QStringList{"20 + 20=20,20", "21 + 3=", "3 - 5=", "20 - 0=20,0", "12 x 12=12,12",
                         "13 x 2=", "56 / 8=8,7", "7 / 2=", "156 / 12=", "0 / 0="})
            QTest::newRow(qPrintable(entry)) << entry.section('=', 0, 0) << entry.section('=', 1);
    }
    void gridPlaces() {
        QFETCH(QString, problem);
        QFETCH(QString, place);
        const QStringList p = problem.split(' ');
        const std::optional<GridPlace> at = gridPlace(p[0].toInt(), p[1], p[2].toInt());
        QCOMPARE(at ? QString("%1,%2").arg(at->row).arg(at->column) : QString(), place);
    }

    // Reads in grey from dark to light.
    void colourScale() {
        for (int share = 1; share <= 10; ++share)
            QVERIFY(qGray(shareColour(share / 10.0).rgb()) >
                    qGray(shareColour((share - 1) / 10.0).rgb()));
    }

    // Opened from the summary's range through the progress window's category.
    void window_data() {
        QTest::addColumn<bool>("multiplication");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("addition") << false << false
                                  << QStringList{"2 + 2 4 1 1 100% ", "7 + 5 12 2 1 50% 3.0 s",
                                                 "25 + 17 42 1 0 0% "};
        QTest::newRow("multiplication") << true << false << QStringList{"6 × 7 42 1 1 100% "};
        QTest::newRow("unreadable") << false << true << QStringList{};
    }
    void window() {
        QFETCH(bool, multiplication);
        QFETCH(bool, gone);
        QFETCH(QStringList, rows);
        TestApp rig(QStringLiteral("Guest"));
        const QString file = rig.folder.path("Guest.mdb");
        ScoreStore store(rig.context.databases);
        storeAll(store, file,
                 "a 0 2 + 2 4 4 1;a 1 7 + 5 12 12 4;a 2 25 + 17 42 4 -;b 0 6 x 7 42 42 -;"
                 "c 0 7 + 5 12 1 -");
        QWidget* summary = rig.show(ScreenId::ScoringSummary);
        TestApp::click(summary, "Command6");
        QWidget* progress = rig.find(ScreenId::Progress);
        TestApp::control<QAbstractButton>(progress, "ProgressMulDiv")->setChecked(multiplication);
        if (gone) QFile::remove(file);
        TestApp::click(progress, "ShowFacts");
        auto* facts = TestApp::control(progress, "Facts");
        // At 800 by 600, half the rows of the largest grid show without scrolling.
        QVERIFY(TestApp::control<QScrollArea>(facts, "FactsGridArea")->viewport()->height() * 2 >=
                TestApp::control(facts, "FactsGrid")->sizeHint().height());
        TestApp::control<QAbstractButton>(facts, "FactsAsTable")->toggle();
        QVERIFY(facts->isVisible() && facts->width() <= 800 && facts->height() <= 600);
        auto* table = TestApp::control<QTableWidget>(facts, "FactsTable");
        QCOMPARE(facts->findChild<QStackedWidget*>()->currentWidget(), table);
        QStringList cells;  // row after row
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                cells.append(table->item(row, column)->text());
        QCOMPARE(cells.join(' '), rows.join(' '));
        QCOMPARE(rig.messages->texts.value(0).section(" \"", 0, 0),
                 gone ? "The answers could not be read from" : "");
    }
};

QTEST_MAIN(TestFacts)
#include "test_facts.moc"
