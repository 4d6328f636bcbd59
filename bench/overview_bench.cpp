// The teacher's class overview over a school year of 30 children, 200 sheets each
// with their 18 answers, on a private PostgreSQL server: the median time from the
// program's start (a new connection, the window, this week's figures) and from a
// press of Show over the whole year to the first complete frame, posted events
// handled; and the reads alone. Usage: bench-overview [runs]
#include "bench_stats.h"

#include "overview/class_overview_window.h"
#include "overview/core/class_server.h"
#include "support/fake_clock.h"
#include "support/fakes.h"
#include "support/private_pg_server.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {

// A sheet a school day for a year up to 6 December 2026; about one answer in six
// missed, typed one off.
const QString kFill = QStringLiteral(R"(
INSERT INTO brenlo.sheet (id, class_name, child, computer, sdate, category, level, speed, score, round)
SELECT md5(c || '-' || n)::uuid, '3B', 'Child ' || lpad(c::text, 2, '0'), 'pc' || c % 5,
       DATE '2026-12-06' - n * 365 / 200,
       CASE WHEN n % 2 = 0 THEN 'Addition/Subtraction' ELSE 'Multiplication/Division' END,
       (ARRAY['Easy', 'Normal', 'Difficult', 'More Difficult', 'Super Difficult'])[1 + (n + c) % 5],
       (ARRAY['20', '15', '10', '5', '2'])[1 + n % 5], 18, 'ordinary'
FROM generate_series(1, 30) c, generate_series(1, 200) n;
INSERT INTO brenlo.answer
SELECT id, p, a, o, b, e::text, CASE WHEN miss THEN (e + 1)::text ELSE e::text END, NOT miss, p * 4.5
FROM (SELECT s.id, p, (p * 7 + h) % 13 AS a, (p * 3 + h) % 11 AS b,
             CASE WHEN s.category LIKE 'Add%' THEN '+' ELSE 'x' END AS o, (p + h) % 6 = 0 AS miss
      FROM brenlo.sheet s, generate_series(0, 17) p,
           LATERAL (SELECT abs(hashtext(s.id::text)) % 97 AS h) x) q,
     LATERAL (SELECT CASE WHEN o = '+' THEN a + b ELSE a * b END AS e) r;
UPDATE brenlo.sheet s SET score = (SELECT count(*) FILTER (WHERE marked_right)
                                   FROM brenlo.answer WHERE sheet = s.id);
ANALYZE;
)");

// Until the window's next frame is painted and what it posted is handled. A change
// inside the window repaints only the widgets it touched, so any of them counts.
void waitForFrame(QWidget& window) {
    struct Probe : QObject {
        QWidget* window = nullptr;
        bool painted = false;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->window() == window)
                painted = true;
            return false;
        }
    } probe;
    probe.window = &window;
    QCoreApplication::instance()->installEventFilter(&probe);
    while (!probe.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::instance()->removeEventFilter(&probe);
    QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 11;
    PrivatePgServer server;
    if (!server.error().isEmpty() || server.psql(kFill).isNull()) {
        std::fprintf(stderr, "no server: %s%s\n", qPrintable(server.error()),
                     qPrintable(server.lastPsqlError()));
        return 1;
    }
    const ClassConfig config{QStringLiteral("3B"), {}, server.connection(PrivatePgServer::kTeacher)};
    FakeClock clock;
    ScriptedMessageBoxes messages;
    AnsweringFileDialogs dialogs;
    RecordingPrinter printer;
    const OverviewSeams seams{clock, messages, dialogs, printer};

    std::printf("30 children, 6000 sheets, 108000 answers; medians of %d runs (ms)\n", runs);
    std::printf("start to first frame, this week:    %7.1f\n", medianMs(runs, [&] {
        ClassServer classServer(config);
        ClassOverviewWindow window(seams, config.className, [&](const DayRange& d, QDate t) {
            return classServer.read(d, t);
        });
        window.show();
        window.showFigures();
        waitForFrame(window);
    }));
    ClassServer classServer(config);
    ClassOverviewWindow window(seams, config.className,
                               [&](const DayRange& d, QDate t) { return classServer.read(d, t); });
    window.show();
    waitForFrame(window);
    window.findChild<QLineEdit*>(QStringLiteral("firstDay"))->setText(QStringLiteral("2025-12-07"));
    auto* show = window.findChild<QPushButton*>(QStringLiteral("show"));
    std::printf("Show to next frame, the whole year: %7.1f\n", medianMs(runs, [&] {
        show->click();
        waitForFrame(window);
    }));
    const DayRange year{QDate(2025, 12, 7), QDate(2026, 12, 6)};
    std::printf("reads alone, the whole year:        %7.1f\n",
                medianMs(runs, [&] { (void)classServer.read(year, year.last); }));
    if (!messages.texts.isEmpty()) std::printf("messages: %s\n", qPrintable(messages.texts.join(u'\n')));
    return 0;
}
