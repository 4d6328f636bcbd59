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
    void isTheScreensNamedChild() {
        RecordingOutput output;
        QObject screen;
        const auto* player = new MediaPlayer(output, QStringLiteral("/data"), &screen);
        QCOMPARE(screen.findChild<MediaPlayer*>(QStringLiteral("MediaPlayer1")), player);
    }

    void handsTheOutputTheFileFromTheDataFolder_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("played");
        QTest::newRow("relative") << "sounds/excellent.mp3"
                                  << "/home/kid/brenlo data/sounds/excellent.mp3";
        QTest::newRow("bare name") << "perfect.wav"
                                   << "/home/kid/brenlo data/perfect.wav";
        QTest::newRow("absolute") << "/usr/share/sounds/cheer.wav"
                                  << "/usr/share/sounds/cheer.wav";
        QTest::newRow("empty, for the output to report") << ""
                                                         << "";
    }

    void handsTheOutputTheFileFromTheDataFolder() {
        QFETCH(QString, setting);
        QFETCH(QString, played);
        RecordingOutput output;
        MediaPlayer player(output, QStringLiteral("/home/kid/brenlo data"));
        player.play(setting);
        QCOMPARE(output.played, QStringList{played});
    }
};

QTEST_GUILESS_MAIN(TestMediaPlayer)
#include "test_media_player.moc"
