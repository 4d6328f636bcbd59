#include "practice/core/clock_texts.h"
#include "practice/core/countdown.h"
#include "support/fake_clock.h"

#include <QSignalSpy>
#include <QTest>

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

const QList<QDate> kDays = {QDate(2026, 12, 6), QDate(1999, 1, 31), QDate(2031, 7, 4),
                            QDate(2100, 2, 28), QDate(2000, 2, 29)};

}  // namespace

class TestCountdown : public QObject {
    Q_OBJECT
private slots:
    void endMinute() {
        QCOMPARE(endMinuteAfter(50, 15), 5);
        QCOMPARE(endMinuteAfter(0, 2), 2);
        QCOMPARE(endMinuteAfter(59, 20), 19);
        QCOMPARE(endMinuteAfter(45, 15), 0);
        QCOMPARE(endMinuteAfter(30, INT_MAX), 37);
    }

    void endsOnTheEndMinuteAcrossTheHour() {
        Rig rig(QTime(10, 50, 30));
        QCOMPARE(rig.countdown.arm(15), 5);
        QVERIFY(rig.countdown.isRunning());
        QVERIFY(!rig.tickAt(QTime(10, 55, 0)));
        QVERIFY(!rig.tickAt(QTime(11, 4, 59)));
        QVERIFY(rig.tickAt(QTime(11, 5, 0)));
        QCOMPARE(rig.ticks.count(), 3);
        QCOMPARE(rig.ticks.last().at(1).toInt(), 5);
    }

    // Only minutes count: a start late in a minute loses most of that minute.
    void minutesNotSeconds() {
        for (QTime started : {QTime(10, 0, 59), QTime(10, 0, 0)}) {
            Rig rig(started);
            rig.countdown.arm(2);
            QVERIFY(!rig.tickAt(QTime(10, 1, 59)));
            QVERIFY(rig.tickAt(QTime(10, 2, 0)));
        }
    }

    void stoppedCountdownNeverEnds() {
        Rig rig(QTime(10, 0, 0));
        rig.countdown.arm(5);
        rig.countdown.stop();
        QVERIFY(!rig.countdown.isRunning());
        QVERIFY(!rig.tickAt(QTime(10, 5, 0)));
        // Re-arming starts from the present minute, not the old end minute.
        rig.clock.setTime(QTime(10, 7, 0));
        QCOMPARE(rig.countdown.arm(5), 12);
        QVERIFY(!rig.tickAt(QTime(10, 5, 0)));
        QVERIFY(rig.tickAt(QTime(10, 12, 0)));
    }

    void timerTicksEverySecond() {
        Rig rig(QTime(10, 0, 0));
        rig.countdown.arm(15);
        QVERIFY(rig.ticks.wait(3000));
    }

    // The date label holds the date stored with a score, so it must read back as
    // the same day in any locale, with all four digits of the year.
    void dateLabelReadsBack_data() {
        QTest::addColumn<QString>("localeName");
        for (const char* name : {"en_US", "de_DE", "en_GB", "fr_FR", "ja_JP", "zh_CN", "ko_KR",
                                 "ar_EG", "fa_IR", "hi_IN", "he_IL", "ru_RU", "nl_NL", "th_TH"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void dateLabelReadsBack() {
        QFETCH(QString, localeName);
        const QLocale locale(localeName);
        for (const QDate& day : kDays) {
            const QString text = dateLabelText(day, locale);
            QVERIFY2(text.contains(locale.toString(day, QStringLiteral("yyyy"))), qPrintable(text));
            QCOMPARE(readDateLabel(text, locale), std::optional<QDate>(day));
        }
        QCOMPARE(readDateLabel(QString(), locale), std::nullopt);
    }

    void twoDigitYearFormsAreWidened() {
        QCOMPARE(dateLabelFormat(QLocale(QStringLiteral("en_US"))), QStringLiteral("M/d/yyyy"));
        QCOMPARE(dateLabelFormat(QLocale(QStringLiteral("de_DE"))), QStringLiteral("dd.MM.yyyy"));
    }

    void clockLabelHasSecondsAndNoZone() {
        const QTime time(14, 7, 9);
        QCOMPARE(clockLabelText(time, QLocale(QStringLiteral("en_US"))),
                 QStringLiteral("2:07:09 PM"));
        QCOMPARE(clockLabelText(time, QLocale(QStringLiteral("de_DE"))),
                 QStringLiteral("14:07:09"));
    }
};

QTEST_GUILESS_MAIN(TestCountdown)
#include "test_countdown.moc"
