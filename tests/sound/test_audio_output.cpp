#include "award_sounds/pcm_synth.h"
#include "award_sounds/wav_file.h"
#include "disk_audio.h"
#include "sound/core/audio_output.h"
#include "sound/core/sound_file_read.h"
#include "warning_log.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>
#include <cstring>
#include <numbers>

namespace {

// From the first audible sample after `from` to the last; the loudest goes to `peak`.
double audibleSeconds(const QString& path, std::size_t from = 0, int* peak = nullptr) {
    const std::vector<std::int16_t> all = samplesIn(path);
    std::size_t first = all.size(), last = 0;
    for (std::size_t i = from; i < all.size(); ++i) {
        if (peak) *peak = std::max(*peak, std::abs(int(all[i])));
        if (!audible(all[i])) continue;
        first = std::min(first, i);
        last = i;
    }
    return first < all.size() ? double(last - first) / kSamplesPerSecond : 0.0;
}

// Whether sound after `from` is followed by half a second of silence.
bool soundEnded(const QString& path, std::size_t from = 0) {
    const std::vector<std::int16_t> all = samplesIn(path);
    bool heard = false;
    std::size_t quiet = 0;
    for (std::size_t i = from; i < all.size(); ++i) {
        heard = heard || audible(all[i]);
        quiet = audible(all[i]) ? 0 : quiet + 1;
        if (heard && quiet >= kSamplesPerSecond / 2) return true;
    }
    return false;
}

}  // namespace

// The system output through SDL's disk audio driver: real decoding, written to a file.
class TestAudioOutput : public QObject {
    Q_OBJECT

    static constexpr int kTimeoutMs = 15000;
    // Far longer than any wait below, so that only a cut can end it in time.
    static constexpr double kToneSeconds = 60.0;

    QTemporaryDir temporary_;
    QString tone_;

    static QString awardSound(const char* name) {
        return QDir(QStringLiteral(DATA_FOLDER "/sounds")).filePath(QString::fromLatin1(name));
    }

    // SDL reads the file name when an output opens the device, at its first play.
    QString freshDiskFile(const QString& name) const {
        const QString path = temporary_.filePath(name + QStringLiteral(".raw"));
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path));
        return path;
    }

    // Plays the tone and then `path`, which must cut the tone off.
    void verifyCutsOffTheTone(AudioOutput& output, const QString& disk, const QString& path) const {
        const std::size_t toneStart = samplesIn(disk).size();
        output.play(tone_);
        QTRY_VERIFY_WITH_TIMEOUT(audibleSeconds(disk, toneStart) > 0, kTimeoutMs);
        output.play(path);
        QTRY_VERIFY2_WITH_TIMEOUT(soundEnded(disk, toneStart), qPrintable(path), kTimeoutMs);
        QVERIFY2(audibleSeconds(disk, toneStart) < kToneSeconds / 2, qPrintable(path));
    }

