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

}  // namespace

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

    // Rows are "locale|text|day read", no day when the text cannot be read.
    void datesInEachLocale_data() {
        QTest::addColumn<QString>("row");
        for (const QString own :
             {"en_US|3/1/26", "de_DE|1.3.2026", "fr_FR|01/03/2026", "ja_JP|26/3/1"}) {
            const QString locale = own.left(5);
            const QString written = dateLabelText(QDate(2028, 2, 29), QLocale(locale));
            for (const QString& text : QStringList{
                     own.mid(6) + "|2026-03-01", written + "|2028-02-29", " 2026-03-01 |2026-03-01",
                     "|", "yesterday|", "31/02/2026|", "1#; DROP TABLE score; --|",
                     "2026-03-01 junk|", "2026.03.01|", "2026-03-01;1|",
                     dateLabelText(QDate(-26, 3, 1), QLocale(locale)) + "|"})
                QTest::newRow(qPrintable(locale + " " + text)) << locale + "|" + text;
        }
    }
    void datesInEachLocale() {
        QFETCH(QString, row);
        const QStringList fields = row.split('|');
        QCOMPARE(readSummaryDate(fields[1], QLocale(fields[0])).value_or(QDate()),
                 QDate::fromString(fields[2], Qt::ISODate));
    }

    // Guest's sheets on 6 December 2026, then the steps: "open" shows the summary; "menu" opens it
    // from the main menu with "Typed" in the user name box, "Form1" from that practice screen's
    // menu; "cancel" answers the next question; the rest click, type or damage the file. `shown` is
    // the title, the user and date texts, Text1, Text6 and Text8 ("*" when bold), the records left,
    // "M" for a visible main menu, "F" for a Form1 made and "P" for Progress on show, then each
    // message up to its reason.
    void actions_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        const QString asked =
            "|Do you really want to clean up database from 12/5/2026 to 12/6/2026";
        const QString gone = "|No record was deleted from \"DIR/Guest.mdb\"";
        const QString summarised = kAddSubTitle + "|USER:- |DAYS|100%*|50%|100%*|5|";
        const QString cleaned = kGeneralTitle + "|USER:- |DAYS|100%*|50%|100%*|";
        const QString unread =
            " cannot be read as a date. Please type a date as M/d/yyyy, for "
            "example 12/6/2026, or as yyyy-mm-dd, for example 2026-12-06.";
        const auto row = [](const char* name, QStringList steps, QString shown) {
            QTest::newRow(name) << steps << shown;
        };
        row("both ends, one category", {"open", "Command1"}, summarised);
        row("N/A, print", {"open", "Command3", "Command4"},
            "Multiplication/Division Scoring Summary|USER:- |DAYS|N/A|N/A|0%|5||No printer is set "
            "up, "
            "so the page was saved as \"DIR/Brenlo print 2026-12-06 10.00.00.pdf\".");
        const QString reversed =
            "|The starting date \"12/7/2026\" is after the end date \"12/6/"
            "2026\". Please type a starting date no later than the end date.";
        row("start after end", {"open", "Text31=12/7/2026", "Command1", "Command5", "Command6"},
            kGeneralTitle + "|USER:- |12/7/2026 12/6/2026||||5|" + reversed + reversed + reversed);
        row("text after the date", {"open", "Text31=2026-12-05 junk", "Command5"},
            kGeneralTitle +
                "|USER:- |2026-12-05 junk 12/6/2026||||5||The starting date \"2026-12-"
                "05 junk\"" +
                unread);
        row("opened again", {"menu", "Text31=12/4/2026", "Command1", "open"},
            kAddSubTitle + "|USER:- Typed|12/4/2026 12/6/2026|100%*|50%|69%|5|M");
        row("End, from the menu", {"menu", "Command1", "Command2", "open"},
            kGeneralTitle + "|USER:- Typed|DAYS||||5|M");
        row("End, from Form1", {"Form1", "Command1", "Command2", "open"},
            kGeneralTitle + "|USER:- Typed|DAYS||||5|F");
        row("clean-up OK", {"open", "Command1", "Command5"},
            cleaned + "1|" + asked + "|Records deleted !");
        row("clean-up Cancel", {"open", "Command1", "cancel", "Command5"}, cleaned + "5|" + asked);
        row("clean-up refused", {"open", "Command1", "refusing", "Command5"},
            cleaned + "5|" + asked + gone);
        row("empty date", {"open", "Command1", "Text31=", "Command1"},
            kAddSubTitle + "|USER:- | 12/6/2026|100%*|50%|100%*|5||The starting date \"\"" +
                unread);
        row("statement", {"open", "Command1", "Text32=1#; DROP TABLE score; --", "Command5"},
            kAddSubTitle +
                "|USER:- |12/5/2026 1#; DROP TABLE score; --|100%*|50%|100%*|5||The end date "
                "\"1#; DROP TABLE score; --\"" +
                unread);
        row("missing on load", {"missing", "open"},
            kGeneralTitle +
                "|USER:- |DAYS||||9||Incomplete records could not be removed from "
                "\"DIR/Guest.mdb\"");
        row("not a database", {"open", "Command1", "not a database", "Command3"},
            summarised + "|The scores could not be read from \"DIR/Guest.mdb\"");
    }
    void actions() {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
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
        const QString flags = QString(screens.isVisible(ScreenId::MainMenu) ? "M" : "") +
                              (screens.find(ScreenId::AddSubPractice) ? "F" : "") +
                              (screens.isVisible(ScreenId::Progress) ? "P" : "");
        QString seen =
            QString("%1|%2|%3 %4|%5|%6|%7|%8|%9")
                .arg(TestApp::text(summary(), "Label15"), TestApp::text(summary(), "Label18"),
                     box("Text31")->text(), box("Text32")->text(), weighted("Text1"),
                     weighted("Text6"), weighted("Text8"),
                     QString::number(
                         rig->folder.recordCount(QFile::exists(kept) ? "kept" : "Guest.mdb")),
                     flags);
        for (const QString& message : rig->messages->texts)
            seen += "|" + message.section(": ", 0, 0).replace(rig->folder.dir().path(), "DIR");
        QCOMPARE(seen, shown.replace("DAYS", "12/5/2026 12/6/2026"));
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
