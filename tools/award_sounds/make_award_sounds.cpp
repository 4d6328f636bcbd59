// Build step: synthesises the award sounds that ship in the data folder.
// Usage: make-award-sounds <output folder>
#include "award_jingles.h"
#include "mp3_file.h"
#include "wav_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include <optional>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: make-award-sounds <output folder>\n";
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "make-award-sounds: cannot make " << folder.path() << '\n';
        return 1;
    }

    const std::vector<std::pair<QString, std::optional<QByteArray>>> sounds{
        {QStringLiteral("not-good.wav"), wavFile(renderPcm(notGoodJingle()), kSampleRate)},
        {QStringLiteral("good-job.mid"), standardMidiFile(goodJobJingle())},
        {QStringLiteral("excellent.mp3"), mp3File(renderPcm(excellentJingle()), kSampleRate)},
        {QStringLiteral("impressive.mid"), standardMidiFile(impressiveJingle())},
        {QStringLiteral("perfect.wav"), wavFile(renderPcm(perfectJingle()), kSampleRate)},
    };
    for (const auto& [name, bytes] : sounds) {
        if (!bytes) {
            err << "make-award-sounds: " << name << ": the encoder failed\n";
            return 1;
        }
        QSaveFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() ||
            !file.commit()) {
            err << "make-award-sounds: " << file.fileName() << ": " << file.errorString() << '\n';
            return 1;
        }
    }
    return 0;
}
