#include "disk_audio_file.h"
#include "sound/core/audio_output.h"
#include "award_sounds/pcm_synth.h"
#include "award_sounds/wav_file.h"
#include "warning_log.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>
#include <csignal>
#include <cstring>
#include <memory>
#include <numbers>

// The system output through SDL's disk audio driver: real decoding, written to a file.
class TestAudioOutput : public QObject {
    Q_OBJECT

    static constexpr int kTimeoutMs = 15000;
    static constexpr double kToneSeconds = 20.0;

    QTemporaryDir temporary_;
    std::unique_ptr<WarningLog> warnings_;
    QString tone_;

    QString awardSound(const QString& name) const {
        return QDir(QStringLiteral(DATA_FOLDER)).filePath(QStringLiteral("sounds/") + name);
    }

    // SDL reads the file name when an output opens the device, at its first play.
    DiskAudioFile freshDiskFile(const QString& name) const {
        const QString path = temporary_.filePath(name + QStringLiteral(".raw"));
        QFile::remove(path);
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path));
        return DiskAudioFile(path);
    }

    // Far longer than any wait below, so that only a cut can silence it in time.
    QString writeTone() const {
        std::vector<std::int16_t> samples(static_cast<std::size_t>(kToneSeconds * kSampleRate));
        for (std::size_t i = 0; i < samples.size(); ++i) {
            samples[i] =
                static_cast<std::int16_t>(10000 * std::sin(2 * std::numbers::pi * 440 *
                                                           static_cast<double>(i) / kSampleRate));
        }
        const QString path = temporary_.filePath(QStringLiteral("tone.wav"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return {};
        file.write(wavFile(samples, kSampleRate));
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(temporary_.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
        tone_ = writeTone();
        QVERIFY(!tone_.isEmpty());
    }

    void init() { warnings_ = std::make_unique<WarningLog>(); }
    void cleanup() { warnings_.reset(); }

    void playsEachAwardSound_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"not-good.wav", "good-job.mid", "excellent.mp3", "impressive.mid", "perfect.wav"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void playsEachAwardSound() {
        QFETCH(QString, name);
        const DiskAudioFile disk = freshDiskFile(name);
        {
            const auto output = makeSystemAudioOutput();
            output->play(awardSound(name));
            QTRY_VERIFY_WITH_TIMEOUT(disk.soundEndedAfter(0, 0.5), kTimeoutMs);
        }
        const double seconds = disk.audibleSeconds();
        QVERIFY2(seconds > 0.5 && seconds < 4.0, qPrintable(QString::number(seconds)));
        QVERIFY2(disk.peak() > 3000, "too quiet");
        QVERIFY2(disk.peak() < 32767, "clipped");
        QVERIFY(warnings_->messages().isEmpty());
    }

    void aSecondPlayCutsOffTheFirst() {
        const DiskAudioFile disk = freshDiskFile(QStringLiteral("cut"));
        const auto output = makeSystemAudioOutput();
        output->play(tone_);
        QTRY_VERIFY_WITH_TIMEOUT(disk.soundAfter(0), kTimeoutMs);
        output->play(awardSound(QStringLiteral("not-good.wav")));
        QTRY_VERIFY_WITH_TIMEOUT(disk.soundEndedAfter(0, 0.5), kTimeoutMs);
    }

    // SDL takes over stop signals that nobody handles; the program would then ignore them.
    void leavesTheProgramsStopSignalsAlone() {
        const std::array stopSignals{SIGINT, SIGTERM};
        std::array<struct sigaction, stopSignals.size()> testRunners{};
        struct sigaction unhandled {};
        unhandled.sa_handler = SIG_DFL;
        for (std::size_t i = 0; i < stopSignals.size(); ++i) {
            QCOMPARE(sigaction(stopSignals[i], &unhandled, &testRunners[i]), 0);
        }
        const auto restore = qScopeGuard([&] {
            for (std::size_t i = 0; i < stopSignals.size(); ++i) {
                sigaction(stopSignals[i], &testRunners[i], nullptr);
            }
        });

        const DiskAudioFile disk = freshDiskFile(QStringLiteral("signals"));
        const auto output = makeSystemAudioOutput();
        output->play(awardSound(QStringLiteral("perfect.wav")));
        QTRY_VERIFY_WITH_TIMEOUT(disk.soundAfter(0), kTimeoutMs);
        for (const int stopSignal : stopSignals) {
            struct sigaction action {};
            sigaction(stopSignal, nullptr, &action);
            QVERIFY2(action.sa_handler == SIG_DFL, strsignal(stopSignal));
        }
    }

    // A bad play cuts off the tone before it: its silence shows that the play was handled.
    void badPathsAreLoggedOnceAndLaterPlaysStillSound() {
        const QString missing = temporary_.filePath(QStringLiteral("missing.wav"));
        QStringList garbage;
        for (const QString& name : {QStringLiteral("garbage.wav"), QStringLiteral("garbage.mid"),
                                    QStringLiteral("garbage.mp3")}) {
            QFile file(temporary_.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("This is not a sound, only some words.\n");
            garbage << file.fileName();
        }
        const QStringList bad = QStringList{QString(), missing} + garbage;

        const DiskAudioFile disk = freshDiskFile(QStringLiteral("bad"));
        const auto output = makeSystemAudioOutput();
        for (int round = 0; round < 2; ++round) {
            for (const QString& path : bad) {
                const qsizetype toneStart = disk.size();
                output->play(tone_);
                QTRY_VERIFY_WITH_TIMEOUT(disk.soundAfter(toneStart), kTimeoutMs);
                output->play(path);
                QTRY_VERIFY2_WITH_TIMEOUT(disk.soundEndedAfter(toneStart, 0.5), qPrintable(path),
                                          kTimeoutMs);
            }
        }
        const qsizetype mark = disk.size();
        output->play(awardSound(QStringLiteral("perfect.wav")));
        QTRY_VERIFY_WITH_TIMEOUT(disk.soundAfter(mark), kTimeoutMs);

        QCOMPARE(warnings_->messages().size(), bad.size());
        for (const QString& path : bad.mid(1)) QCOMPARE(warnings_->count(path), 1);
    }
};

QTEST_GUILESS_MAIN(TestAudioOutput)
#include "test_audio_output.moc"
