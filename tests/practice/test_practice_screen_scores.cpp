#include "practice/core/score_queue.h"
#include "support/test_app.h"
#include "support/write_protection.h"

#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kGuest = u"Guest.mdb"_s;

}  // namespace

class TestPracticeScreenScores : public QObject {
    Q_OBJECT

private slots:
    void init() { app = std::make_unique<TestApp>(u"Guest"_s); }
    void cleanup() { app.reset(); }

    // Each answer is stored with its problem and the seconds from its sheet's start to
    // the box's last change, which a new sheet forgets.
    void answersAreStoredWithTheirTimes() {
        QWidget* s = app->open(PracticeKind::MultiplicationDivision);
        for (const auto& [time, box, typed] : {std::tuple{QTime(10, 0, 5), 3, u"4"_s},
                                               {QTime(10, 0, 9), 3, u"\u0663 x"_s},
                                               {QTime(10, 0, 9), -1, u"Command3"_s},
                                               {QTime(10, 1, 0), -1, u"Command1"_s},
                                               {QTime(10, 1, 2), 0, u"1"_s}}) {
            app->clock->setTime(time);
            if (box < 0)
                app->click(s, typed);
            else
                app->answer(s, box)->insert(typed);  // as typed or set by a screen reader
        }
        app->click(s, "Command3");
        const auto read = ScoreStore(app->context.databases)
                              .answers(app->folder.path(kGuest), app->text(s, "Label60"),
                                       QDate(2026, 12, 6), QDate(2026, 12, 6));
        QStringList changed;
        for (const StoredAnswer& a : *read)
            if (a.answer.changedSeconds)
                changed << u"%1 %2 %3"_s.arg(a.answer.place)
                               .arg(a.answer.typed)
                               .arg(*a.answer.changedSeconds);
        QCOMPARE(changed, (QStringList{u"3 4\u0663 x 9"_s, u"0 1 2"_s}));
        const AnswerRecord last = read->last().answer;
        QCOMPARE(QStringList({read->first().answer.operation, last.operation, last.expected}),
                 (QStringList{u"/"_s, u"x"_s, QString::number(app->rightAnswer(s, 17))}));
    }

    // The shortcut or the menu item draws from the child's own misses and stores a mistakes
    // round; without answers, or from a database that cannot be read, it says why and draws
    // an ordinary sheet.
    void mistakesRound() {
        QWidget* s = app->open(PracticeKind::AdditionSubtraction);
        app->drawAt(0.1f);
        QVERIFY(QTest::qWaitForWindowActive(s));  // as a shortcut needs
        QTest::keySequence(s, QKeySequence(u"Ctrl+M"_s));
        QVERIFY(app->messages->texts.value(0).contains(u"no answers"_s));
        app->click(s, "Command3");
        app->drawAt(0.5f);
        app->trigger(s, "mnuMistakesItem");
        int misses = 0;  // 11-1 and 11+11, twice each among the draw's 15-5 and 15+15
        for (int i = 0; i < kProblemCount; ++i) misses += app->operand(s, 2 * i) == 11;
        QCOMPARE(misses, 4);
        app->click(s, "Command3");
        const auto read = ScoreStore(app->context.databases)
                              .answers(app->folder.path(kGuest), {}, app->clock->now().date(),
                                       app->clock->now().date());
        const auto round = [](const StoredAnswer& a) { return a.answer.round; };
        QCOMPARE(std::ranges::count(*read, kMistakesRound, round), kProblemCount);  // of 36
        app->folder.writeFile(kGuest, "this is not a database");
        app->trigger(s, "mnuMistakesItem");
        QVERIFY(app->messages->texts.last().contains(app->folder.path(kGuest)));
        QCOMPARE(app->operand(s, 0) + app->operand(s, 1), 15 + 5);
    }

    void databaseFailuresAreReported_data() {
        QTest::addColumn<int>("protection");  // -1: no database; else a WriteProtection target
        QTest::newRow("not a database") << -1;
        QTest::newRow("read-only file") << int(WriteProtection::File);
        QTest::newRow("read-only folder") << int(WriteProtection::Folder);
    }
    // A database that cannot take scores is reported when the screen is made, and a sheet
    // that cannot be stored when it is checked; a later check stores it once it can.
    void databaseFailuresAreReported() {
        QFETCH(int, protection);
        std::optional<WriteProtection> protect;
        if (protection < 0)
            app->folder.writeFile(kGuest, "this is not a database");
        else
            protect.emplace(app->folder.path(kGuest), WriteProtection::Target(protection));
        QWidget* s = app->open(PracticeKind::AdditionSubtraction);
        QCOMPARE(app->messages->texts.size(), 1);
        app->typeRightAnswers(s, {0});
        app->click(s, "Command3");
        QCOMPARE(app->messages->texts.size(), 3);  // after the award
        for (const QString& message : {app->messages->texts[0], app->messages->texts[2]})
            QVERIFY2(message.contains(app->folder.path(kGuest)), qPrintable(message));
        QCOMPARE(app->text(s, "Label29"), u"1"_s);
        if (protect)
            protect->lift();
        else if (QFile::remove(app->folder.path(kGuest)))
            app->folder.makeUserDatabase(u"Guest"_s);
        app->click(s, "Command3");
        QCOMPARE(app->folder.recordCount(kGuest), 1);
    }

    // Under another program's write lock the screen opens and answers, and the sheet waits;
    // a lock held as long as a connection would wait is reported; the program's end stores.
    void aLockedDatabaseHoldsNothingStill() {
        const DatabaseConnection holder =
            app->context.databases.open(app->folder.path(kGuest)).value();
        QSqlQuery lock(holder.database());
        QVERIFY(lock.exec(u"BEGIN IMMEDIATE"_s));
        QWidget* s = app->open(PracticeKind::AdditionSubtraction);
        app->click(s, "Command3");
        bool answered = false;
        QMetaObject::invokeMethod(
            s, [&answered] { answered = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(answered);
        QCOMPARE(app->messages->texts.size(), 1);  // the award alone
        QVERIFY(lock.exec(u"COMMIT"_s));
        QTRY_COMPARE(app->folder.recordCount(kGuest), 1);
        QVERIFY(lock.exec(u"BEGIN IMMEDIATE"_s));
        app->click(s, "Command1");
        app->click(s, "Command3");
        app->clock->setTime(QTime(10, 0, 5));
        QTRY_COMPARE(app->messages->texts.size(), 3);
        QVERIFY(lock.exec(u"COMMIT"_s));
        auto* queue = s->findChild<ScoreQueue*>();
        queue->storeBeforeEnd();  // as the program ends
        QCOMPARE(app->folder.recordCount(kGuest), 2);
        QVERIFY(lock.exec(u"BEGIN IMMEDIATE"_s));
        app->click(s, "Command1");
        app->click(s, "Command3");
        queue->storeBeforeEnd();  // the lock outlasts the program
        QCOMPARE(app->messages->texts.size(), 5);
        QVERIFY(app->messages->texts.last().contains(u"before the program ended"_s));
    }

private:
    std::unique_ptr<TestApp> app;
};

QTEST_MAIN(TestPracticeScreenScores)
#include "test_practice_screen_scores.moc"
