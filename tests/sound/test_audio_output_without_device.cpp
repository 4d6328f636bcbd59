#include "sound/core/audio_output.h"
#include "warning_log.h"

#include <QDir>
#include <QTest>

// The system output on a machine whose sound cannot be opened.
class TestAudioOutputWithoutDevice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("SDL_AUDIODRIVER", "no-such-driver"); }

    void playsReturnAndTheFailureIsLoggedOnce() {
        const WarningLog warnings;
        const QString sound =
            QDir(QStringLiteral(DATA_FOLDER)).filePath(QStringLiteral("sounds/perfect.wav"));

        // An output that never plays opens nothing, so it has nothing to report.
        makeSystemAudioOutput().reset();
        QVERIFY(warnings.messages().isEmpty());

        const auto output = makeSystemAudioOutput();
        for (int i = 0; i < 3; ++i) output->play(sound);
        QTRY_COMPARE_WITH_TIMEOUT(warnings.messages().size(), 1, 15000);

        output->play(sound);
        output->play(QString());
        makeSystemAudioOutput()->play(sound);
        QCOMPARE(warnings.messages().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestAudioOutputWithoutDevice)
#include "test_audio_output_without_device.moc"
