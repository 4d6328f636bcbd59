#include "overview/class_overview_window.h"
#include "overview/core/class_server.h"
#include "support/fake_clock.h"
#include "support/fakes.h"
#include "support/private_pg_server.h"
#include "support/test_data_folder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include <sys/socket.h>
#include <sys/un.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the children of 3B sent, and a sheet of another class: "class child day category
// level", then the missed answers ("7+5=12:13"), which are all the overview reads.
const QString kSheets =
    uR"(CREATE TEMP TABLE sent AS SELECT md5(line)::uuid AS id,
    string_to_array(line, ' ') AS f FROM unnest(ARRAY[
    '3B Ann 2026-12-01 Add Easy 7+5=12:13 8-3=5:4 8-3=5:2',
    '3B Ann 2026-12-04 Add Normal 7+5=12:13 6x7=42:48',
    '3B Bob 2026-12-02 Add Easy 7+5=12:11 6x7=42:48 9-4=5:',
    '3B Cleo 2026-11-20 Mul Easy 6x7=42:48 6x7=42:48 6x7=42:36',
    '3B Ann 2026-12-07 Add Easy',
    '4C Dan 2026-12-03 Add Easy 7+5=12:1']) line;
INSERT INTO brenlo.sheet SELECT id, f[1], f[2], 'pc', f[3]::date, f[4], f[5], '10',
    23 - cardinality(f), 'ordinary' FROM sent;
INSERT INTO brenlo.answer SELECT id, place - 1, m[1]::int, m[2], m[3]::int, m[4], m[5], false
    FROM sent, unnest(f[6:]) WITH ORDINALITY AS a(miss, place),
    regexp_match(miss, '(\d+)(.)(\d+)=(\d+):(\d*)') m)"_s;

// Every table's rows, cells joined by '|', the tables in the window's order.
QStringList rowsOf(const QWidget& window) {
    QStringList rows;
    for (const QTableWidget* table : window.findChildren<QTableWidget*>())
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << table->item(row, column)->text();
            rows << cells.join(u'|');
        }
    return rows;
}

}  // namespace

class TestClassOverview : public QObject {
    Q_OBJECT
    PrivatePgServer server_;
    FakeClock clock_;  // Sunday 6 December 2026
    ScriptedMessageBoxes messages_;
    AnsweringFileDialogs dialogs_;
    RecordingPrinter printer_;
    QTemporaryDir silentFolder_;

    // The window reading `connection` as the class 3B.
    std::unique_ptr<ClassOverviewWindow> open(const QString& connection) {
        messages_.texts.clear();
        return std::make_unique<ClassOverviewWindow>(
            OverviewSeams{clock_, messages_, dialogs_, printer_}, "3B",
            [server = std::make_shared<ClassServer>(ClassConfig{"3B", {}, connection})](
                const DayRange& days, QDate today) { return server->read(days, today); });
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(!server_.psql(kSheets).isNull(),
                 qPrintable(server_.error() + server_.lastPsqlError()));
    }

    // This week's figures as saved, in words and forms that do not follow the display
    // language; then from November, where the children's week stays.
    void figures() {
        const auto window = open(server_.connection(PrivatePgServer::kTeacher));
        window->showFigures();
        TestDataFolder folder;
        dialogs_.answer = folder.path("3B.csv");
        window->findChild<QPushButton*>("saveCsv")->click();
        QCOMPARE(folder.readFile("3B.csv"),
                 "Children\r\nChild,Sheets this week,Last day practised\r\nAnn,2,2026-12-04\r\n"
                 "Bob,1,2026-12-02\r\nCleo,0,2026-11-20\r\n\r\nAverage scores\r\n"
                 "Category,Level,Sheets,Average score,Of a full sheet\r\nAdd,Easy,2,15.0,83%\r\n"
                 "Add,Normal,1,16.0,89%\r\n\r\nFacts missed most\r\nProblem,Right answer,Times "
                 "missed,Children who missed it,Typical wrong answer\r\n7 + 5,12,3,2,13\r\n"
                 "6 \u00D7 7,42,2,2,48\r\n8 \u2212 3,5,2,1,2\r\n9 \u2212 4,5,1,1,\r\n");
        window->findChild<QPushButton*>("print")->click();
        QCOMPARE(printer_.printed, QList<QWidget*>{window.get()});
        window->findChild<QLineEdit*>("firstDay")->setText("2026-11-01");
        window->findChild<QPushButton*>("show")->click();
        QCOMPARE(rowsOf(*window),
                 QStringList({"Ann|2|12/4/2026", "Bob|1|12/2/2026", "Cleo|0|11/20/2026",
                              "Add|Easy|2|15.0|83%", "Add|Normal|1|16.0|89%", "Mul|Easy|1|15.0|83%",
                              "6 \u00D7 7|42|5|3|48", "7 + 5|12|3|2|13", "8 \u2212 3|5|2|1|2",
                              "9 \u2212 4|5|1|1|"}));
    }

    // One plain message, and nothing shown; a server that takes the connection and
    // never answers (a socket listening where libpq looks) does not hold the teacher.
    void refused_data() {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("said");
        QTest::newRow("computer's role")
            << server_.connection(PrivatePgServer::kComputerA) << "permission denied";
        sockaddr_un address{AF_UNIX, {}};
        qstrncpy(address.sun_path, qPrintable(silentFolder_.filePath(".s.PGSQL.5432")),
                 sizeof address.sun_path);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                ::listen(socket, 4) == 0);
        QTest::newRow("silent server") << "host=" + silentFolder_.path() << "timeout expired";
    }
    void refused() {
        QFETCH(QString, connection);
        QFETCH(QString, said);
        open(connection)->showFigures();
        QCOMPARE(messages_.texts.size(), 1);
        QVERIFY2(messages_.texts[0].contains(said), qPrintable(messages_.texts[0]));
    }
};

QTEST_MAIN(TestClassOverview)
#include "test_class_overview.moc"
