#include "report/core/progress_series.h"
#include "support/test_app.h"

#include <QChartView>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QXYSeries>

namespace {

// Records as "yyyy-mm-dd|score|speed|level|category;...", "A" and "M" naming the categories.
QList<ScoreRecord> recordsOf(const QString& text) {
    QList<ScoreRecord> records;
    for (const QString& record : text.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = record.split('|');
        const QString category = f[4] == "A"   ? categoryOf(PracticeKind::AdditionSubtraction)
                                 : f[4] == "M" ? categoryOf(PracticeKind::MultiplicationDivision)
                                               : f[4];
        records.append({QDate::fromString(f[0], Qt::ISODate), f[1].toInt(), f[2], f[3], category});
    }
    return records;
}

// "level: day percent sheets, ... / next run; next level # day sheets, ..."
QString described(const ProgressSeries& series) {
    const auto day = [](QDate d) { return d.toString("MM-dd"); };
    QStringList lines, sheets;
    for (const LevelLine& line : series.lines) {
        QStringList runs;
        for (const QList<LevelDay>& run : line.runs) {
            QStringList days;
            for (const LevelDay& d : run)
                days.append(QString("%1 %2% %3").arg(day(d.day)).arg(d.percent).arg(d.sheets));
            runs.append(days.join(", "));
        }
        lines.append(levelName(line.level) + ": " + runs.join(" / "));
    }
    for (const DaySheets& d : series.sheetsPerDay)
        sheets.append(day(d.day) + " " + QString::number(d.sheets));
    return lines.join("; ") + " # " + sheets.join(", ");
}

// What the progress window shows after the steps; an empty heading when there is no window.
struct Shown {
    QString heading = "Progress of Guest from 2026-12-05 to 2026-12-06";
    QString view = "ScoresChart";
    QStringList table{};     // its rows as "mm-dd level average", while it is shown
    QByteArray saved{};      // the saved file's first bytes, "PNG" for a picture
    QStringList messages{};  // each up to its reason, the data folder as DIR
};

}  // namespace

Q_DECLARE_METATYPE(Shown)

class TestProgress : public QObject {
    Q_OBJECT

