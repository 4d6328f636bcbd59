// Start-up benchmark: from exec to the main menu's first paint, and peak resident
// memory, against a bare Qt Widgets window; alternating runs, medians reported.
// Usage: bench-startup <brenlo probe> <bare probe> <data folder> [runs]
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

bool runOnce(const QString& program, const QString& folder, Sample& sample) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long started = monotonicNs();
    process.start(QFileInfo(program).absoluteFilePath(), {});
    if (!process.waitForFinished(30000)) return false;
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2) return false;
    sample.milliseconds = double(fields[0].toLongLong() - started) / 1e6;
    sample.peakKb = fields[1].toDouble();
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList args = application.arguments();
    if (args.size() < 4) {
        out << "usage: bench-startup <brenlo probe> <bare probe> <data folder> [runs]\n";
        return 2;
    }
    const int runs = args.size() > 4 ? args[4].toInt() : 11;
    std::vector<double> brenloMs, brenloKb, bareMs, bareKb;
    for (int run = 0; run < runs; ++run) {
        Sample brenlo, bare;
        if (!runOnce(args[1], args[3], brenlo) || !runOnce(args[2], args[3], bare)) {
            out << "a probe did not report its first paint\n";
            return 1;
        }
        brenloMs.push_back(brenlo.milliseconds);
        brenloKb.push_back(brenlo.peakKb);
        bareMs.push_back(bare.milliseconds);
        bareKb.push_back(bare.peakKb);
    }
    const double ms = median(brenloMs), baseMs = median(bareMs);
    const double kb = median(brenloKb), baseKb = median(bareKb);
    out << "start-up to first paint, median of " << runs << " starts each\n"
        << "  main menu:   " << Qt::fixed << qSetRealNumberPrecision(1) << ms << " ms, "
        << kb / 1024 << " MiB peak resident\n"
        << "  bare window: " << baseMs << " ms, " << baseKb / 1024 << " MiB peak resident\n"
        << "  ratio:       " << qSetRealNumberPrecision(2) << ms / baseMs
        << "x time (goal <= 1.3), " << kb / baseKb << "x memory (goal <= 1.4)\n";
    return 0;
}
