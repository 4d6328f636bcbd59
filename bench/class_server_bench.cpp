// The class server under a class's load: `processes` computers (processes), each
// storing a sheet every 2 s for `seconds` through the practice screens' queue, first
// without a class server and then with one (a private PostgreSQL server), alternating
// so that the machine's load weighs on both alike. Reported: the longest hold of each
// computer's GUI thread outside its own stores (an event-loop probe), the longest
// store, the time from store to arrival on the server (median, p99, max) and whether
// every sheet is there once with its 18 answers. A hold is told twice: as the wall time
// between two turns of the event loop, which on a loaded machine includes the time the
// thread waited for a core, and as the GUI thread's own processor time between them,
// which is what its work took.
//   bench-class-server [processes] [seconds]
#include "bench_stats.h"

#include "app/core/clock.h"
#include "practice/core/score_queue.h"
#include "server/core/class_outbox.h"
#include "support/class_sheets.h"
#include "support/private_pg_server.h"
#include "support/test_data_folder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

constexpr int kPeriodMs = 2000;
constexpr int kProbeMs = 1;

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// One computer: prints "stored <id> <ms since the epoch>" per sheet and at the end
// "held <longest probe gap without a store> <longest store> <longest processor time
// between turns without a store>", in ms.
int runComputer(const QStringList& arguments) {
    const QString connection = arguments[3];
    const int seconds = arguments[4].toInt();
    TestDataFolder folder;
    folder.makeUserDatabase(arguments[2]);
    const QString database = folder.path(arguments[2] + QStringLiteral(".mdb"));
    DatabaseConnections connections;
    SystemClock clock;
    ScoreQueue queue(connections, clock);
    std::unique_ptr<ClassOutbox> outbox;
    if (!connection.isEmpty()) {
        outbox = std::make_unique<ClassOutbox>(ClassConfig{QStringLiteral("3B"), {}, connection},
                                               folder.dir(), arguments[2]);
        QObject::connect(&queue, &ScoreQueue::stored, outbox.get(), &ClassOutbox::sendSoon);
    }
    QElapsedTimer elapsed;
    double lastTurn = 0, held = 0, longestStore = 0, lastCpu = threadCpuMs(), heldCpu = 0;
    bool stored = false;
    QTimer probe, store;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const double now = double(elapsed.nsecsElapsed()) / 1e6, cpu = threadCpuMs();
        if (!std::exchange(stored, false)) {
            held = std::max(held, now - lastTurn - kProbeMs);
            heldCpu = std::max(heldCpu, cpu - lastCpu);
        }
        lastTurn = now;
        lastCpu = cpu;
    });
    int n = 0;
    QObject::connect(&store, &QTimer::timeout, [&] {
        const MarkedSheet sheet = classSheet(n++);
        const qint64 at = QDateTime::currentMSecsSinceEpoch();
        QElapsedTimer storing;
        storing.start();
        queue.store(database, sheet);
        longestStore = std::max(longestStore, double(storing.nsecsElapsed()) / 1e6);
        stored = true;
        std::printf("stored %s %lld\n", qPrintable(sheet.id), static_cast<long long>(at));
    });
    QTimer::singleShot(seconds * 1000, [&] {
        store.stop();
        probe.stop();
        std::printf("held %.2f %.2f %.2f\n", held, longestStore, heldCpu);
        // The last sheets still go before the outbox is gone.
        QTimer::singleShot(3000, qApp, &QCoreApplication::quit);
    });
    elapsed.start();
    probe.start(kProbeMs);
    store.start(kPeriodMs);
    return QCoreApplication::exec();
}

struct Phase {
    QList<double> held, stores, heldCpu;
    QHash<QString, qint64> storedAt;
};

Phase runPhase(int processes, int seconds, const QString& connection) {
    std::vector<std::unique_ptr<QProcess>> computers;
    for (int i = 0; i < processes; ++i) {
        auto computer = std::make_unique<QProcess>();
        computer->start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--computer"), QStringLiteral("Child %1").arg(i),
                         connection, QString::number(seconds)});
        computers.push_back(std::move(computer));
    }
    Phase phase;
    for (auto& computer : computers) {
        computer->waitForFinished(-1);
        for (const QByteArray& line : computer->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.value(0) == "stored") phase.storedAt.insert(words[1], words[2].toLongLong());
            if (words.value(0) == "held") {
                phase.held.append(words[1].toDouble());
                phase.stores.append(words[2].toDouble());
                phase.heldCpu.append(words[3].toDouble());
            }
        }
    }
    return phase;
}

void reportHolds(const char* what, const Phase& phase) {
    const auto longest = [](const QList<double>& v) {
        return *std::max_element(v.begin(), v.end());
    };
    std::printf(
        "%s: %lld sheets; the GUI thread's longest hold outside stores, over the "
        "computers: wall median %.1f ms, longest %.1f ms; its own processor time "
        "median %.1f ms, longest %.1f ms; longest store %.1f ms\n",
        what, static_cast<long long>(phase.storedAt.size()), median(phase.held),
        longest(phase.held), median(phase.heldCpu), longest(phase.heldCpu), longest(phase.stores));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.value(1) == QLatin1String("--computer")) return runComputer(arguments);
    const int processes = argc > 1 ? std::atoi(argv[1]) : 30;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    PrivatePgServer server;
    if (!server.error().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    const Phase local = runPhase(processes, seconds, {});
    const Phase sent = runPhase(processes, seconds, server.connection(PrivatePgServer::kComputerA));
    reportHolds("without a class server", local);
    reportHolds("with the class server  ", sent);

    QList<double> latencies;
    qint64 once = 0;
    const QString rows = server.psql(QStringLiteral(
        "SELECT id, (extract(epoch FROM arrived_at) * 1000)::bigint, (SELECT count(*) FROM"
        " brenlo.answer WHERE sheet = id) FROM brenlo.sheet"));
    for (const QString& row : rows.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList cells = row.split(QLatin1Char('|'));
        if (!sent.storedAt.contains(cells[0]) || cells[2] != QLatin1String("18")) continue;
        ++once;
        latencies.append(double(cells[1].toLongLong() - sent.storedAt.value(cells[0])));
    }
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&latencies](double q) {
        return latencies[qsizetype(q * (latencies.size() - 1))];
    };
    std::printf("store to arrival: median %.0f ms, p99 %.0f ms, max %.0f ms\n", at(0.5), at(0.99),
                latencies.last());
    std::printf("on the server: %lld of %lld sheets, each once with its 18 answers%s\n",
                static_cast<long long>(once), static_cast<long long>(sent.storedAt.size()),
                rows.count(QLatin1Char('\n')) + 1 == sent.storedAt.size() ? "" : "; OTHERS TOO");
    return once == sent.storedAt.size() ? 0 : 1;
}
