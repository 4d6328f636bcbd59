#include "test_app.h"

#include "report/report_screens.h"
#include "startup.h"

TestApp::TestApp() {
    context.endProgram = [this] { ++endRequests; };
    provideAppScreens(context);
    providePracticeScreens(context);
    provideReportScreens(context);
    provideSoundScreens(context);
}

TestApp::TestApp(const QString& user) : TestApp() {
    folder.writeSettings(user);
    folder.makeUserDatabase(user);
    context.settingsOwner.load();
}

ScriptedRandom* TestApp::drawAt(float fraction) {
    ScriptedRandom* random = install<ScriptedRandom>(context.random);
    random->rest = fraction;
    return random;
}

void TestApp::tickAt(QWidget* screen, QTime time) {
    clock->setTime(time);
    countdown(screen)->tick();
}

int TestApp::rightAnswer(const QWidget* screen, int problem) {
    const int top = operand(screen, 2 * problem), bottom = operand(screen, 2 * problem + 1);
    const bool first = problem < 9;
    if (screen->objectName() == QStringLiteral("Form1")) return first ? top - bottom : top + bottom;
    return first ? top / bottom : top * bottom;
}

void TestApp::typeRightAnswers(const QWidget* screen, const QList<int>& problems) {
    for (const int i : problems)
        QTest::keyClicks(answer(screen, i), QString::number(rightAnswer(screen, i)));
}

bool TestApp::answersAre(const QWidget* screen, bool locked) {
    if (countdown(screen)->isRunning() == locked) return false;
    for (int i = 0; i < kProblemCount; ++i)
        if (answer(screen, i)->isReadOnly() != locked) return false;
    return true;
}

void addKinds() {
    QTest::addColumn<PracticeKind>("kind");
    QTest::newRow("Form1") << PracticeKind::AdditionSubtraction;
    QTest::newRow("Form2") << PracticeKind::MultiplicationDivision;
}