    QString file() const { return rig->folder.path("Guest.mdb"); }
    void store(const QString& records) {
        for (const ScoreRecord& record : recordsOf(records))
            QVERIFY(ScoreStore(rig->context.databases).store(file(), record));
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() {
        rig = std::make_unique<TestApp>(QStringLiteral("Guest"));
        dialogs = TestApp::install<AnsweringFileDialogs>(rig->context.fileDialogs);
    }

    // Read from a real file for 1 to 7 March 2026, then made into lines.
    void dailySeries_data() {
        QTest::addColumn<QString>("records");
        QTest::addColumn<QString>("expected");
        QTest::newRow("day average, any speed and letter case")
            << "2026-03-02|18|5|Normal|A;2026-03-02|9|20|Normal|A;2026-03-02|18|2|NORMAL|MINUS AND "
               "PLUS PRACTICE PROGRAM"
            << "Normal: 03-02 83% 3 # 03-02 3";
        QTest::newRow("days without sheets are gaps")
            << "2026-03-01|18|5|Easy|A;2026-03-02|9|5|Easy|A;2026-03-04|0|5|Easy|A;"
               "2026-03-04|17|5|Difficult|A"
            << "Easy: 03-01 100% 1, 03-02 50% 1 / 03-04 0% 1; Difficult: 03-04 94% 1 # 03-01 1, "
               "03-02 1, 03-04 2";
        QTest::newRow("ends included, other category and levels left out")
            << "2026-02-28|18|5|Easy|A;2026-03-01|1|5|Super Difficult|A;2026-03-07|2|5|Super "
               "Difficult|A;2026-03-08|18|5|Easy|A;2026-03-03|18|5|Easy|M;2026-03-03|5|5|test|A"
            << "Super Difficult: 03-01 6% 1 / 03-07 11% 1 # 03-01 1, 03-07 1";
    }
    void dailySeries() {
        QFETCH(QString, records);
        QFETCH(QString, expected);
        store(records);
        const auto read = ScoreStore(rig->context.databases)
                              .daily(file(), categoryOf(PracticeKind::AdditionSubtraction),
                                     QDate(2026, 3, 1), QDate(2026, 3, 7));
        QCOMPARE(described(progressSeries(read.value())), expected);
    }

    // Steps on the real summary of 6 December 2026: "Name=text" types, "save:file" answers
    // the next save dialog, "gone" removes the user's database, any other name clicks or
    // toggles.
    void fromSummary_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Shown>("shown");
        const auto row = [](const char* name, QStringList steps, Shown shown) {
            QTest::newRow(name) << steps << shown;
        };
        row("bad date", {"Text31=31/02/2026", "Command6"},
            {.heading = "", .messages = {"The starting date \"31/02/2026\""}});
        row("again, as a table, other category",
            {"Command6", "Text31=2026-12-01", "Command6", "ShowAsTable", "ProgressMulDiv"},
            {.heading = "Progress of Guest from 2026-12-01 to 2026-12-06",
             .view = "ProgressTable",
             .table = {"12-01 Normal 50%", "12-02 Difficult 100%", "12-03 Normal 100%",
                       "12-03 Difficult 0%"}});
        row("failed read, nothing of the other category",
            {"Command6", "ShowAsTable", "gone", "ProgressMulDiv"},
            {.view = "ProgressTable",
             .messages = {"The scores could not be read from \"DIR/Guest.mdb\""}});
        row("bars, CSV", {"Command6", "ProgressSheets", "save:p.csv", "SaveCsv"},
            {.view = "SheetsChart",
             .saved = "date,score,speed,level,category\r\n2026-12-05,18,5,Easy,Minus and Plus "
                      "Practice program\r\n2026-12-06,9,5,Easy,Minus and Plus Practice program\r\n"
                      "2026-12-06,7,2,\"'=1+1, \"\"Ace\"\"\",Minus and Plus Practice program\r\n"});
        row("answers as CSV", {"Command6", "saveAnswers:a.csv", "SaveCsv"},
            {.saved = "sheet,date,category,level,speed,score,round,place,left_operand,"
                      "operation,right_operand,expected,typed,marked_right,changed_s\r\n"
                      "s1,2026-12-06,Minus and Plus Practice program,\"'=1+1, \"\"Ace\"\"\",2,7,"
                      "ordinary,0,9,'-,3,6,\"'=6\n✓\",0,2.5\r\n"
                      "s1,2026-12-06,Minus and Plus Practice program,\"'=1+1, \"\"Ace\"\"\",2,7,"
                      "ordinary,1,2,'+,3,5,5,1,\r\n"});
        row("PNG", {"Command6", "save:p.png", "SavePng"}, {.saved = "PNG"});
        row("cancelled, unwritable", {"Command6", "SaveCsv", "save:no/p.csv", "SaveCsv"},
            {.messages = {"The records were not saved as \"DIR/no/p.csv\""}});
    }
    void fromSummary() {
        QFETCH(QStringList, steps);
        QFETCH(Shown, shown);
        store(
            "2026-12-01|9|5|Normal|M;2026-12-02|18|5|Difficult|M;2026-12-03|0|5|Difficult|M;"
            "2026-12-03|18|5|Normal|M;2026-12-05|18|5|Easy|A;2026-12-06|9|5|Easy|A");
        // A sheet whose fields a spreadsheet must read as text: quoted, kept from formulas.
        const ScoreRecord odd = recordsOf("2026-12-06|7|2|=1+1, \"Ace\"|A").first();
        QVERIFY(ScoreStore(rig->context.databases)
                    .store(file(), {"s1",
                                    odd,
                                    {{0, "ordinary", 9, "-", 3, "6", "=6\n✓", false, 2.5},
                                     {1, "ordinary", 2, "+", 3, "5", "5", true, {}}}}));
        QWidget* summary = rig->context.screens.show(ScreenId::ScoringSummary);
        QString saved;
        for (const QString& step : steps) {
            QWidget* progress = rig->context.screens.find(ScreenId::Progress);
            if (step.contains('='))
                summary->findChild<QLineEdit*>(step.section('=', 0, 0))
                    ->setText(step.section('=', 1));
            else if (step.startsWith("save"))
                dialogs->answer = saved = rig->folder.path(step.section(':', 1)),
                dialogs->type = step.startsWith("saveAnswers");
            else if (step == "gone")
                QFile::remove(file());
            else if (auto* button = (step.startsWith("Command") ? summary : progress)
                                        ->findChild<QAbstractButton*>(step);
                     button->isCheckable())
                button->toggle();  // as a screen reader's action does, without a click
            else
                button->click();
        }
        QStringList messages;
        for (const QString& message : rig->messages->texts)
            messages.append(message.section(": ", 0, 0)
                                .section(" cannot", 0, 0)
                                .replace(rig->folder.dir().path(), "DIR"));
        QCOMPARE(messages, shown.messages);
        QCOMPARE(rig->context.databases.openCount(file()), 0);
        auto* progress = rig->context.screens.find<QWidget>(ScreenId::Progress);
        QCOMPARE(progress ? TestApp::text(progress, "ProgressHeading") : QString(), shown.heading);
        if (!progress) return;
        QVERIFY(progress->isVisible() && progress->width() <= 800 && progress->height() <= 600);
        QCOMPARE(progress->findChild<QStackedWidget*>()->currentWidget()->objectName(), shown.view);
        auto* table = progress->findChild<QTableWidget*>("ProgressTable");
        QStringList rows;
        for (int row = 0; row < table->rowCount() && table->isVisible(); ++row)
            rows.append(table->item(row, 0)->text().mid(5) + " " + table->item(row, 1)->text() +
                        " " + table->item(row, 2)->text());
        QCOMPARE(rows, shown.table);
        const QByteArray bytes = rig->folder.readFile(saved.section('/', -1));
        QCOMPARE(bytes.startsWith("\x89PNG") ? "PNG" : bytes, shown.saved);
    }

