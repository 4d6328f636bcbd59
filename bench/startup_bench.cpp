// Start-up benchmark: from exec to the main menu's first complete frame, and peak
// resident memory, against a bare Qt Widgets window and one with a label, the fair
// floor, as any window with text loads the font system; alternating runs, medians.
// Given an earlier build's probe too, compares the two within the same alternation.
// Usage: bench-startup <brenlo probe> <bare probe> <data folder> [runs] [earlier brenlo probe]
#include "bench_stats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double peakKb = 0;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const QString& program, const QStringList& arguments, const QString& folder,
             Sample& sample) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long started = monotonicNs();
    process.start(QFileInfo(program).absoluteFilePath(), arguments);
    if (!process.waitForFinished(30000)) return false;
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2) return false;
    sample.milliseconds = double(fields[0].toLongLong() - started) / 1e6;
    sample.peakKb = fields[1].toDouble();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList args = application.arguments();
    if (args.size() < 4) {
        out << "usage: bench-startup <brenlo probe> <bare probe> <data folder> [runs]"
               " [earlier brenlo probe]\n";
        return 2;
    }
    const int runs = args.size() > 4 ? args[4].toInt() : 11;
    struct Series {
        const char* name;
        QString program;
        QStringList arguments;
        QList<double> ms, kb;
    };
    std::vector<Series> series{
        {"main menu", args[1], {}, {}, {}},
        {"bare window", args[2], {}, {}, {}},
        {"bare window with one label", args[2], {QStringLiteral("text")}, {}, {}}};
    if (args.size() > 5) series.push_back({"earlier main menu", args[5], {}, {}, {}});
    for (int run = 0; run < runs; ++run) {
        for (Series& each : series) {
            Sample sample;
            if (!runOnce(each.program, each.arguments, args[3], sample)) {
                out << "a probe did not report its first frame\n";
                return 1;
            }
            each.ms.push_back(sample.milliseconds);
            each.kb.push_back(sample.peakKb);
        }
    }
    out << "start-up to the first complete frame, median of " << runs << " starts each\n"
        << Qt::fixed << qSetRealNumberPrecision(1);
    for (const Series& each : series)
        out << "  " << each.name << ": " << median(each.ms) << " ms, " << median(each.kb) / 1024
            << " MiB peak resident\n";
    const Series& menu = series[0];
    const Series& bare = series[1];
    const Series& label = series[2];
    out << qSetRealNumberPrecision(2)
        << "  main menu / bare window: " << median(menu.ms) / median(bare.ms) << "x time, "
        << median(menu.kb) / median(bare.kb) << "x memory\n"
        << "  main menu / window with one label: " << median(menu.ms) / median(label.ms)
        << "x time (goal <= 1.0), " << median(menu.kb) / median(label.kb)
        << "x memory (goal <= 1.1)\n";
    if (series.size() > 3)
        out << "  main menu / earlier main menu: " << median(menu.ms) / median(series[3].ms)
            << "x time, " << median(menu.kb) / median(series[3].kb) << "x memory\n";
    return 0;
}
