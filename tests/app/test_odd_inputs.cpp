#include "app/core/number_text.h"
#include "app/core/settings_file.h"
#include "support/test_app.h"

#include <QFileInfo>
#include <QSqlQuery>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Puts a `kind` of thing at `name`: a file of `bytes`, a named pipe, a folder, or a
// link to "other", a private file of `bytes`.
void place(const TestDataFolder& folder, const QString& name, const QString& kind,
           const QByteArray& bytes) {
    QFile::remove(folder.path(name));
    folder.writeFile(QStringLiteral("other"), bytes);
    QFile::setPermissions(folder.path(QStringLiteral("other")),
                          QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray path = QFile::encodeName(folder.path(name));
    const QByteArray other = QFile::encodeName(folder.path(QStringLiteral("other")));
    if (kind == "file") folder.writeFile(name, bytes);
    int made = 0;
    if (kind == "pipe") made = ::mkfifo(path.constData(), 0600);
    if (kind == "folder") folder.dir().mkdir(name);
    if (kind == "link") made = ::symlink(other.constData(), path.constData());
    if (kind == "hard link") made = ::link(other.constData(), path.constData());
    if (kind == "link to /dev/zero") made = ::symlink("/dev/zero", path.constData());
    QCOMPARE(made, 0);
}

}  // namespace

class TestOddInputs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsAreReadOnlyFromARegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");  // empty: read whole
        const QByteArray whole = SettingsFile::format({{}, QStringLiteral("Ann")});
        QTest::newRow("link") << "link" << whole << "";
        QTest::newRow("long") << "file" << whole + QByteArray(1 << 20, '\0') << "";
        QTest::newRow("pipe") << "pipe" << whole
                              << "it is not a regular file; the user name and the award sounds "
                                 "start empty";
        QTest::newRow("/dev/zero") << "link to /dev/zero" << whole << "it is not a regular file";
        QTest::newRow("short") << "file" << whole.left(whole.indexOf("Ann"))
                               << "it has 7 of its nine lines; empty instead: the user name";
        QTest::newRow("garbled") << "file" << QByteArray(whole).replace("Ann", "A\xffnn")
                                 << "line 8 is not text; empty instead: the user name";
    }
    void settingsAreReadOnlyFromARegularFile() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        TestDataFolder folder;
        place(folder, SettingsFile::kFileName, kind, bytes);
        const SettingsFile::ReadResult read =
            SettingsFile(folder.path(SettingsFile::kFileName)).read();
        QCOMPARE(read.problem().value_or(QString()).left(problem.isEmpty() ? -1 : problem.size()),
                 problem);
        QCOMPARE(read.settings.userName, problem.isEmpty() ? QStringLiteral("Ann") : QString());
    }

    // Only a regular file holding a score database replaces the user's records; what else
    // the template's name leads to keeps its permissions. In the user's place, other bytes are
    // never written to.
    void templateIsCopiedOnlyAsAScoreDatabase_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");  // of a file; the others lead to the template's
        QTest::addColumn<QString>("problem");   // after "cannot be copied"
        QTest::addColumn<bool>("copies");
        TestDataFolder made;
        made.makeUserDatabase(QStringLiteral("cat"));
        DatabaseConnections connections;
        QSqlQuery(connections.open(made.path(QStringLiteral("cat.mdb")))->database())
            .exec(QStringLiteral("ALTER TABLE score RENAME COLUMN cat TO category"));
        const QString noScores = QStringLiteral(": it is not a score database (");
        QTest::newRow("folder") << "folder" << QByteArray() << "" << false;
        QTest::newRow("link to a private file") << "link" << QByteArray() << "" << false;
        QTest::newRow("second name of a private file") << "hard link" << QByteArray() << "" << true;
        QTest::newRow("empty file") << "file" << QByteArray() << noScores << false;
        QTest::newRow("bytes of no database") << "file" << QByteArray(8192, '\x9c') << noScores
                                              << false;
        QTest::newRow("column missing")
            << "file" << made.readFile(QStringLiteral("cat.mdb")) << noScores << false;
    }
    void templateIsCopiedOnlyAsAScoreDatabase() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QFETCH(bool, copies);
        TestApp app;
        const TestDataFolder& folder = app.folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Ann"), 2);
        if (kind != "file") bytes = folder.readFile(UserFiles::kTemplateName);
        place(folder, UserFiles::kTemplateName, kind, bytes);
        const QString watched =
            folder.path(kind.contains("link") ? QStringLiteral("other") : UserFiles::kTemplateName);
        const QFile::Permissions before = QFileInfo(watched).permissions();
        TestApp::click(app.show(ScreenId::MainMenu), "Command5");
        QCOMPARE(app.messages->texts.last().startsWith(
                     "The database \"Ann.mdb\" was not replaced: the template \"Default User.mdk\" "
                     "cannot be copied" + problem),
                 !copies);
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), copies ? 0 : 2);
        // A regular template is left read-only on purpose.
        if (kind != "file") {
            QCOMPARE(QFileInfo(watched).permissions(), before);
            return;
        }
        place(folder, QStringLiteral("Ann.mdb"), "file", bytes);
        DatabaseConnections connections;
        const Result<void> stored =
            ScoreStore(connections).store(folder.path(QStringLiteral("Ann.mdb")), ScoreRecord{});
        QVERIFY(stored.error().startsWith("it is not a score database ("));
        QCOMPARE(folder.readFile(QStringLiteral("Ann.mdb")), bytes);
    }

    void wholeNumbersHoldAtTheEndsOfTheRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("whole");
        QTest::newRow("2^31") << "2147483648" << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << INT_MIN;
        QTest::newRow("below the smallest") << "-2147483649" << INT_MIN;
    }
    void wholeNumbersHoldAtTheEndsOfTheRange() {
        QFETCH(QString, text);
        QFETCH(int, whole);
        QCOMPARE(leadingWholeNumber(text), whole);
    }
};

QTEST_MAIN(TestOddInputs)
#include "test_odd_inputs.moc"
