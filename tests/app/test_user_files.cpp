#include "app/core/user_files.h"
#include "support/test_data_folder.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

QFile::Permissions modeBits(const QString& path) {
    return QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

}  // namespace

class TestUserFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsARegularFileInAnyCase() {
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        folder.writeFile(u"Bob.MDB"_s, "x");
        QVERIFY(folder.dir().mkdir(u"Carol.mdb"_s));
        folder.writeFile(u"Dave.mdb.bak"_s, "x");
        QVERIFY(users.exists(u"bOB"_s));
        QCOMPARE(users.databasePath(u"bob"_s), folder.path(u"Bob.MDB"_s));
        QCOMPARE(users.databasePath(u"Eve"_s), folder.path(u"Eve.mdb"_s));
        for (const QString& absent : {u"Carol"_s, u"Dave"_s, u"Bo"_s, u"Default User"_s, QString()})
            QVERIFY2(!users.exists(absent), qPrintable(absent));
    }

    // A name that can be a file name makes one, however odd; any other makes nothing.
    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty, the file .mdb") << QString() << false;
        QTest::newRow("spaces kept") << u"  Ann  "_s << false;
        QTest::newRow("backslash") << u"a\\b"_s << false;
        QTest::newRow("three dots") << u"..."_s << false;
        QTest::newRow("longest") << QString(251, u'a') << false;
        QTest::newRow("slash") << u"../escape"_s << true;
        QTest::newRow("dot") << u"."_s << true;
        QTest::newRow("dot dot") << u".."_s << true;
        QTest::newRow("nul") << u"a"_s + QChar(0) + u"b"_s << true;
        QTest::newRow("tab") << u"a\tb"_s << true;
        QTest::newRow("too long") << QString(252, u'a') << true;
        QTest::newRow("too long in bytes") << QString(126, QChar(0x00e9)) << true;
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        QCOMPARE(!UserFiles::checkName(name), refused);
        QCOMPARE(!users.makeDatabase(name), refused);
        QCOMPARE(users.exists(name), !refused);
        QCOMPARE(QFileInfo::exists(folder.path(name + u".mdb"_s)), !refused);
    }

    // A copy of the template, which is read-only again afterwards, also when a read-only
    // database is kept; a case variant of an existing name replaces that file and keeps its
    // permissions.
    void madeFromTheTemplate() {
        TestDataFolder folder;
        const UserFiles users(folder.dir());
        QCOMPARE(users.makeDatabase(u"Ann"_s).error(), QString());
        QCOMPARE(folder.readFile(u"Ann.mdb"_s), folder.readFile(UserFiles::kTemplateName));
        QCOMPARE(modeBits(folder.path(u"Ann.mdb"_s)), kReadOnly | QFile::WriteOwner);
        QCOMPARE(modeBits(users.templatePath()), kReadOnly);

        folder.makeUserDatabase(u"Bob"_s, 3);
        QVERIFY(QFile::setPermissions(folder.path(u"Bob.mdb"_s), kReadOnly));
        QVERIFY(!users.makeDatabase(u"Bob"_s));
        QCOMPARE(modeBits(users.templatePath()), kReadOnly);
        QCOMPARE(folder.recordCount(u"Bob.mdb"_s), 3);
        QVERIFY(
            QFile::setPermissions(folder.path(u"Bob.mdb"_s), QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(users.makeDatabase(u"BOB"_s).error(), QString());
        QCOMPARE(modeBits(folder.path(u"Bob.mdb"_s)), QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(!QFile::exists(folder.path(u"BOB.mdb"_s)));
        QCOMPARE(folder.recordCount(u"Bob.mdb"_s), 0);
    }
};

QTEST_GUILESS_MAIN(TestUserFiles)
#include "test_user_files.moc"
