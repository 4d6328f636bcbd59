#pragma once

#include "app/app_context.h"
#include "practice/core/countdown.h"
#include "practice/practice_screens.h"
#include "scores/core/practice_kind.h"
#include "support/fake_clock.h"
#include "support/fakes.h"
#include "support/scripted_random.h"
#include "support/test_data_folder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(PracticeKind)
Q_DECLARE_METATYPE(ScreenId)

// The program on a fresh data folder, its screens provided as main() provides them and
// every outside thing replaced; the clock stands at 10:00:00 on 6 December 2026.
// Controls are found by their names.
class TestApp {
public:
    TestApp();
    // As a user finds it: a settings file naming `user`, read as at start-up, and the
    // user's empty database.
    explicit TestApp(const QString& user);

    template <typename Fake, typename Seam>
    static Fake* install(std::unique_ptr<Seam>& seam) {
        auto fake = std::make_unique<Fake>();
        Fake* raw = fake.get();
        seam = std::move(fake);
        return raw;
    }

    QWidget* show(ScreenId id) { return context.screens.show(id); }
    QWidget* find(ScreenId id) const { return context.screens.find(id); }
    bool isVisible(ScreenId id) const { return context.screens.isVisible(id); }
    QWidget* open(PracticeKind kind) { return show(screenIdOf(kind)); }
    // Every later draw of the sheets gives `fraction`.
    ScriptedRandom* drawAt(float fraction);
    // Moves the clock to `time` and lets the screen's countdown tick once.
    void tickAt(QWidget* screen, QTime time);

    // The control of that name; a missing one ends the run naming it.
    template <typename Control = QWidget>
    static Control* control(const QObject* window, const QString& name) {
        auto* found = window->findChild<Control*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    static QString text(const QWidget* w, const QString& label) {
        return control<QLabel>(w, label)->text();
    }
    static void click(const QWidget* w, const QString& name) {
        control<QPushButton>(w, name)->click();
    }
    static void trigger(const QWidget* w, const QString& name) {
        control<QAction>(w, name)->trigger();
    }

    // A practice screen's sheet, as a child sees it.
    static QLineEdit* answer(const QWidget* screen, int i) {
        return control<QLineEdit>(screen, QStringLiteral("Text1_%1").arg(i));
    }
    static int operand(const QWidget* screen, int k) {
        return text(screen, QStringLiteral("num1_%1").arg(k)).toInt();
    }
    static Countdown* countdown(const QWidget* screen) { return control<Countdown>(screen, {}); }
    // Worked out from the operands on the screen.
    static int rightAnswer(const QWidget* screen, int problem);
    static void typeRightAnswers(const QWidget* screen, const QList<int>& problems);
    // Open: countdown running and every answer box open; frozen: stopped and all locked.
    static bool isOpen(const QWidget* screen) { return answersAre(screen, false); }
    static bool isFrozen(const QWidget* screen) { return answersAre(screen, true); }

    TestDataFolder folder;
    AppContext context{folder.dir()};
    ScriptedMessageBoxes* messages = install<ScriptedMessageBoxes>(context.messages);
    FakeClock* clock = install<FakeClock>(context.clock);
    RecordingAudio* audio = install<RecordingAudio>(context.audio);
    RecordingPrinter* printer = install<RecordingPrinter>(context.printer);
    RecordingLauncher* launcher = install<RecordingLauncher>(context.launcher);
    int endRequests = 0;

private:
    static bool answersAre(const QWidget* screen, bool locked);
};

// One row per practice screen.
void addKinds();
