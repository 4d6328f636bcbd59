#include "sound/core/audio_output.h"
#include "sound/core/media_player.h"

#include <QTest>

namespace {

class RecordingOutput final : public AudioOutput {
public:
    void play(const QString& filePath) override { played << filePath; }
    QStringList played;
};

}  // namespace

class TestMediaPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playsTheFileFromTheDataFolder_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("played");
        const auto row = [](const char* name, const char* setting, const char* played) {
            QTest::newRow(name) << QString(setting) << QString(played);
        };
        row("relative", "sounds/excellent.mp3", "/home/kid/brenlo data/sounds/excellent.mp3");
        row("absolute", "/usr/share/sounds/cheer.wav", "/usr/share/sounds/cheer.wav");
        row("empty, for the output to report", "", "");
    }
    void playsTheFileFromTheDataFolder() {
        QFETCH(QString, setting);
        QFETCH(QString, played);
        RecordingOutput output;
        MediaPlayer(output, QStringLiteral("/home/kid/brenlo data")).play(setting);
        QCOMPARE(output.played, QStringList{played});
    }
};

QTEST_GUILESS_MAIN(TestMediaPlayer)
#include "test_media_player.moc"
