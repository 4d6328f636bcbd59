#include "support/test_app.h"

#include <QScopeGuard>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr float kHighest = 0.99999994f;
const QString kGuest = u"Guest.mdb"_s;

ScoreRecord record(int score, QDate day = QDate(2026, 12, 6)) {
    return {day, score, u"15"_s, u"Normal"_s, u"Minus and Plus Practice program"_s};
}

struct Award {
    PracticeKind kind;
    QString signs;  // of problems 0 and 9
    int right;      // the last `right` problems are answered right; problem 5, if not, wrongly
    QString message;
    QString sound;
};

}  // namespace

Q_DECLARE_METATYPE(Award)

class TestPracticeScreen : public QObject {
    Q_OBJECT
private slots:
    void init() { app = std::make_unique<TestApp>(u"Guest"_s); }
    void cleanup() { app.reset(); }

    void firstSheet_data() {
        QTest::addColumn<Award>("award");
        const auto addSub = PracticeKind::AdditionSubtraction;
        const auto mulDiv = PracticeKind::MultiplicationDivision;
        QTest::newRow("Form1 0") << Award{addSub, u"-+"_s, 0, u"You need to practice some more!"_s,
                                          u"a0.wav"_s};
        QTest::newRow("Form2 7") << Award{
            mulDiv, u"÷*"_s, 7, u"Good Job.. but remember Practice makes perfect"_s, u"a1.mid"_s};
        QTest::newRow("Form1 18") << Award{addSub, u"-+"_s, 18,
                                           u"Perfect!! You are a genius..ready for next level?!"_s,
                                           u"a4.wav"_s};
    }
    // Seeded once from the clock, a first sheet of its own whatever levels the other screen
    // left, and the countdown running; the check corrects, awards, freezes and stores, and
    // the marked sheet prints.
    void firstSheet() {
        QFETCH(Award, award);
        const bool addSub = award.kind == PracticeKind::AdditionSubtraction;
        ScriptedRandom* random = app->drawAt(kHighest);
        app->context.settings.levels = {100, -100, 1000, 0, 7, 7, 7};
        QWidget* s = app->open(award.kind);
        QCOMPARE(random->seeds, QList<quint64>{quint64(app->clock->now().toMSecsSinceEpoch())});
        QCOMPARE((QList<int>{app->operand(s, 0), app->operand(s, 1), app->operand(s, 18)}),
                 (addSub ? QList<int>{19, 9, 109} : QList<int>{18, 2, 10}));
        QCOMPARE(app->text(s, "Label3_0") + app->text(s, "Label3_9"), award.signs);
        // Only multiplication has the hint, which shows the table beside the running sheet.
        if (s->findChild<QWidget*>(u"Command6"_s)) app->click(s, "Command6");
        QCOMPARE(app->isVisible(ScreenId::MultiplicationTable), !addSub);
        QVERIFY(app->isOpen(s) && s->isVisible());

        QList<int> right(award.right);
        std::iota(right.begin(), right.end(), kProblemCount - award.right);
        app->typeRightAnswers(s, right);
        if (!right.contains(5)) QTest::keyClicks(app->answer(s, 5), u"9999"_s);
        app->click(s, "Command3");
        QCOMPARE(app->text(s, "Label29"), QString::number(award.right));
        for (int i = 0; i < kProblemCount; ++i) {
            const QString correction =
                right.contains(i) ? QString() : QString::number(app->rightAnswer(s, i));
            QCOMPARE(app->text(s, u"ans1_%1"_s.arg(i)), correction);
            if (!correction.isEmpty())
                QVERIFY(
                    app->answer(s, i)->accessibleDescription().endsWith(u" is "_s + correction));
        }
        QVERIFY(app->isFrozen(s));
        QCOMPARE(app->audio->played, QStringList{app->folder.path(award.sound)});
        ScoreRecord expected = record(award.right);
        expected.category = app->text(s, "Label60");
        QCOMPARE(app->folder.records(kGuest), QList<ScoreRecord>{expected});
        // The message of a page saved for want of a printer is the summary suite's to check.
        app->printer->outcome = {{}, u"No paper."_s};
        app->click(s, "Command4");
        QCOMPARE(app->printer->printed, QList<QWidget*>{s});
        QCOMPARE(app->messages->texts, (QStringList{award.message, u"No paper."_s}));
        // The longest level name must fit on an 800 by 600 screen, title bar included.
        app->control<QLabel>(s, "Label11")->setText(u"Super Difficult"_s);
        QVERIFY(s->sizeHint().width() <= 800 && s->sizeHint().height() <= 570);
        app->click(s, "Command1");
        QCOMPARE(random->seeds.size(), 1);
    }

    // A screen left hidden reaches its time-up unseen. A sheet counts once in the
    // averages: a later check marks and awards again but stores nothing; Start, at the level
    // label "Normal" with the Normal values put back, opens a sheet that counts again.
    void hiddenScreenTimesUpAndStoresTheSheetOnce() {
        QWidget* s = app->open(PracticeKind::AdditionSubtraction);
        app->typeRightAnswers(s, {0, 1, 2, 3, 4, 5, 6});
        s->hide();
        app->tickAt(s, QTime(10, 14, 59));
        QVERIFY(app->messages->texts.isEmpty());
        app->tickAt(s, QTime(10, 15, 0));
        QCOMPARE(app->messages->texts,
                 (QStringList{u"Your time's up"_s,
                              u"Good Job.. but remember Practice makes perfect"_s}));
        QVERIFY(app->messages->titles.first().isEmpty() && app->isFrozen(s));
        QCOMPARE(app->folder.records(kGuest), QList<ScoreRecord>{record(7)});
        app->click(s, "Command3");
        QCOMPARE(app->text(s, "Label29"), u"7"_s);
        QCOMPARE(app->audio->played.size(), 2);
        QCOMPARE(app->folder.recordCount(kGuest), 1);
        app->context.settings.levels.addRange = 1000;
        app->drawAt(kHighest);
        app->click(s, "Command1");
        QVERIFY(app->isOpen(s) && app->text(s, "ans1_0").isEmpty());
        QCOMPARE(app->operand(s, 18), 19);
        app->click(s, "Command3");
        QCOMPARE(app->folder.recordCount(kGuest), 2);
    }

    // The date label, not the clock, dates the record, read back in the user's locale;
    // before the first tick the label is empty and the record is dated today.
    void dateLabelDatesTheRecord() {
        QLocale::setDefault(QLocale(u"de_DE"_s));
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        QWidget* s = app->open(PracticeKind::AdditionSubtraction);
        app->click(s, "Command3");
        app->clock->set(QDateTime(QDate(2027, 3, 9), QTime(10, 1, 2)));
        app->click(s, "Command1");
        app->countdown(s)->tick();
        QCOMPARE(app->text(s, "Label2"), u"09.03.2027"_s);
        QCOMPARE(app->text(s, "Label5"), u"10:01:02"_s);
        QCOMPARE(app->text(s, "Label6"), u"1"_s);
        app->clock->set(QDateTime(QDate(2027, 3, 10), QTime(0, 0, 1)));
        app->click(s, "Command3");
        QCOMPARE(app->folder.records(kGuest),
                 (QList<ScoreRecord>{record(0), record(0, QDate(2027, 3, 9))}));
    }

private:
    std::unique_ptr<TestApp> app;
};

QTEST_MAIN(TestPracticeScreen)
#include "test_practice_screen.moc"