private Q_SLOTS:
    void initTestCase() {
        useDiskAudio();
        std::vector<std::int16_t> samples(std::size_t(kToneSeconds * kSampleRate));
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = std::int16_t(
                10000 * std::sin(2 * std::numbers::pi * 440 * double(i) / kSampleRate));
        tone_ = temporary_.filePath(QStringLiteral("tone.wav"));
        QFile file(tone_);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(wavFile(samples, kSampleRate)) > 0);
    }

    void playsEachAwardSound_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"not-good.wav", "good-job.mid", "excellent.mp3"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void playsEachAwardSound() {
        QFETCH(QString, name);
        const WarningLog warnings;
        const QString disk = freshDiskFile(name);
        {
            const auto output = makeSystemAudioOutput();
            output->play(awardSound(qPrintable(name)));
            QTRY_VERIFY_WITH_TIMEOUT(soundEnded(disk), kTimeoutMs);
        }
        int peak = 0;
        const double seconds = audibleSeconds(disk, 0, &peak);
        QVERIFY2(seconds > 0.5 && seconds < 4.0, qPrintable(QString::number(seconds)));
        QVERIFY2(peak > 3000 && peak < 32767, qPrintable(QString::number(peak)));
        QVERIFY(warnings.messages().isEmpty());
    }

    // Each play cuts off the one before; a bad one is logged once however often it comes.
    void badPathsAreLoggedOnceAndLaterPlaysStillSound() {
        const WarningLog warnings;
        QStringList bad{QString(), temporary_.filePath(QStringLiteral("missing.wav"))};
        const auto write = [&](const QString& name, const QByteArray& head, qint64 size) {
            QFile file(temporary_.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(head) >= 0 &&
                    (size == 0 || file.resize(size)));
            bad << file.fileName();
        };
        for (const char* name : {"garbage.wav", "garbage.mid", "garbage.mp3"})
            write(QString::fromLatin1(name), "Only some words.\n", 0);
        for (const char* head : {"", "MThd"})  // 2 GiB, sparse: zeros, and a MIDI file's header
            write(QStringLiteral("huge%1.mid").arg(head), head, qint64(2) << 30);
        const QString disk = freshDiskFile(QStringLiteral("bad"));
        const auto output = makeSystemAudioOutput();
        for (const QString& path : bad + bad + QStringList{awardSound("not-good.wav")}) {
            verifyCutsOffTheTone(*output, disk, path);
            if (QTest::currentTestFailed()) return;
        }
        QCOMPARE(warnings.messages().size(), bad.size());
        for (const QString& path : bad.mid(1)) QCOMPARE(warnings.messages().filter(path).size(), 1);
        QCOMPARE(warnings.messages().filter("larger than the 8 MiB").size(), 2);
        QCOMPARE(warnings.messages().filter("not a WAV, MIDI or MP3 sound").size(), 3);
    }

    void givesUpAnOutdatedRead() {  // as a newer sound or the exit asks
        QFile file(temporary_.filePath(QStringLiteral("long.wav")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("RIFF\0\0\0\0WAVE", 12) == 12);
        QVERIFY(file.resize(kMaxSoundFileBytes));
        QVERIFY(!readSoundFile(file.fileName(), [] { return true; }).value());
    }

    // SDL takes over stop signals that nobody handles; the program would then ignore them.
    void leavesTheProgramsStopSignalsAlone() {
        const int stops[]{SIGINT, SIGTERM};
        struct sigaction unhandled {
        }, runner[2]{};
        unhandled.sa_handler = SIG_DFL;
        for (int i : {0, 1}) QVERIFY(sigaction(stops[i], &unhandled, &runner[i]) == 0);
        const auto restore = qScopeGuard([&] {
            for (int i : {0, 1}) sigaction(stops[i], &runner[i], nullptr);
        });
        const QString disk = freshDiskFile(QStringLiteral("signals"));
        const auto output = makeSystemAudioOutput();
        output->play(awardSound("perfect.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(audibleSeconds(disk) > 0, kTimeoutMs);
        for (const int stopSignal : stops) {
            struct sigaction action {};
            sigaction(stopSignal, nullptr, &action);
            QVERIFY2(action.sa_handler == SIG_DFL, strsignal(stopSignal));
        }
    }

    // Last, since a sound device that cannot be opened stays so for the process: plays
    // return, and the failure is logged once.
    void withoutADeviceTheFailureIsLoggedOnce() {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        const WarningLog warnings;
        const QString sound = awardSound("perfect.wav");
        // An output that never plays opens nothing, so it has nothing to report.
        makeSystemAudioOutput().reset();
        QVERIFY(warnings.messages().isEmpty());
        const auto output = makeSystemAudioOutput();
        for (int i = 0; i < 3; ++i) output->play(sound);
        QTRY_COMPARE_WITH_TIMEOUT(warnings.messages().size(), 1, kTimeoutMs);
        output->play(sound);
        output->play(QString());
        makeSystemAudioOutput()->play(sound);
        QCOMPARE(warnings.messages().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAudioOutput)
#include "test_audio_output.moc"
