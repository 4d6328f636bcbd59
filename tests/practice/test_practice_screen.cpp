#include "practice_rig.h"

#include "app/app_screens.h"
#include "app/core/app_title.h"
#include "practice/core/practice_kind.h"
#include "support/scripted_random.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

class RecordingPrinter final : public WindowPrinter {
public:
    Result print(QWidget& window) override {
        printed.append(&window);
        return outcome;
    }
    QList<QWidget*> printed;
    Result outcome;
};

const QString kCategories[] = {QStringLiteral("Minus and Plus Practice program"),
                               QStringLiteral("Multiply and Divide Practice program")};
const QString kTimeUp = QStringLiteral("Your time's up");
const QString kGuestDatabase = QStringLiteral("Guest.mdb");

QString category(PracticeKind kind) {
    return kCategories[int(kind)];
}

QStringList tabOrder(QWidget* window) {
    QStringList names;
    QWidget* first = window->focusWidget();
    QWidget* current = first;
    do {
        names.append(current->objectName());
        current = current->nextInFocusChain();
        while (!(current->focusPolicy() & Qt::TabFocus) || !current->isVisibleTo(window))
            current = current->nextInFocusChain();
    } while (current != first && names.size() < 40);
    return names;
}

}  // namespace

class TestPracticeScreen : public QObject {
    Q_OBJECT
private slots:
    void init() { rig = std::make_unique<PracticeRig>(); }
    void cleanup() { rig.reset(); }

