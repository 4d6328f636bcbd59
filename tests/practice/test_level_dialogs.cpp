#include "practice/core/levels.h"
#include "support/test_app.h"

#include <QPointer>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto kAddSub = PracticeKind::AdditionSubtraction;
constexpr auto kMulDiv = PracticeKind::MultiplicationDivision;
// The largest float below 1: every draw gives the top of its range.
constexpr float kHighest = 0.99999994f;

}  // namespace

Q_DECLARE_METATYPE(Level)

class TestLevelDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { app = std::make_unique<TestApp>(u"Guest"_s); }
    void cleanup() { app.reset(); }

    void freezeOnlyWhenADialogIsMade_data() { addKinds(); }
    // A dialog freezes the sheet when it is made, not when a hidden one is shown again;
    // a check destroys the Speed dialog, so the next one freezes again. Its close button
    // leads to the levels of the screen in front.
    void freezeOnlyWhenADialogIsMade() {
        QFETCH(PracticeKind, kind);
        const QString speedItem = kind == kAddSub ? u"mnuspditem"_s : u"mnuspdItem"_s;
        QWidget* screen = app->open(kind);
        app->trigger(screen, speedItem);
        QWidget* speed = app->find(ScreenId::Speed);
        QVERIFY(speed->isVisible() && app->isFrozen(screen));
        app->click(screen, "Command1");
        app->trigger(screen, speedItem);
        QVERIFY(app->isOpen(screen));

        app->click(speed, "Command6");
        QVERIFY(!speed->isVisible() && app->find(ScreenId::Speed) == speed);
        QCOMPARE(app->isVisible(ScreenId::FiveLevelDifficulty), kind == kAddSub);
        QCOMPARE(app->isVisible(ScreenId::FourLevelDifficulty), kind == kMulDiv);
        QVERIFY(app->isFrozen(screen));

        app->click(screen, "Command3");
        QCOMPARE(app->find(ScreenId::Speed), nullptr);
        app->click(screen, "Command1");
        app->trigger(screen, speedItem);
        QVERIFY(app->isFrozen(screen));
        // Escape closes it as its frame does, and that destroys it too.
        QPointer<QWidget> closed = app->find(ScreenId::Speed);
        QTest::keyClick(closed, Qt::Key_Escape);
        QTRY_VERIFY(closed.isNull());
        // With no practice screen in front, the five levels.
        screen->hide();
        app->context.screens.destroy(ScreenId::FiveLevelDifficulty);
        app->click(app->show(ScreenId::Speed), "Command6");
        QVERIFY(app->isVisible(ScreenId::FiveLevelDifficulty));
    }

    void speedChoice_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("minutes");
        QTest::newRow("Slowest") << u"Command1"_s << 20;
        QTest::newRow("Fastest") << u"Command5"_s << 2;
    }
    // The other screen is made hidden to carry the speed, with no countdown until it is
    // first shown; the frozen sheet stays frozen until Start.
    void speedChoice() {
        QFETCH(QString, button);
        QFETCH(int, minutes);
        const QString text = QString::number(minutes);
        app->clock->setTime(QTime(10, 50));
        QWidget* addSub = app->open(kAddSub);
        app->trigger(addSub, "mnuspditem");
        QWidget* speed = app->find(ScreenId::Speed);
        app->click(speed, button);
        QVERIFY(app->text(speed, "Label1").startsWith(u"Your time is about "_s + text + u' '));
        QCOMPARE(app->text(addSub, "Label9"), text);
        QVERIFY(app->isFrozen(addSub));
        QWidget* mulDiv = app->find(ScreenId::MulDivPractice);
        QVERIFY(!mulDiv->isVisible() && !app->countdown(mulDiv)->isRunning());
        QCOMPARE(app->text(mulDiv, "Label9"), text);

        app->click(addSub, "Command1");
        QCOMPARE(app->text(addSub, "Label7"), QString::number((50 + minutes) % 60));
        app->clock->setTime(QTime(11, 30));
        app->trigger(addSub, "mnuMadItem");
        QVERIFY(app->isOpen(mulDiv));
        QCOMPARE(app->text(mulDiv, "Label7"), QString::number((30 + minutes) % 60));
        QCOMPARE(app->folder.recordCount(u"Guest.mdb"_s), 0);
    }

    void levelChoice_data() {
        QTest::addColumn<PracticeKind>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Level>("level");
        QTest::addColumn<QString>("said");      // before ", hit start when ready"
        QTest::addColumn<QString>("operands");  // 0, 1 and 18 at the lowest, then the highest draws
        const auto row = [](PracticeKind kind, const char* button, Level level, const char* said,
                            const char* operands) {
            QTest::addRow("%s %s", kind == kAddSub ? "MDff" : "Madff", said)
                << kind << QString(button) << level << QString(said) << QString(operands);
        };
        row(kAddSub, "Command2", Level::Easy, "Easy", "10 0 2 19 9 11");
        row(kAddSub, "Command3", Level::Normal, "Normal", "10 0 10 19 9 19");
        row(kAddSub, "Command4", Level::Difficult, "Dfficult", "100 0 200 199 99 299");
        row(kAddSub, "Command5", Level::MoreDifficult, "More Difficult", "-10 0 -10 89 99 989");
        row(kAddSub, "Command6", Level::SuperDifficult, "Super Difficult", "-100 0 -100 -1 99 899");
        row(kMulDiv, "Command1", Level::Normal, "Normal", "0 2 0 18 2 9");
        row(kMulDiv, "Command2", Level::Difficult, "Difficult", "0 12 10 108 12 19");
        row(kMulDiv, "Command3", Level::MoreDifficult, "More Difficult", "0 102 10 918 102 109");
        row(kMulDiv, "Command5", Level::SuperDifficult, "Super Difficult", "0 102 -25 918 102 74");
    }
    // A choice shows its level and its message and closes its dialog, which is gone with its
    // message; the sheet stays frozen until Start, and then the level alone, whatever was
    // chosen before, decides the sheet.
    void levelChoice() {
        QFETCH(PracticeKind, kind);
        QFETCH(QString, button);
        QFETCH(Level, level);
        QFETCH(QString, said);
        QFETCH(QString, operands);
        QWidget* s = app->open(kind);
        app->context.settings.levels = {1, 2, 3, 4, 5, 6, 7};
        app->trigger(s, "mnudifitem");
        QWidget* dialog = app->find(difficultyDialogIdOf(kind));
        QVERIFY(dialog->isVisible() && app->isFrozen(s));
        QPointer<QLabel> prompt = app->control<QLabel>(dialog, "Label1");
        app->click(dialog, button);
        QCOMPARE(prompt->text(), said + u", hit start when ready"_s);
        QTRY_VERIFY(prompt.isNull());
        QCOMPARE(app->text(s, "Label11"), levelName(level));
        QVERIFY(app->isFrozen(s));
        QStringList shown;
        for (const float fraction : {0.0f, kHighest}) {
            app->drawAt(fraction);
            app->click(s, "Command1");
            for (const int k : {0, 1, 18}) shown << QString::number(app->operand(s, k));
            // Divisors rise by one, and each dividend is its divisor times the same quotient.
            for (int i = 0; i < 9 && kind == kMulDiv; ++i) {
                QCOMPARE(app->operand(s, 2 * i + 1), app->operand(s, 1) + i);
                QCOMPARE(app->operand(s, 2 * i), app->operand(s, 2 * i + 1) * (fraction ? 9 : 0));
            }
        }
        QCOMPARE(shown.join(u' '), operands);
    }

    // addRange is one value for both screens, and making the multiplication/division
    // screen resets the addition/subtraction ranges and the speed whatever the labels say.
    void rangesAreSharedBetweenTheScreens() {
        QWidget* addSub = app->open(kAddSub);
        app->trigger(addSub, "mnudifitem");
        app->click(app->find(ScreenId::FiveLevelDifficulty), "Command4");
        app->trigger(addSub, "mnuMadItem");
        QWidget* mulDiv = app->find(ScreenId::MulDivPractice);
        app->trigger(mulDiv, "mnudifitem");
        app->click(app->find(ScreenId::FourLevelDifficulty), "Command3");
        app->trigger(mulDiv, "mnuBasItem");
        QCOMPARE(app->text(addSub, "Label11"), u"Difficult"_s);
        app->drawAt(kHighest);
        app->click(addSub, "Command1");
        QCOMPARE(app->operand(addSub, 0), 19);
        QCOMPARE(app->operand(addSub, 18), 100 + 10 + 99);
        QCOMPARE(app->text(addSub, "Label9"), u"15"_s);
    }

private:
    std::unique_ptr<TestApp> app;
};

QTEST_MAIN(TestLevelDialogs)
#include "test_level_dialogs.moc"
