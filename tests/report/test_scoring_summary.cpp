#include "report/core/summary_cells.h"
#include "report/core/summary_dates.h"
#include "scores/core/date_texts.h"
#include "support/test_app.h"

#include <QSqlQuery>

Q_DECLARE_METATYPE(QList<ScoreGroup>)

namespace {

const QString kAddSub = categoryOf(PracticeKind::AdditionSubtraction);
const QString kAddSubTitle = "Addition/Subtraction Scoring Summary";
const QString kGeneralTitle = "The Brenlo Scoring Summary";

// What the summary shows after the steps; a field left out holds what a fresh summary shows.
struct Shown {
    QString title = kGeneralTitle;
    QString user{};  // after "USER:- "
    QString dates = "12/5/2026 12/6/2026";
    QStringList cells = {"", "", ""};  // Text1, Text6 and Text8, "*" when bold
    int records = 5;                   // left in the file
    QString screens{};  // "M" for a visible main menu, "F" for a Form1 made, "P" for Progress shown
    QStringList messages{};  // each up to its reason or first sentence, the data folder as DIR
};

}  // namespace

Q_DECLARE_METATYPE(Shown)

class TestScoringSummary : public QObject {
    Q_OBJECT

    QString file() const { return rig->folder.path("Guest.mdb"); }
    bool sql(const QString& statement) {
        const DatabaseConnection connection = rig->context.databases.open(file()).value();
        return QSqlQuery(connection.database()).exec(statement);
    }
    QWidget* summary() const { return rig->context.screens.find(ScreenId::ScoringSummary); }
    QLineEdit* box(const QString& name) const { return summary()->findChild<QLineEdit*>(name); }
    // Guest's file, made by an earlier build: a sheet the day before yesterday; yesterday's
    // full one at Normal, 5 minutes (Text8); today's full Easy one at 2 minutes, in other
    // letter cases (Text1), and an empty one at a speed no screen offers (Text6, the Easy
    // total); today's of the other category; four incomplete or test records.
    void addGuestsSheets() {
        for (const char* statement :
             {"DROP INDEX score_summary", "DROP INDEX IF EXISTS score_incomplete",
              "PRAGMA user_version=1",
              "CREATE INDEX score_summary ON score (cat, lvl, speed, sdate)"})
            QVERIFY(sql(statement));
        QVERIFY(sql(
            QString("INSERT INTO score VALUES ('2026-12-04', 7, '5', 'Normal', '%1'), "
                    "('2026-12-05', 18, '5', 'Normal', '%1'), ('2026-12-06', 18, '2', "
                    "'EASY', '%3'), ('2026-12-06', 0, '7', 'Easy', '%1'), ('2026-12-06', 0, '5', "
                    "'Normal', '%2'), (NULL, 1, '5', "
                    "'Easy', '%1'), ('2026-12-06', 2, NULL, 'Easy', '%2'), ('2026-12-06', "
                    "3, '5', NULL, '%1'), ('2026-12-06', 4, '5', 'tEsT', '%2')")
                .arg(kAddSub, categoryOf(PracticeKind::MultiplicationDivision),
                     kAddSub.toUpper())));
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() {
        rig = std::make_unique<TestApp>(QStringLiteral("Guest"));
        rig->printer->outcome.savedPdf = rig->folder.path("Brenlo print 2026-12-06 10.00.00.pdf");
    }

    // `expected` lists cells as "index=text", "*" marking bold; the rest are empty.
    void cellsFromGroups_data() {
        QTest::addColumn<QList<ScoreGroup>>("groups");
        QTest::addColumn<QString>("expected");
        QTest::newRow("total averages sheets, not cells")
            << QList<ScoreGroup>{{"Normal", "5", 36, 2}, {"Normal", "20", 9, 1}}
            << "7=100%* 10=50% 11=83%";
        QTest::newRow("359 in 20 sheets: bold 100%")
            << QList<ScoreGroup>{{"Difficult", "10", 342, 19}, {"Difficult", "15", 17, 1}}
            << "14=100%* 15=94% 17=100%*";
        QTest::newRow("level in any case, speed exact")
            << QList<ScoreGroup>{{"NORMAL", "5", 18, 1}, {"normal", "5 ", 0, 1}}
            << "7=100%* 11=50%";
        QTest::newRow("no Easy in multiplication")
            << QList<ScoreGroup>{{"Easy", "2", 18, 1}, {"Normal", "5", 0, 1}}
            << "0=N/A 1=N/A 2=N/A 3=N/A 4=N/A 5=N/A 7=0% 11=0%";
    }
    void cellsFromGroups() {
        QFETCH(QList<ScoreGroup>, groups);
        QFETCH(QString, expected);
        // Only the multiplication summary has an Easy row of "N/A".
        const auto kind = PracticeKind(expected.startsWith("0=N/A"));
        const SummaryCells cells = summaryCells(kind, groups);
        QStringList shown;
        for (int i = 0; i < kSummaryCells; ++i)
            if (!cells[i].text.isEmpty() || cells[i].bold)
                shown.append(QString::number(i) + "=" + cells[i].text + (cells[i].bold ? "*" : ""));
        QCOMPARE(shown.join(' '), expected);
    }

    // Each locale's own short form and the ISO form are read; nothing else is a day.
    void datesInEachLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("day");
        for (const QString own :
             {"en_US 3/1/26", "de_DE 1.3.2026", "fr_FR 01/03/2026", "ja_JP 26/3/1"}) {
            const QString locale = own.left(5);
            const auto row = [&locale](const QString& text, QDate day) {
                QTest::newRow(qPrintable(locale + " " + text)) << locale << text << day;
            };
            row(own.mid(6), QDate(2026, 3, 1));
            row(" 2026-03-01 ", QDate(2026, 3, 1));
            row(dateLabelText(QDate(2028, 2, 29), QLocale(locale)), QDate(2028, 2, 29));
            for (const QString& text :
                 QStringList{"", "yesterday", "31/02/2026", "2026-03-01 junk", "2026.03.01",
                             dateLabelText(QDate(-26, 3, 1), QLocale(locale))})
                row(text, QDate());
        }
    }
    void datesInEachLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, day);
        QCOMPARE(readSummaryDate(text, QLocale(locale)).value_or(QDate()), day);
    }

    // Guest's sheets on 6 December 2026, then the steps: "open" shows the summary; "menu" opens it
    // from the main menu with "Typed" in the user name box, "Form1" from that practice screen's
    // menu; "cancel" answers the next question; the rest click, type or damage the file.
    void actions_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Shown>("shown");
        const QStringList summarised = {"100%*", "50%", "100%*"};
        const QString asked = "Do you really want to clean up database from 12/5/2026 to 12/6/2026";
        const QString unread = " cannot be read as a date";
        const QString reversed =
            "The starting date \"12/7/2026\" is after the end date \"12/6/2026\"";
        const auto row = [](const char* name, QStringList steps, Shown shown) {
            QTest::newRow(name) << steps << shown;
        };
        row("N/A, print", {"open", "Command3", "Command4"},
            {.title = "Multiplication/Division Scoring Summary",
             .cells = {"N/A", "N/A", "0%"},
             .messages = {"No printer is set up, so the page was saved as \"DIR/Brenlo print "
                          "2026-12-06 10.00.00.pdf\"."}});
        row("start after end", {"open", "Text31=12/7/2026", "Command1", "Command5", "Command6"},
            {.dates = "12/7/2026 12/6/2026", .messages = {reversed, reversed, reversed}});
        row("opened again", {"menu", "Text31=12/4/2026", "Command1", "open"},
            {.title = kAddSubTitle,
             .user = "Typed",
             .dates = "12/4/2026 12/6/2026",
             .cells = {"100%*", "50%", "69%"},
             .screens = "M"});
        row("End, from the menu", {"menu", "Command1", "Command2", "open"},
            {.user = "Typed", .screens = "M"});
        row("End, from Form1", {"Form1", "Command1", "Command2", "open"},
            {.user = "Typed", .screens = "F"});
        row("clean-up OK", {"open", "Command1", "Command5"},
            {.cells = summarised, .records = 1, .messages = {asked, "Records deleted !"}});
        row("clean-up Cancel", {"open", "Command1", "cancel", "Command5"},
            {.cells = summarised, .messages = {asked}});
        row("clean-up refused", {"open", "Command1", "refusing", "Command5"},
            {.cells = summarised,
             .messages = {asked, "No record was deleted from \"DIR/Guest.mdb\""}});
        row("empty date", {"open", "Command1", "Text31=", "Command1"},
            {.title = kAddSubTitle,
             .dates = " 12/6/2026",
             .cells = summarised,
             .messages = {"The starting date \"\"" + unread}});
        row("statement", {"open", "Command1", "Text32=1#; DROP TABLE score; --", "Command5"},
            {.title = kAddSubTitle,
             .dates = "12/5/2026 1#; DROP TABLE score; --",
             .cells = summarised,
             .messages = {"The end date \"1#; DROP TABLE score; --\"" + unread}});
        row("missing on load", {"missing", "open"},
            {.records = 9,
             .messages = {"Incomplete records could not be removed from \"DIR/Guest.mdb\""}});
        row("not a database", {"open", "Command1", "not a database", "Command3"},
            {.title = kAddSubTitle,
             .cells = summarised,
             .messages = {"The scores could not be read from \"DIR/Guest.mdb\""}});
    }
    void actions() {
        QFETCH(QStringList, steps);
        QFETCH(Shown, shown);
        addGuestsSheets();
        const QString kept = rig->folder.path("kept");
        Screens& screens = rig->context.screens;
        for (const QString& step : steps) {
            if (step == "open")
                screens.show(ScreenId::ScoringSummary);
            else if (step == "menu" || step == "Form1") {
                screens.show(ScreenId::MainMenu)->findChild<QLineEdit*>("Text1")->setText("Typed");
                TestApp::click(screens.find(ScreenId::MainMenu),
                               step == "menu" ? "Command4" : "Command1");
                if (step == "Form1")
                    TestApp::trigger(screens.find(ScreenId::AddSubPractice), "mnuitemRSS");
            } else if (step.startsWith("Command"))
                TestApp::click(summary(), qPrintable(step));
            else if (step.contains('='))
                box(step.section('=', 0, 0))->setText(step.section('=', 1));
            else if (step == "cancel")
                rig->messages->answers = {false};
            else if (step == "refusing")
                sql("CREATE TRIGGER t BEFORE DELETE ON score WHEN old.score = 0 BEGIN SELECT "
                    "RAISE(ABORT, 'no'); END");
            else if (QFile::rename(file(), kept) && step == "not a database")
                rig->folder.writeFile("Guest.mdb", QByteArray(4096, 'z'));
        }
        const auto weighted = [this](const char* name) {
            return box(name)->text() + (box(name)->font().bold() ? "*" : "");
        };
        QStringList messages;
        for (const QString& message : rig->messages->texts)
            messages.append(message.section(": ", 0, 0)
                                .section(". ", 0, 0)
                                .replace(rig->folder.dir().path(), "DIR"));
        QCOMPARE(TestApp::text(summary(), "Label15"), shown.title);
        QCOMPARE(TestApp::text(summary(), "Label18"), "USER:- " + shown.user);
        QCOMPARE(box("Text31")->text() + " " + box("Text32")->text(), shown.dates);
        QCOMPARE(QStringList({weighted("Text1"), weighted("Text6"), weighted("Text8")}),
                 shown.cells);
        QCOMPARE(rig->folder.recordCount(QFile::exists(kept) ? "kept" : "Guest.mdb"),
                 shown.records);
        QCOMPARE(QString(screens.isVisible(ScreenId::MainMenu) ? "M" : "") +
                     (screens.find(ScreenId::AddSubPractice) ? "F" : "") +
                     (screens.isVisible(ScreenId::Progress) ? "P" : ""),
                 shown.screens);
        QCOMPARE(messages, shown.messages);
        QVERIFY(summary()->focusWidget()->objectName() == "Command1" && summary()->width() <= 800 &&
                summary()->height() <= 600 && !screens.find(ScreenId::MulDivPractice) &&
                rig->context.databases.openCount(file()) == 0);
        const Result<DatabaseConnection> opened = rig->context.databases.open(file());
        QSqlQuery plan(opened ? opened->database() : QSqlDatabase());
        plan.exec(
            "EXPLAIN QUERY PLAN SELECT lvl, speed, score FROM score WHERE cat = '' AND sdate > ''");
        QVERIFY(QFile::exists(kept) ||
                (plan.next() && plan.value(3).toString().contains("COVERING")));
        // The removal at every opening must not scan the table.
        plan.exec(
            "EXPLAIN QUERY PLAN DELETE FROM score WHERE speed IS NULL OR sdate IS NULL OR "
            "lvl IS NULL OR lvl = 'test' COLLATE NOCASE");
        QVERIFY(QFile::exists(kept) || (plan.next() && plan.value(3).toString().contains("INDEX")));
    }

private:
    std::unique_ptr<TestApp> rig;
};

QTEST_MAIN(TestScoringSummary)
#include "test_scoring_summary.moc"
