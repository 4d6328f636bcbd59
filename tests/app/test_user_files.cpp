#include "app/core/user_files.h"
#include "support/test_data_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

QFile::Permissions modeBits(const QString& path) {
    return QFileInfo(path).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}

}  // namespace

class TestUserFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void existenceIgnoresCaseAndCountsOnlyFiles() {
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        folder.writeFile(QStringLiteral("Bob.MDB"), "x");
        QVERIFY(folder.dir().mkdir(QStringLiteral("Carol.mdb")));
        folder.writeFile(QStringLiteral("Dave.mdb.bak"), "x");

        QVERIFY(users.exists(QStringLiteral("Bob")));
        QVERIFY(users.exists(QStringLiteral("bOB")));
        QVERIFY(!users.exists(QStringLiteral("Carol")));  // a folder
        QVERIFY(!users.exists(QStringLiteral("Dave")));
        QVERIFY(!users.exists(QStringLiteral("Bo")));
        QVERIFY(!users.exists(QStringLiteral("Default User")));  // the template is ".mdk"
        QVERIFY(!users.exists(QString()));

        // A differently cased name reaches the file that exists.
        QCOMPARE(users.databasePath(QStringLiteral("bob")), folder.path(QStringLiteral("Bob.MDB")));
        QCOMPARE(users.databasePath(QStringLiteral("Eve")), folder.path(QStringLiteral("Eve.mdb")));
    }

    void emptyNameIsTheDotMdbFile() {
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        QCOMPARE(users.makeDatabase(QString()), std::nullopt);
        QVERIFY(QFileInfo(folder.path(QStringLiteral(".mdb"))).isFile());
        QVERIFY(users.exists(QString()));
    }

    void nameProblems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << QStringLiteral("Anne-Marie") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("spaces kept") << QStringLiteral("  Ann  ") << false;
        QTest::newRow("apostrophe") << QStringLiteral("O'Brien") << false;
        QTest::newRow("sql") << QStringLiteral("x'); DROP TABLE score; --") << false;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
        QTest::newRow("three dots") << QStringLiteral("...") << false;
        QTest::newRow("longest") << QString(251, QLatin1Char('a')) << false;
        QTest::newRow("slash") << QStringLiteral("../etc/x") << true;
        QTest::newRow("dot") << QStringLiteral(".") << true;
        QTest::newRow("dot dot") << QStringLiteral("..") << true;
        QTest::newRow("nul") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
                             << true;
        QTest::newRow("tab") << QStringLiteral("a\tb") << true;
        QTest::newRow("delete") << QString(QStringLiteral("a") + QChar(0x7f)) << true;
        QTest::newRow("too long") << QString(252, QLatin1Char('a')) << true;
        QTest::newRow("too long in bytes") << QString(126, QChar(0x00e9)) << true;
    }
    void nameProblems() {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(UserFiles::nameProblem(name).has_value(), refused);
        if (refused) return;
        // Every accepted name really makes its file.
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        QCOMPARE(users.makeDatabase(name), std::nullopt);
        QVERIFY(users.exists(name));
    }

    void refusedNameMakesNothing() {
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        QVERIFY(users.makeDatabase(QStringLiteral("../escape")).has_value());
        QVERIFY(!QFile::exists(folder.dir().filePath(QStringLiteral("../escape.mdb"))));
        QVERIFY(!users.exists(QStringLiteral("../escape")));
    }

    void copyMakesAWritableDatabaseAndRelocksTheTemplate() {
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        QCOMPARE(users.makeDatabase(QStringLiteral("Ann")), std::nullopt);

        const QString made = folder.path(QStringLiteral("Ann.mdb"));
        QCOMPARE(folder.readFile(QStringLiteral("Ann.mdb")),
                 folder.readFile(UserFiles::kTemplateName));
        QVERIFY(QFileInfo(made).isWritable());
        QCOMPARE(modeBits(made), kReadOnly | QFile::WriteOwner);
        QCOMPARE(modeBits(users.templatePath()), kReadOnly);
    }

    void copyReplacesTheExistingDatabase() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"), 3);
        const QString existing = folder.path(QStringLiteral("Ann.mdb"));
        QVERIFY(QFile::setPermissions(existing, QFile::ReadOwner | QFile::WriteOwner));
        const UserFiles users(folder.dir());
        QCOMPARE(users.makeDatabase(QStringLiteral("ANN")), std::nullopt);
        QCOMPARE(modeBits(existing), QFile::ReadOwner | QFile::WriteOwner);
        // The case variant replaced the existing file rather than making a second one.
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("ANN.mdb"))));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 0);
    }

    void failedCopyKeepsTheTemplateReadOnlyAndTheOldFile() {
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        // A non-empty folder where the database should go cannot be replaced.
        QVERIFY(folder.dir().mkpath(QStringLiteral("Ann.mdb/keep")));
        QVERIFY(users.makeDatabase(QStringLiteral("Ann")).has_value());
        QCOMPARE(modeBits(users.templatePath()), kReadOnly);
        QVERIFY(QFileInfo(folder.path(QStringLiteral("Ann.mdb/keep"))).isDir());
        QCOMPARE(folder.dir().entryList(QDir::Files | QDir::Hidden),
                 QStringList({UserFiles::kTemplateName}));
    }

    void readOnlyDatabaseIsNotReplaced() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"), 2);
        QVERIFY(QFile::setPermissions(folder.path(QStringLiteral("Ann.mdb")), kReadOnly));
        QVERIFY(UserFiles(folder.dir()).makeDatabase(QStringLiteral("Ann")).has_value());
        QVERIFY(QFile::setPermissions(folder.path(QStringLiteral("Ann.mdb")),
                                      kReadOnly | QFile::WriteOwner));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 2);
    }

    void missingTemplateIsReportedByName() {
        TestDataFolder folder;
        folder.makeUserDatabase(QStringLiteral("Ann"), 2);
        QFile::setPermissions(folder.path(UserFiles::kTemplateName),
                              QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(QFile::remove(folder.path(UserFiles::kTemplateName)));
        const auto error = UserFiles(folder.dir()).makeDatabase(QStringLiteral("Ann"));
        QVERIFY(error.has_value());
        QVERIFY2(error->contains(UserFiles::kTemplateName), qPrintable(*error));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 2);
    }
};

QTEST_GUILESS_MAIN(TestUserFiles)
#include "test_user_files.moc"
