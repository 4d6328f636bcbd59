#include "practice/core/countdown.h"
#include "scores/core/date_texts.h"
#include "support/fake_clock.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <climits>

namespace {

// A countdown on a clock that stands still until a tick moves it.
struct Rig {
    explicit Rig(QTime now) : clock(QDateTime(QDate(2026, 12, 6), now)) {}

    // Moves the clock to `time` and ticks; true when that tick was the time-up.
    bool tickAt(QTime time) {
        clock.setTime(time);
        const qsizetype before = timeUps.count();
        countdown.tick();
        return timeUps.count() > before;
    }

    FakeClock clock;
    Countdown countdown{clock, nullptr};
    QSignalSpy timeUps{&countdown, &Countdown::timeUp};
    QSignalSpy ticks{&countdown, &Countdown::ticked};
};

}  // namespace

class TestCountdown : public QObject {
    Q_OBJECT
private slots:
    // It ticks every second, but only minutes count, across the hour too, so a start late in a
    // minute loses most of it; re-arming counts from the present minute, and a stopped
    // countdown ends nothing.
    void endsOnTheEndMinute() {
        Rig rig(QTime(10, 50, 30));
        QCOMPARE(rig.countdown.arm(15), 5);
        QCOMPARE(rig.countdown.findChild<QTimer*>()->interval(), 1000);
        QVERIFY(!rig.tickAt(QTime(10, 55, 0)));
        QVERIFY(!rig.tickAt(QTime(11, 4, 59)));
        QVERIFY(rig.tickAt(QTime(11, 5, 0)));
        QCOMPARE(rig.ticks.count(), 3);
        QCOMPARE(rig.ticks.last().at(1).toInt(), 5);
        QCOMPARE(Rig(QTime(10, 45)).countdown.arm(15), 0);
        QCOMPARE(Rig(QTime(10, 30)).countdown.arm(INT_MAX), 37);
        rig.clock.setTime(QTime(11, 0, 59));
        QCOMPARE(rig.countdown.arm(2), 2);
        QVERIFY(!rig.tickAt(QTime(11, 1, 59)));
        QVERIFY(rig.tickAt(QTime(11, 2, 0)));
        rig.countdown.arm(5);
        rig.countdown.stop();
        QVERIFY(!rig.tickAt(QTime(11, 7, 0)));
    }

    // The date label holds the day stored with a score, so it reads back as the same day
    // in any locale, with all four digits of the year.
    void dateLabelReadsBack_data() {
        QTest::addColumn<QString>("localeName");
        for (const char* name : {"en_US", "ja_JP", "ar_EG", "fa_IR", "hi_IN", "th_TH"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void dateLabelReadsBack() {
        QFETCH(QString, localeName);
        const QLocale locale(localeName);
        for (const QDate day : {QDate(2026, 12, 6), QDate(1999, 1, 31), QDate(2100, 2, 28)}) {
            const QString text = dateLabelText(day, locale);
            QVERIFY2(text.contains(locale.toString(day, QStringLiteral("yyyy"))), qPrintable(text));
            QCOMPARE(readDateLabel(text, locale), std::optional<QDate>(day));
        }
        QCOMPARE(readDateLabel(QString(), locale), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestCountdown)
#include "test_countdown.moc"