    // The pointer on a day's dot or bar, as the row's name says, at `value`: a score or a number
    // of sheets; "years" after ten years of days, more than the plot's pixels.
    void tips_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("tip");
        QTest::newRow("dot") << 5 << 100.0 << "2026-12-05, Easy: 100% average of 1 sheet";
        QTest::newRow("bar, sheets") << 6 << 0.1 << "2026-12-06: 2 sheets";
        QTest::newRow("years, dot") << 6 << 75.0 << "2026-12-06, Easy: 75% average of 2 sheets";
        QTest::newRow("years, bar") << 6 << 1.5 << "2026-12-06: 2 sheets";
    }
    void tips() {
        QFETCH(int, day);
        QFETCH(double, value);
        QFETCH(QString, tip);
        const QString tag = QTest::currentDataTag();
        const QString chart = tag.contains("dot") ? "ScoresChart" : "SheetsChart";
        store("2026-12-05|18|5|Easy|A;2026-12-06|18|5|Easy|A;2026-12-06|9|5|Easy|A");
        QWidget* summary = rig->show(ScreenId::ScoringSummary);
        if (tag.startsWith("years")) {
            QVERIFY(QSqlQuery(rig->context.databases.open(file())->database())
                        .exec("WITH RECURSIVE d(day) AS (SELECT '2016-12-07' UNION ALL SELECT "
                              "date(day, '+1 day') FROM d WHERE day < '2026-12-04') INSERT INTO "
                              "score SELECT day, 0, '5', 'Easy', '" +
                              categoryOf(PracticeKind::AdditionSubtraction) + "' FROM d"));
            TestApp::control<QLineEdit>(summary, "Text31")->setText("2016-12-07");
        }
        TestApp::click(summary, "Command6");
        QWidget* progress = rig->find(ScreenId::Progress);
        TestApp::control<QAbstractButton>(progress, "ProgressSheets")
            ->setChecked(chart == "SheetsChart");
        auto* view = TestApp::control<QChartView>(progress, chart);
        QVERIFY(QTest::qWaitForWindowExposed(progress));
        QCoreApplication::processEvents();
        const QPointF at = view->chart()->mapToPosition(
            {double(QDateTime(QDate(2026, 12, day), QTime(12, 0)).toMSecsSinceEpoch()), value},
            view->chart()->series().first());
        const QPointF exact = view->viewportTransform().map(view->chart()->mapToScene(at));
        const QPoint pointer(int(std::floor(exact.x())), int(std::floor(exact.y())));  // its pixel
        QMouseEvent move(QEvent::MouseMove, pointer, view->viewport()->mapToGlobal(pointer),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QCOMPARE(QToolTip::text(), tip);
        // Drawn there in the colour its legend names.
        QCOMPARE(view->viewport()->grab().toImage().pixelColor(pointer),
                 static_cast<QXYSeries*>(view->chart()->series().first())->color());
    }

private:
    std::unique_ptr<TestApp> rig;
    AnsweringFileDialogs* dialogs = nullptr;
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