    void createdScreen_data() { addKinds(); }
    void createdScreen() {
        QFETCH(PracticeKind, kind);
        const bool addSub = kind == PracticeKind::AdditionSubtraction;
        QWidget* screen = rig->open(kind);
        QCOMPARE(screen->objectName(), addSub ? QStringLiteral("Form1") : QStringLiteral("Form2"));
        QCOMPARE(PracticeRig::text(screen, "Label60"), category(kind));
        QCOMPARE(PracticeRig::text(screen, "Label9"), QStringLiteral("15"));
        QCOMPARE(PracticeRig::text(screen, "Label11"), QStringLiteral("Normal"));
        QCOMPARE(PracticeRig::text(screen, "Label29"), addSub ? QString() : QStringLiteral("0"));
        QCOMPARE(PracticeRig::text(screen, "Label7"), QStringLiteral("15"));
        QCOMPARE(PracticeRig::text(screen, "Label10"), QStringLiteral("Speed in Mins :"));
        QCOMPARE(PracticeRig::text(screen, "Label28"), QStringLiteral("Score:"));
        QCOMPARE(PracticeRig::text(screen, "Label1"), QStringLiteral("/18"));
        QVERIFY(PracticeRig::text(screen, "Label2").isEmpty());
        QCOMPARE(rig->context.settings.speedMins, 15);
        QVERIFY(screen->findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(rig->context.screens.find(ScreenId::MulDivPractice) != nullptr, !addSub);

        for (int i = 0; i < kProblemCount; ++i) {
            QLineEdit* answer = PracticeRig::answer(screen, i);
            QVERIFY(answer->text().isEmpty() && !answer->isReadOnly());
            QVERIFY(!answer->accessibleName().isEmpty());
            QVERIFY(PracticeRig::text(screen, QStringLiteral("ans1_%1").arg(i)).isEmpty());
            QCOMPARE(PracticeRig::text(screen, QStringLiteral("Label3_%1").arg(i)),
                     operationOf(kind, i).sign.toString());
            QVERIFY(PracticeRig::label(screen, QStringLiteral("sc_%1").arg(i))->isHidden());
            const int top = PracticeRig::operand(screen, 2 * i);
            const int bottom = PracticeRig::operand(screen, 2 * i + 1);
            if (addSub && i < 9) {
                QVERIFY(top >= 10 && top <= 19 && bottom >= 0 && bottom <= 9);
            } else if (addSub) {
                QVERIFY(top >= 10 && top <= 109 && bottom >= 10 && bottom <= 109);
            } else if (i < 9) {
                QCOMPARE(bottom, i + 2);
                QCOMPARE(top % bottom, 0);
                QVERIFY(top / bottom <= 9);
            } else {
                QVERIFY(top >= 1 && top <= 10 && bottom >= 1 && bottom <= 10);
            }
        }
        for (const char* hidden : {"Command2", "Label6", "Label7"})
            QVERIFY(screen->findChild<QWidget*>(hidden)->isHidden());
        for (int line = 1; line <= 7; ++line)
            QVERIFY(screen->findChild<QWidget*>(QStringLiteral("Line%1").arg(line)));
        QCOMPARE(screen->findChild<QPushButton*>("Command6") != nullptr, !addSub);
        QVERIFY(screen->findChild<QObject*>("MediaPlayer1"));
        QCOMPARE(PracticeRig::answer(screen, 9)->accessibleDescription(),
                 QStringLiteral("%1 %2 %3")
                     .arg(PracticeRig::text(screen, "num1_18"),
                          addSub ? QStringLiteral("plus") : QStringLiteral("times"),
                          PracticeRig::text(screen, "num1_19")));

        const auto points = [screen](const char* name) {
            return screen->findChild<QWidget*>(name)->font().pointSizeF();
        };
        QCOMPARE(points("Label3_0"), 18.0);
        QCOMPARE(points("num1_0"), 13.5);
        QCOMPARE(points("Text1_0"), 9.75);
        QVERIFY(PracticeRig::answer(screen, 0)->font().bold());
        QCOMPARE(points("ans1_0"), 9.75);
        QCOMPARE(points("Label29"), 18.0);
        QCOMPARE(points("Label2"), 12.0);
        QCOMPARE(PracticeRig::label(screen, "Label2")->palette().color(QPalette::WindowText),
                 QColor(0, 128, 0));
        QCOMPARE(PracticeRig::label(screen, "Label60")->font().styleHint(), QFont::Serif);

        // The longest level name must fit too; the title bar takes some 30 pixels.
        PracticeRig::label(screen, "Label11")->setText(QStringLiteral("Super Difficult"));
        QVERIFY(screen->sizeHint().width() <= 800);
        QVERIFY(screen->sizeHint().height() <= 570);
    }

    // Each screen seeds the one random source from the clock when it is created;
    // Start draws on without seeding again.
    void seededFromTheClockOnce() {
        auto* random = PracticeRig::install<ScriptedRandom>(rig->context.random);
        random->fractions = QList<float>(36, 0.5f);
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        QCOMPARE(random->seeds, QList<quint64>{quint64(rig->clock->now().toMSecsSinceEpoch())});
        QCOMPARE(random->drawn, 36);
        QCOMPARE(PracticeRig::text(screen, "num1_0"), QStringLiteral("15"));
        QCOMPARE(PracticeRig::text(screen, "num1_35"), QStringLiteral("60"));
        PracticeRig::click(screen, "Command1");
        QCOMPARE(random->seeds.size(), 1);
        QCOMPARE(random->drawn, 72);
        rig->open(PracticeKind::MultiplicationDivision);
        QCOMPARE(random->seeds.size(), 2);
        QCOMPARE(random->drawn, 72 + 27);
    }

    void tabOrder_data() { addKinds(); }
    void tabOrder() {
        QFETCH(PracticeKind, kind);
        QWidget* screen = rig->open(kind);
        QStringList expected;
        if (kind == PracticeKind::AdditionSubtraction) {
            expected = {"Command1", "Command3", "Command4", "Command5"};
            for (int i = 0; i < 18; ++i) expected.append(QStringLiteral("Text1_%1").arg(i));
        } else {
            for (int i = 1; i < 18; ++i) expected.append(QStringLiteral("Text1_%1").arg(i));
            expected += {"Command1", "Command3", "Command4", "Command5", "Text1_0", "Command6"};
        }
        QCOMPARE(::tabOrder(screen), expected);
    }

    void menus_data() { addKinds(); }
    void menus() {
        QFETCH(PracticeKind, kind);
        auto* screen = static_cast<QMainWindow*>(rig->open(kind));
        const bool addSub = kind == PracticeKind::AdditionSubtraction;
        const QList<QStringList> expected =
            addSub
                ? QList<QStringList>{{"mnuOptItem", "&Option", "mnufileitem", "&File Location"},
                                     {"mnuMenuItem", "&Main", "mnuMadItem",
                                      "A&dvanced switched to Times and Divide", "mnuitemRSS",
                                      "&Report Score Summary", "mnuexiitem", "E&xit completely"},
                                     {"mnuLvlitem", "&Level", "mnuspditem", "&Speed", "mnudifitem",
                                      "&Difficulty"},
                                     {"mnuaboutItem", "&About", "mnuProgItem", "about the &Program",
                                      "mnubugitem", "&Release notes", "mnuItemSre",
                                      "&System Requirement", "mnuhlpItem", "&Help"}}
                : QList<QStringList>{
                      {"mnuoptitem", "&Option", "mnufilitem", "&File Location"},
                      {"mnuMenuItem", "&Main", "mnuBasItem", "&Basic switch to Plus and Minus",
                       "mnuItemRSS", "&Report Score Summary", "mnuexiitem",
                       "E&xit out the program completely"},
                      {"mnuLvlitem", "&Level", "mnuspdItem", "&Speed", "mnudifitem", "&Difficulty"},
                      {"mnuabtitem", "&About", "mnuProitem", "about the &Program", "mnurelItem",
                       "&Release Notes", "mnusreItem", "&System Requirement", "mnuhlpitem",
                       "&Help"}};
        const QList<QAction*> bar = screen->menuBar()->actions();
        QCOMPARE(bar.size(), expected.size());
        for (int m = 0; m < expected.size(); ++m) {
            QMenu* menu = bar[m]->menu();
            QStringList actual = {menu->objectName(), menu->title()};
            for (QAction* item : menu->actions()) actual += {item->objectName(), item->text()};
            QCOMPARE(actual, expected[m]);
        }
    }

    // Start, answers typed, check: corrections, count, award, the stored row.
    void wholeSheet_data() { addKinds(); }
    void wholeSheet() {
        QFETCH(PracticeKind, kind);
        QWidget* screen = rig->open(kind);
        rig->tickAt(screen, QTime(10, 20, 0));
        PracticeRig::click(screen, "Command1");
        QCOMPARE(PracticeRig::text(screen, "Label29"), QStringLiteral("0"));
        QCOMPARE(PracticeRig::text(screen, "Label7"), QStringLiteral("35"));
        const QList<int> right = {0, 1, 2, 3, 4, 8, 9, 10, 11, 12, 16, 17};
        PracticeRig::typeRightAnswers(kind, screen, right);
        QTest::keyClicks(PracticeRig::answer(screen, 5), QStringLiteral("9999"));
        PracticeRig::click(screen, "Command3");

        QCOMPARE(PracticeRig::text(screen, "Label29"), QStringLiteral("12"));
        for (int i = 0; i < kProblemCount; ++i) {
            QVERIFY(PracticeRig::answer(screen, i)->isReadOnly());
            QLabel* correction = PracticeRig::label(screen, QStringLiteral("ans1_%1").arg(i));
            const QString expected =
                right.contains(i) ? QString()
                                  : QString::number(PracticeRig::rightAnswer(kind, screen, i));
            QCOMPARE(correction->text(), expected);
            QCOMPARE(correction->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(PracticeRig::text(screen, QStringLiteral("sc_%1").arg(i)),
                     right.contains(i) ? QStringLiteral("1") : QStringLiteral("0"));
            QCOMPARE(PracticeRig::answer(screen, i)->accessibleDescription().endsWith(
                         QStringLiteral(", the right answer is ") + expected),
                     !right.contains(i));
        }
        QCOMPARE(rig->messages->texts(), QStringList{QStringLiteral("Excellent, ready for more?")});
        QCOMPARE(rig->audio->played,
                 QStringList{rig->folder.path(QStringLiteral("sounds/award2"))});
        QVERIFY(!PracticeRig::countdown(screen)->isRunning());
        QCOMPARE(rig->folder.rows(kGuestDatabase),
                 (QList<QStringList>{{"2026-12-06", "12", "15", "Normal", category(kind)}}));
    }

    void perfectSheet() {
        QWidget* screen = rig->open(PracticeKind::MultiplicationDivision);
        QList<int> all;
        for (int i = 0; i < kProblemCount; ++i) all.append(i);
        PracticeRig::typeRightAnswers(PracticeKind::MultiplicationDivision, screen, all);
        PracticeRig::click(screen, "Command3");
        QCOMPARE(PracticeRig::text(screen, "Label29"), QStringLiteral("18"));
        QCOMPARE(rig->messages->texts(),
                 QStringList{QStringLiteral("Perfect!! You are a genius..ready for next level?!")});
        QCOMPARE(rig->folder.rows(kGuestDatabase).value(0).value(1), QStringLiteral("18"));
    }

    // A sheet counts once in the averages: a second check marks and awards again
    // but stores nothing; Start opens a sheet that counts again.
    void sheetIsRecordedOnce() {
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        PracticeRig::click(screen, "Command3");
        PracticeRig::click(screen, "Command3");
        QCOMPARE(rig->messages->texts(),
                 QStringList(2, QStringLiteral("You need to practice some more!")));
        QCOMPARE(rig->audio->played.size(), 2);
        QCOMPARE(rig->folder.recordCount(kGuestDatabase), 1);
        PracticeRig::click(screen, "Command1");
        QVERIFY(!PracticeRig::answer(screen, 0)->isReadOnly());
        QVERIFY(PracticeRig::text(screen, "ans1_0").isEmpty());
        PracticeRig::click(screen, "Command3");
        QCOMPARE(rig->folder.recordCount(kGuestDatabase), 2);
    }

    // A screen left hidden reaches its time-up unseen and stores its sheet.
    void hiddenScreenTimesUp() {
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        PracticeRig::typeRightAnswers(PracticeKind::AdditionSubtraction, screen,
                                      {0, 1, 2, 3, 4, 5, 6});
        screen->hide();
        rig->tickAt(screen, QTime(10, 14, 59));
        QVERIFY(rig->messages->shown.isEmpty());
        rig->tickAt(screen, QTime(10, 15, 0));
        QCOMPARE(rig->messages->texts(),
                 (QStringList{kTimeUp,
                              QStringLiteral("Good Job.. but remember Practice makes perfect")}));
        QVERIFY(rig->messages->shown.first().title.isEmpty());
        QVERIFY(PracticeRig::answer(screen, 17)->isReadOnly());
        QVERIFY(!PracticeRig::countdown(screen)->isRunning());
        QCOMPARE(rig->folder.rows(kGuestDatabase),
                 (QList<QStringList>{{"2026-12-06", "7", "15", "Normal",
                                      category(PracticeKind::AdditionSubtraction)}}));
        // The check button after the time-up marks the same sheet but stores nothing more.
        PracticeRig::click(screen, "Command3");
        QCOMPARE(PracticeRig::text(screen, "Label29"), QStringLiteral("7"));
        QCOMPARE(rig->folder.recordCount(kGuestDatabase), 1);
    }

    void startFollowsSpeedAndLevel() {
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        rig->clock->setTime(QTime(10, 50, 0));
        PracticeRig::click(screen, "Command1");
        QCOMPARE(PracticeRig::text(screen, "Label7"), QStringLiteral("5"));
        rig->context.settings.speedMins = 2;
        PracticeRig::click(screen, "Command1");
        QCOMPARE(PracticeRig::text(screen, "Label7"), QStringLiteral("52"));
        QCOMPARE(PracticeRig::text(screen, "Label9"), QStringLiteral("2"));

        // "Normal" on the label puts back the Normal values the other screen changed.
        rig->context.settings.levels.addRange = 1000;
        PracticeRig::click(screen, "Command1");
        QCOMPARE(rig->context.settings.levels.addRange, 10);
        for (int k = 18; k < 36; ++k) QVERIFY(PracticeRig::operand(screen, k) <= 19);

        // Any other level keeps the parameters as they stand.
        rig->context.settings.levels = {100, -100, 1000, 0, 0, 0, 0};
        PracticeRig::label(screen, "Label11")->setText(QStringLiteral("Super Difficult"));
        PracticeRig::click(screen, "Command1");
        for (int i = 0; i < 9; ++i) QVERIFY(PracticeRig::operand(screen, 2 * i) < 0);
        QCOMPARE(rig->context.settings.levels.addRange, 1000);
    }

    void mulDivLoadSetsSharedParameters() {
        rig->context.settings.levels = {100, -100, 1000, 0, 7, 7, 7};
        rig->open(PracticeKind::MultiplicationDivision);
        QCOMPARE(rig->context.settings.levels, (LevelParameters{10, 10, 10, 0, 0, 0, 1}));
        rig->open(PracticeKind::AdditionSubtraction);
        QCOMPARE(rig->context.settings.levels, (LevelParameters{10, 10, 10, 0, 0, 0, 1}));
    }

    // The date label goes into the record; in any locale it is read back as the day.
    void dateLabelInTheRecord() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        rig->clock->set(QDateTime(QDate(2027, 3, 9), QTime(10, 1, 2)));
        PracticeRig::countdown(screen)->tick();
        QCOMPARE(PracticeRig::text(screen, "Label2"), QStringLiteral("09.03.2027"));
        QCOMPARE(PracticeRig::text(screen, "Label5"), QStringLiteral("10:01:02"));
        QCOMPARE(PracticeRig::text(screen, "Label6"), QStringLiteral("1"));
        // Stopped, the label keeps the day it last showed.
        rig->clock->set(QDateTime(QDate(2027, 3, 10), QTime(0, 0, 1)));
        PracticeRig::click(screen, "Command3");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(rig->folder.rows(kGuestDatabase).value(0).value(0), QStringLiteral("2027-03-09"));
    }

    void checkBeforeTheFirstTickStoresToday() {
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        QVERIFY(PracticeRig::text(screen, "Label2").isEmpty());
        PracticeRig::click(screen, "Command3");
        QCOMPARE(rig->folder.rows(kGuestDatabase).value(0).value(0), QStringLiteral("2026-12-06"));
    }

    // A record that cannot be stored is reported; the marked sheet stays and a
    // later check stores it once the database is back.
    void failedStoreIsReported() {
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        PracticeRig::typeRightAnswers(PracticeKind::AdditionSubtraction, screen, {0});
        QVERIFY(QFile::remove(rig->folder.path(kGuestDatabase)));
        PracticeRig::click(screen, "Command3");
        QCOMPARE(rig->messages->shown.size(), 2);
        const QString failure = rig->messages->shown[1].text;
        QVERIFY2(failure.contains(rig->folder.path(kGuestDatabase)), qPrintable(failure));
        QCOMPARE(PracticeRig::text(screen, "Label29"), QStringLiteral("1"));
        QVERIFY(PracticeRig::answer(screen, 1)->isReadOnly());

        rig->folder.makeUserDatabase(QStringLiteral("Guest"));
        PracticeRig::click(screen, "Command3");
        QCOMPARE(rig->folder.rows(kGuestDatabase).value(0).value(1), QStringLiteral("1"));
    }

    void unopenableDatabaseAtCreation() {
        rig->folder.writeFile(kGuestDatabase, "this is not a database");
        QWidget* screen = rig->open(PracticeKind::MultiplicationDivision);
        QCOMPARE(rig->messages->shown.size(), 1);
        QVERIFY(rig->messages->shown[0].text.contains(rig->folder.path(kGuestDatabase)));
        PracticeRig::click(screen, "Command1");
        PracticeRig::click(screen, "Command3");
        QCOMPARE(PracticeRig::text(screen, "Label29"), QStringLiteral("0"));
        QCOMPARE(rig->messages->shown.size(), 3);  // the award, then the failed store
    }

    void endingTheProgram_data() { addKinds(); }
    void endingTheProgram() {
        QFETCH(PracticeKind, kind);
        QWidget* screen = rig->open(kind);
        PracticeRig::click(screen, "Command3");
        PracticeRig::click(screen, "Command5");
        QCOMPARE(rig->endRequests, 1);
        PracticeRig::trigger(screen, "mnuexiitem");
        QCOMPARE(rig->endRequests, 2);
        screen->close();
        QCOMPARE(rig->endRequests, 3);
        rig->context.screens.destroy(screenIdOf(kind));
        QCOMPARE(rig->folder.recordCount(kGuestDatabase), 1);
    }

    // The printer prints the window itself; the screen tells where a PDF went or what failed.
    void printReportsTheOutcome() {
        QWidget* screen = rig->open(PracticeKind::AdditionSubtraction);
        auto* printer = PracticeRig::install<RecordingPrinter>(rig->context.printer);
        printer->outcome.savedPdf = QStringLiteral("/data/Brenlo print.pdf");
        PracticeRig::click(screen, "Command4");
        printer->outcome = {{}, QStringLiteral("Could not print on the printer \"office\".")};
        PracticeRig::click(screen, "Command4");
        QCOMPARE(printer->printed, (QList<QWidget*>{screen, screen}));
        QCOMPARE(rig->messages->texts(),
                 (QStringList{QStringLiteral("No printer is set up, so the page was saved as "
                                             "\"/data/Brenlo print.pdf\"."),
                              QStringLiteral("Could not print on the printer \"office\".")}));
    }

    void mainMenuOpensThePracticeScreen() {
        provideAppScreens(rig->context);
        rig->folder.writeSettings(QStringLiteral("Guest"));
        QWidget* menu = rig->context.screens.show(ScreenId::MainMenu);
        menu->findChild<QPushButton*>("Command3")->click();
        QWidget* screen = rig->context.screens.find(ScreenId::MulDivPractice);
        QVERIFY(screen && screen->isVisible() && !menu->isVisible());
        QCOMPARE(screen->windowTitle(),
                 QStringLiteral("The Brenlo Math Practice Program 2.5 -times and divide") +
                     QString(47, u' ') + QStringLiteral(" User: - Guest"));
    }

    void hintOpensTheTable() {
        provideAppScreens(rig->context);
        QWidget* screen = rig->open(PracticeKind::MultiplicationDivision);
        PracticeRig::click(screen, "Command6");
        QWidget* table = rig->context.screens.find(ScreenId::MultiplicationTable);
        QVERIFY(table && table->isVisible());
        QVERIFY(screen->isVisible());
        QVERIFY(PracticeRig::countdown(screen)->isRunning());
    }

private:
    std::unique_ptr<PracticeRig> rig;
};

QTEST_MAIN(TestPracticeScreen)
#include "test_practice_screen.moc"
