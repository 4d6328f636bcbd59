// Sound file chooser figures, on a data folder of many files with a few hundred sound
// files among them: the time from Browse to the first filled file list and to the
// whole list, and the longest time the GUI thread was held up meanwhile.
#include "bench_stats.h"

#include "app/app_context.h"
#include "sound/core/folder_scanner.h"
#include "sound/sound_screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

class SilentMessages final : public MessageBoxes {
public:
    void inform(QWidget*, const QString&, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return true; }
    void notify(QWidget*, const QString&) override {}
};

// Every 30th file is a sound file, in the three kinds and in mixed letter case.
bool fill(const QTemporaryDir& folder, int count) {
    const char* kinds[] = {"wav", "MP3", "Mid"};
    for (int i = 0; i < count; ++i) {
        const QString name = i % 30 == 0 ? QStringLiteral("sound %1.%2").arg(i).arg(kinds[i % 3])
                                         : QStringLiteral("file %1.txt").arg(i);
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int fileCount = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 21;
    QTemporaryDir folder;
    if (!fill(folder, fileCount)) return 1;

    AppContext context{QDir(folder.path())};
    context.messages = std::make_unique<SilentMessages>();
    provideSoundScreens(context);
    QWidget* setup = context.screens.show(ScreenId::SoundSetup);

    QList<double> firstList, wholeList;
    double longestHold = 0;
    qsizetype listed = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        double lastTurn = 0, first = -1, hold = 0;
        // Fires at every turn of the event loop: the gaps are the GUI thread's holds.
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout, [&] {
            const double now = clock.nsecsElapsed() / 1e6;
            hold = std::max(hold, now - lastTurn);
            lastTurn = now;
        });
        QEventLoop whole;
        clock.start();
        setup->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QWidget* chooser = context.screens.find(ScreenId::SoundChooser);
        auto* scanner = chooser->findChild<FolderScanner*>();
        QObject::connect(scanner, &FolderScanner::filesFound, [&](const QStringList& names) {
            if (first < 0) first = clock.nsecsElapsed() / 1e6;
            listed += names.size();
        });
        QObject::connect(scanner, &FolderScanner::finished, &whole, &QEventLoop::quit);
        turns.start(0);
        whole.exec();
        firstList.append(first);
        wholeList.append(clock.nsecsElapsed() / 1e6);
        longestHold = std::max(longestHold, hold);
        chooser->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCoreApplication::processEvents();
    }
    std::printf("chooser on %d files (%lld sound files listed per run), %d runs:\n", fileCount,
                static_cast<long long>(listed / runs), runs);
    std::printf("  Browse to first filled file list: median %.1f ms\n", median(firstList));
    std::printf("  Browse to whole file list:        median %.1f ms\n", median(wholeList));
    std::printf("  longest hold of the GUI thread:   %.1f ms\n", longestHold);
    return 0;
}
