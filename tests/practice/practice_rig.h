#pragma once

#include "app/app_context.h"
#include "practice/core/countdown.h"
#include "practice/core/practice_kind.h"
#include "practice/practice_screens.h"
#include "support/fake_clock.h"
#include "support/scripted_message_boxes.h"
#include "support/test_data_folder.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(PracticeKind)

// One row per practice screen, for data-driven tests.
inline void addKinds() {
    QTest::addColumn<PracticeKind>("kind");
    QTest::newRow("Form1") << PracticeKind::AdditionSubtraction;
    QTest::newRow("Form2") << PracticeKind::MultiplicationDivision;
}

// Records what would have been played.
class RecordingAudio final : public AudioOutput {
public:
    void play(const QString& filePath) override { played.append(filePath); }
    QStringList played;
};

// A data folder with the user "Guest" and the practice screens provided, every
// outside thing replaced: the clock stands at 10:00:00 on 6 December 2026.
struct PracticeRig {
    PracticeRig() : context(folder.dir()) {
        folder.makeUserDatabase(QStringLiteral("Guest"));
        context.settings.stored.userName = QStringLiteral("Guest");
        for (int award = 0; award < 5; ++award)
            context.settings.stored.awardSoundPaths[award] =
                QStringLiteral("sounds/award%1").arg(award);
        messages = install<ScriptedMessageBoxes>(context.messages);
        clock = install<FakeClock>(context.clock);
        audio = install<RecordingAudio>(context.audio);
        context.endProgram = [this] { ++endRequests; };
        providePracticeScreens(context);
    }

    template <typename Fake, typename Seam>
    static Fake* install(std::unique_ptr<Seam>& seam) {
        auto fake = std::make_unique<Fake>();
        Fake* raw = fake.get();
        seam = std::move(fake);
        return raw;
    }

    QWidget* open(PracticeKind kind) { return context.screens.show(screenIdOf(kind)); }

    static QLabel* label(QWidget* screen, const QString& name) {
        return screen->findChild<QLabel*>(name);
    }
    static QString text(QWidget* screen, const QString& name) {
        return label(screen, name)->text();
    }
    static QLineEdit* answer(QWidget* screen, int i) {
        return screen->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    static int operand(QWidget* screen, int k) {
        return text(screen, QStringLiteral("num1_%1").arg(k)).toInt();
    }
    static void click(QWidget* screen, const QString& button) {
        screen->findChild<QPushButton*>(button)->click();
    }
    static void trigger(QWidget* screen, const char* menuItem) {
        screen->findChild<QAction*>(menuItem)->trigger();
    }
    static Countdown* countdown(QWidget* screen) { return screen->findChild<Countdown*>(); }

    // The right answer of problem i, worked out from the operands on the screen.
    static int rightAnswer(PracticeKind kind, QWidget* screen, int i) {
        const int top = operand(screen, 2 * i), bottom = operand(screen, 2 * i + 1);
        if (kind == PracticeKind::AdditionSubtraction) return i < 9 ? top - bottom : top + bottom;
        return i < 9 ? top / bottom : top * bottom;
    }
    // Types the right answer into the given problems, as a child would.
    static void typeRightAnswers(PracticeKind kind, QWidget* screen, const QList<int>& problems) {
        for (int i : problems)
            QTest::keyClicks(answer(screen, i), QString::number(rightAnswer(kind, screen, i)));
    }

    void tickAt(QWidget* screen, QTime time) {
        clock->setTime(time);
        countdown(screen)->tick();
    }

    TestDataFolder folder;
    AppContext context;
    ScriptedMessageBoxes* messages = nullptr;
    FakeClock* clock = nullptr;
    RecordingAudio* audio = nullptr;
    int endRequests = 0;
};
