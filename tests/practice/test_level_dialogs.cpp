#include "practice_rig.h"

#include "app/app_screens.h"
#include "practice/practice_titles.h"
#include "support/scripted_random.h"

#include <QPointer>

namespace {

constexpr auto kAddSub = PracticeKind::AdditionSubtraction;
constexpr auto kMulDiv = PracticeKind::MultiplicationDivision;

bool answersLocked(QWidget* screen, bool locked) {
    for (int i = 0; i < kProblemCount; ++i)
        if (PracticeRig::answer(screen, i)->isReadOnly() != locked) return false;
    return true;
}

// Frozen: countdown stopped and every answer box locked; open: the opposite.
bool frozen(QWidget* screen) {
    return !PracticeRig::countdown(screen)->isRunning() && answersLocked(screen, true);
}
bool open(QWidget* screen) {
    return PracticeRig::countdown(screen)->isRunning() && answersLocked(screen, false);
}

QList<int> operands(QWidget* screen) {
    QList<int> values;
    for (int k = 0; k < kOperandCount; ++k) values.append(PracticeRig::operand(screen, k));
    return values;
}

struct Operands {
    int top, bottom, firstAddend;  // operands 0, 1 and 18
    bool operator==(const Operands&) const = default;
};

char* toString(const Operands& operands) {
    return QTest::toString(QStringLiteral("{%1, %2, %3}")
                               .arg(operands.top)
                               .arg(operands.bottom)
                               .arg(operands.firstAddend));
}

}  // namespace

Q_DECLARE_METATYPE(Operands)

class TestLevelDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { rig = std::make_unique<PracticeRig>(); }
    void cleanup() { rig.reset(); }

    // A dialog freezes the sheet when it is made, not when a hidden one is shown
    // again; a check destroys the Speed dialog, so the next one freezes again.
    void freezeOnlyWhenADialogIsMade() {
        QWidget* screen = rig->open(kAddSub);
        QVERIFY(open(screen));
        PracticeRig::trigger(screen, "mnuspditem");
        QWidget* speed = find(ScreenId::Speed);
        QVERIFY(speed->isVisible());
        QCOMPARE(speed->windowTitle(), QStringLiteral("Speed/Timing Set"));
        QCOMPARE(PracticeRig::text(speed, "Label1"), QStringLiteral("PICK ONE"));
        QVERIFY(frozen(screen));

        PracticeRig::click(screen, "Command1");
        QVERIFY(open(screen));
        PracticeRig::trigger(screen, "mnuspditem");
        QVERIFY(open(screen));

        PracticeRig::click(speed, "Command6");
        QVERIFY(!speed->isVisible());
        QCOMPARE(find(ScreenId::Speed), speed);
        QWidget* difficulty = find(ScreenId::FiveLevelDifficulty);
        QVERIFY(difficulty->isVisible());
        QVERIFY(frozen(screen));
        PracticeRig::click(difficulty, "Command3");
        PracticeRig::click(screen, "Command1");
        PracticeRig::trigger(screen, "mnuspditem");
        QCOMPARE(find(ScreenId::Speed), speed);
        QVERIFY(speed->isVisible());
        QVERIFY(open(screen));

        PracticeRig::click(screen, "Command3");
        QCOMPARE(find(ScreenId::Speed), nullptr);
        PracticeRig::click(screen, "Command1");
        PracticeRig::trigger(screen, "mnuspditem");
        QVERIFY(find(ScreenId::Speed) != speed);
        QVERIFY(frozen(screen));

        // Escape closes it as its frame does, and that destroys it too.
        QPointer<QWidget> closed = find(ScreenId::Speed);
        QTest::keyClick(closed, Qt::Key_Escape);
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(find(ScreenId::Speed), nullptr);
    }

    void speedChoiceReachesBothScreens_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("message");
        QTest::newRow("Slowest") << "Command1" << 20
                                 << "Your time is about 20 mintues, close this windows, and hit "
                                    "start when ready";
        QTest::newRow("Fastest")
            << "Command5" << 2
            << "Your time is about 2 mintues, close this windows, and start when ready";
    }
    // The other screen is made hidden to carry the speed, with no countdown until
    // it is first shown; the running sheet stays frozen until Start.
    void speedChoiceReachesBothScreens() {
        QFETCH(QString, button);
        QFETCH(int, minutes);
        QFETCH(QString, message);
        rig->clock->setTime(QTime(10, 50));
        QWidget* addSub = rig->open(kAddSub);
        PracticeRig::trigger(addSub, "mnuspditem");
        QWidget* speed = find(ScreenId::Speed);
        PracticeRig::click(speed, button);
        const QString text = QString::number(minutes);
        QCOMPARE(PracticeRig::text(speed, "Label1"), message);
        QCOMPARE(PracticeRig::text(speed, "Label2"), text);
        QCOMPARE(rig->context.settings.speedMins, minutes);
        QCOMPARE(PracticeRig::text(addSub, "Label9"), text);
        QVERIFY(frozen(addSub));
        QCOMPARE(PracticeRig::text(addSub, "Label7"), QStringLiteral("5"));

        QWidget* mulDiv = find(ScreenId::MulDivPractice);
        QVERIFY(mulDiv && !mulDiv->isVisible());
        QCOMPARE(PracticeRig::text(mulDiv, "Label9"), text);
        QCOMPARE(PracticeRig::text(mulDiv, "Label11"), QStringLiteral("Normal"));
        QVERIFY(!PracticeRig::countdown(mulDiv)->isRunning());

        PracticeRig::click(addSub, "Command1");
        QCOMPARE(PracticeRig::text(addSub, "Label7"), QString::number((50 + minutes) % 60));

        rig->clock->setTime(QTime(11, 30));
        PracticeRig::trigger(addSub, "mnuMadItem");
        QVERIFY(mulDiv->isVisible());
        QVERIFY(open(mulDiv));
        QCOMPARE(PracticeRig::text(mulDiv, "Label7"), QString::number((30 + minutes) % 60));
        QCOMPARE(rig->folder.recordCount(QStringLiteral("Guest.mdb")), 0);
    }

    // Each screen keeps its sheet, answers and running countdown while the other is shown.
    void switchesKeepEachScreensSheet() {
        QWidget* addSub = rig->open(kAddSub);
        const QList<int> addSubSheet = operands(addSub);
        QTest::keyClicks(PracticeRig::answer(addSub, 0), QStringLiteral("7"));
        rig->context.settings.stored.userName = QStringLiteral("Ann");

        PracticeRig::trigger(addSub, "mnuMadItem");
        QWidget* mulDiv = find(ScreenId::MulDivPractice);
        QVERIFY(!addSub->isVisible() && mulDiv->isVisible());
        QCOMPARE(mulDiv->windowTitle(),
                 practiceWindowTitle(PracticeKind::MultiplicationDivision, QStringLiteral("Ann")));
        QVERIFY(open(addSub) && open(mulDiv));
        const QList<int> mulDivSheet = operands(mulDiv);

        PracticeRig::trigger(mulDiv, "mnuBasItem");
        QVERIFY(addSub->isVisible() && !mulDiv->isVisible());
        QCOMPARE(addSub->windowTitle(),
                 practiceWindowTitle(PracticeKind::AdditionSubtraction, QStringLiteral("Ann")));
        QCOMPARE(operands(addSub), addSubSheet);
        QCOMPARE(PracticeRig::answer(addSub, 0)->text(), QStringLiteral("7"));
        QVERIFY(open(addSub) && open(mulDiv));

        PracticeRig::trigger(addSub, "mnuMadItem");
        QCOMPARE(find(ScreenId::MulDivPractice), mulDiv);
        QCOMPARE(operands(mulDiv), mulDivSheet);
    }

    // Five-level after the addition/subtraction screen or when no practice screen
    // is visible, four-level after the multiplication/division one; a dialog made
    // from that screen freezes it and makes nothing else.
    void closeButtonPicksTheDifficultyDialog() {
        QWidget* mulDiv = rig->open(kMulDiv);
        PracticeRig::trigger(mulDiv, "mnuspdItem");
        QVERIFY(frozen(mulDiv));
        QWidget* speed = find(ScreenId::Speed);
        PracticeRig::click(speed, "Command6");
        QVERIFY(find(ScreenId::FourLevelDifficulty)->isVisible());
        QCOMPARE(find(ScreenId::FiveLevelDifficulty), nullptr);
        find(ScreenId::FourLevelDifficulty)->close();

        mulDiv->hide();
        rig->context.screens.show(ScreenId::Speed);
        PracticeRig::click(speed, "Command6");
        QVERIFY(find(ScreenId::FiveLevelDifficulty)->isVisible());
        QCOMPARE(find(ScreenId::AddSubPractice), nullptr);
    }

    void eachLevelDrawsItsNextSheet_data() {
        QTest::addColumn<PracticeKind>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Operands>("lowest");
        QTest::addColumn<Operands>("highest");
        const auto row = [](const char* name, PracticeKind kind, const char* button,
                            const char* level, const char* message, Operands lowest,
                            Operands highest) {
            QTest::newRow(name) << kind << QString(button) << QString(level) << QString(message)
                                << lowest << highest;
        };
        row("MDff Easy", kAddSub, "Command2", "Easy", "Easy, hit start when ready", {10, 0, 2},
            {19, 9, 11});
        row("MDff Normal", kAddSub, "Command3", "Normal", "Normal, hit start when ready",
            {10, 0, 10}, {19, 9, 19});
        row("MDff Difficult", kAddSub, "Command4", "Difficult", "Dfficult, hit start when ready",
            {100, 0, 200}, {199, 99, 299});
        row("MDff More Difficult", kAddSub, "Command5", "More Difficult",
            "More Difficult, hit start when ready", {-10, 0, -10}, {89, 99, 989});
        row("MDff Super Difficult", kAddSub, "Command6", "Super Difficult",
            "Super Difficult, hit start when ready", {-100, 0, -100}, {-1, 99, 899});
        row("Madff Normal", kMulDiv, "Command1", "Normal", "Normal, hit start when ready",
            {0, 2, 0}, {18, 2, 9});
        row("Madff Difficult", kMulDiv, "Command2", "Difficult", "Difficult, hit start when ready",
            {0, 12, 10}, {108, 12, 19});
        row("Madff More Difficult", kMulDiv, "Command3", "More Difficult",
            "More Difficult, hit start when ready", {0, 102, 10}, {918, 102, 109});
        row("Madff Super Difficult", kMulDiv, "Command5", "Super Difficult",
            "Super Difficult, hit start when ready", {0, 102, -25}, {918, 102, 74});
    }
    // A choice writes the level label and its message and closes its dialog; the
    // next Start draws from the level's ranges, shown at the lowest and highest draws.
    void eachLevelDrawsItsNextSheet() {
        QFETCH(PracticeKind, kind);
        QFETCH(QString, button);
        QFETCH(QString, level);
        QFETCH(QString, message);
        QFETCH(Operands, lowest);
        QFETCH(Operands, highest);
        QWidget* screen = rig->open(kind);
        PracticeRig::trigger(screen, "mnudifitem");
        const ScreenId id = difficultyDialogIdOf(kind);
        QWidget* dialog = find(id);
        QCOMPARE(dialog->objectName(), kind == kAddSub ? "MDff" : "Madff");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Difficulty Level Set"));
        QCOMPARE(PracticeRig::text(dialog, "Label1"),
                 kind == kAddSub ? "Pick your difficulty" : "Pick Your Difficult");
        QVERIFY(frozen(screen));

        QPointer<QLabel> prompt = PracticeRig::label(dialog, "Label1");
        PracticeRig::click(dialog, button);
        QCOMPARE(prompt->text(), message);
        QCOMPARE(find(id), nullptr);
        QVERIFY(!dialog->isVisible());
        QTRY_VERIFY(prompt.isNull());
        QCOMPARE(PracticeRig::text(screen, "Label11"), level);
        QVERIFY(frozen(screen));

        QCOMPARE(startWithDraws(screen, 0.0f), lowest);
        QCOMPARE(startWithDraws(screen, 0.99999f), highest);
        QVERIFY(open(screen));
    }

    // addRange is one value for both screens, and making the multiplication/division
    // screen resets the addition/subtraction ranges and the speed whatever its labels say.
    void rangesAreSharedBetweenTheScreens() {
        QWidget* addSub = rig->open(kAddSub);
        PracticeRig::trigger(addSub, "mnudifitem");
        PracticeRig::click(find(ScreenId::FiveLevelDifficulty), "Command4");
        PracticeRig::trigger(addSub, "mnuMadItem");
        QCOMPARE(rig->context.settings.speedMins, 15);
        QWidget* mulDiv = find(ScreenId::MulDivPractice);
        PracticeRig::trigger(mulDiv, "mnudifitem");
        PracticeRig::click(find(ScreenId::FourLevelDifficulty), "Command3");
        PracticeRig::trigger(mulDiv, "mnuBasItem");

        QCOMPARE(PracticeRig::text(addSub, "Label11"), QStringLiteral("Difficult"));
        const Operands highest = startWithDraws(addSub, 0.99999f);
        QCOMPARE(highest.top, 19);
        QCOMPARE(highest.firstAddend, 100 + 10 + 99);
        QCOMPARE(PracticeRig::text(addSub, "Label9"), QStringLiteral("15"));
    }

    void menuItemsReachTheInformationFeatures_data() { addKinds(); }
    void menuItemsReachTheInformationFeatures() {
        QFETCH(PracticeKind, kind);
        provideAppScreens(rig->context);
        auto* launcher = PracticeRig::install<RecordingLauncher>(rig->context.launcher);
        QWidget* screen = rig->open(kind);
        const bool addSub = kind == kAddSub;

        PracticeRig::trigger(screen, addSub ? "mnuProgItem" : "mnuProitem");
        QWidget* about = find(ScreenId::About);
        QVERIFY(about->isVisible());
        const char* helpItem = addSub ? "mnuhlpItem" : "mnuhlpitem";
        PracticeRig::trigger(screen, helpItem);
        QWidget* help = find(ScreenId::Help);
        QVERIFY(help->isVisible());
        PracticeRig::trigger(screen, helpItem);
        QCOMPARE(find(ScreenId::Help), help);
        PracticeRig::trigger(screen, addSub ? "mnuProgItem" : "mnuProitem");
        QCOMPARE(find(ScreenId::About), about);

        PracticeRig::click(help, "Command1");
        QTRY_COMPARE(find(ScreenId::Help), nullptr);
        QVERIFY(screen->isVisible() && open(screen));

        PracticeRig::trigger(screen, addSub ? "mnuItemSre" : "mnusreItem");
        QCOMPARE(rig->messages->shown.size(), 1);
        QCOMPARE(rig->messages->shown[0].text,
                 QStringLiteral("Windows 95/98/NT/2000, with at least 800X600 Resolution"));
        QCOMPARE(rig->messages->shown[0].title, QStringLiteral("System Requirement"));

        const char* releaseNotes = addSub ? "mnubugitem" : "mnurelItem";
        PracticeRig::trigger(screen, releaseNotes);
        PracticeRig::trigger(screen, releaseNotes);
        const QString notes = rig->folder.path(QStringLiteral("rel.txt"));
        const QStringList opened{notes, notes};
        QCOMPARE(launcher->opened, opened);
        QCOMPARE(launcher->workingFolder, rig->folder.dir().absolutePath());
        launcher->error = QStringLiteral("\"xdg-open\" could not be started: no such program");
        PracticeRig::trigger(screen, releaseNotes);
        QCOMPARE(rig->messages->shown.size(), 2);
        QCOMPARE(rig->messages->shown[1].text,
                 QStringLiteral("The release notes \"%1\" could not be opened: %2")
                     .arg(notes, *launcher->error));

        // Their screens come later; until then these items do nothing.
        PracticeRig::trigger(screen, addSub ? "mnuitemRSS" : "mnuItemRSS");
        PracticeRig::trigger(screen, addSub ? "mnufileitem" : "mnufilitem");
        QCOMPARE(rig->messages->shown.size(), 2);
        QVERIFY(screen->isVisible() && open(screen));
    }

private:
    class RecordingLauncher final : public ProgramLauncher {
    public:
        std::optional<QString> openInTextEditor(const QString& filePath,
                                                const QString& folder) override {
            opened.append(filePath);
            workingFolder = folder;
            return error;
        }
        QStringList opened;
        QString workingFolder;
        std::optional<QString> error;
    };

    QWidget* find(ScreenId id) const { return rig->context.screens.find(id); }

    Operands startWithDraws(QWidget* screen, float fraction) {
        PracticeRig::install<ScriptedRandom>(rig->context.random)->fractions =
            QList<float>(kOperandCount, fraction);
        PracticeRig::click(screen, "Command1");
        return {PracticeRig::operand(screen, 0), PracticeRig::operand(screen, 1),
                PracticeRig::operand(screen, 18)};
    }

    std::unique_ptr<PracticeRig> rig;
};

QTEST_MAIN(TestLevelDialogs)
#include "test_level_dialogs.moc"
