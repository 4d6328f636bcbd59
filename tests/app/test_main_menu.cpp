#include "app/app_context.h"
#include "app/app_screens.h"
#include "app/core/app_title.h"
#include "app/main_menu.h"
#include "app/core/settings_file.h"
#include "practice/core/score_table.h"
#include "support/scripted_message_boxes.h"
#include "support/test_data_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kNoSuchUser =
    QStringLiteral("No such user in the database yet!  Please go to  Change User button to create");
const QString kUserExists = QStringLiteral(
    "User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed");
const QString kOfferToCreate = QStringLiteral("No such user in the database yet!  Ok to create");
const QString kUserCreated =
    QStringLiteral("User Created, hit Addition/Subtraction or Multiplication/Division to Proceed");
const QString kRestoreWarning = QStringLiteral(
    "Do this only you have problem retrieving record or if you want to reset the record to "
    "original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY");
const QString kRestoreSure = QStringLiteral("Are you really sure? ");
const QString kRestored = QStringLiteral("Original Database restored!");

// The main menu started on a data folder, as main() starts it, with its message
// boxes answered by the test and stand-in screens where later subsystems go.
struct Started {
    explicit Started(const TestDataFolder& folder) : context(folder.dir()) {
        auto scripted = std::make_unique<ScriptedMessageBoxes>();
        messages = scripted.get();
        context.messages = std::move(scripted);
        context.endProgram = [this] { ++endRequests; };
        for (ScreenId id :
             {ScreenId::AddSubPractice, ScreenId::MulDivPractice, ScreenId::ScoringSummary})
            context.screens.provide(id, [] { return std::make_unique<QLabel>(); });
        provideAppScreens(context);
        menu = context.screens.show(ScreenId::MainMenu);
    }

    QPushButton* button(const char* name) const {
        return menu->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QLineEdit* userBox() const { return menu->findChild<QLineEdit*>(QStringLiteral("Text1")); }
    void changeUserTo(const QString& name) const {
        userBox()->setText(name);
        button("Command6")->click();
    }
    QString settingsUser() const {
        return context.settingsOwner.file().read().settings.userName;
    }

    AppContext context;
    ScriptedMessageBoxes* messages = nullptr;
    QWidget* menu = nullptr;
    int endRequests = 0;
};

}  // namespace

class TestMainMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsEveryControlAndTheCurrentUser() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral(" Ann Lee "));
        Started app(folder);
        QCOMPARE(app.menu->objectName(), QStringLiteral("Form3"));
        QCOMPARE(app.menu->windowTitle(), kAppTitle);
        QVERIFY(app.menu->isVisible());
        QCOMPARE(app.userBox()->text(), QStringLiteral(" Ann Lee "));
        QCOMPARE(app.context.settings.stored.awardSoundPaths[1], QStringLiteral("a1.mid"));

        const QList<std::pair<const char*, QString>> captions{
            {"Command1", QStringLiteral("Addition and Subtraction")},
            {"Command3", QStringLiteral("Multiplication and Division")},
            {"Command6", QStringLiteral("<<<-CHANGE USER AND ENTER")},
            {"Command4", QStringLiteral("Score Summary")},
            {"Command5", QStringLiteral("Restore  DATABASE")},
            {"Command2", QStringLiteral("Exit out of the program")}};
        for (const auto& [name, caption] : captions) {
            QPushButton* button = app.button(name);
            QVERIFY2(button, name);
            QCOMPARE(button->text(), caption);
            QVERIFY(!button->accessibleName().isEmpty());
            QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("Math"));
        }
        QVERIFY(!app.userBox()->accessibleName().isEmpty());
        QVERIFY(app.menu->findChild<QLabel*>(QStringLiteral("Label1")));
        QVERIFY(app.messages->shown.isEmpty());
        // Nothing at start-up touches a database.
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    void startsWithoutASettingsFile() {
        TestDataFolder folder;
        Started app(folder);
        QVERIFY(app.menu->isVisible());
        QCOMPARE(app.userBox()->text(), QString());
        QCOMPARE(app.messages->shown.size(), 1);
        QVERIFY(app.messages->shown[0].text.contains(QStringLiteral("\"path.mpt\"")));

        // The next write makes the whole file.
        app.context.settings.stored.awardSoundPaths[4] = QStringLiteral("tada.wav");
        app.changeUserTo(QStringLiteral("Ann"));
        QCOMPARE(folder.readFile(SettingsFile::kFileName),
                 QByteArray("[Sound]\r\n\r\n\r\n\r\n\r\ntada.wav\r\n[User]\r\nAnn\r\n[Award]\r\n"));
    }

    void unreadableSettingsAreReportedByName() {
        TestDataFolder folder;
        QVERIFY(folder.dir().mkdir(SettingsFile::kFileName));
        Started app(folder);
        QVERIFY(app.menu->isVisible());
        QCOMPARE(app.messages->shown.size(), 1);
        QVERIFY(app.messages->shown[0].text.contains(QStringLiteral("\"path.mpt\"")));
    }

    void openingButtonsNeedTheCurrentUsersDatabase() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        Started app(folder);
        // A name typed but not confirmed changes nothing.
        folder.makeUserDatabase(QStringLiteral("Bob"));
        app.userBox()->setText(QStringLiteral("Bob"));
        for (const char* name : {"Command1", "Command3", "Command4"}) {
            app.messages->shown.clear();
            app.button(name)->click();
            QCOMPARE(app.messages->texts(), QStringList({kNoSuchUser}));
            QVERIFY(app.menu->isVisible());
        }
        QCOMPARE(app.context.screens.find(ScreenId::AddSubPractice), nullptr);
        QCOMPARE(app.context.screens.find(ScreenId::ScoringSummary), nullptr);
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("Ann.mdb"))));
    }

    void practiceButtonsShowTheScreenAndHideTheMenu() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("ann"));  // found whatever the case
        Started app(folder);

        app.button("Command1")->click();
        QWidget* addSub = app.context.screens.find(ScreenId::AddSubPractice);
        QVERIFY(addSub && addSub->isVisible());
        QVERIFY(!app.menu->isVisible());

        app.menu->show();
        app.button("Command3")->click();
        QWidget* mulDiv = app.context.screens.find(ScreenId::MulDivPractice);
        QVERIFY(mulDiv && mulDiv->isVisible());
        QVERIFY(!app.menu->isVisible());
        QVERIFY(app.messages->shown.isEmpty());
    }

    void summaryButtonKeepsTheMenuVisible() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Ann"));
        Started app(folder);
        app.button("Command4")->click();
        QVERIFY(app.context.screens.isVisible(ScreenId::ScoringSummary));
        QVERIFY(app.menu->isVisible());
    }

    void changeToAnExistingUser() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Bob"), 2);
        Started app(folder);
        const QByteArray bobBefore = folder.readFile(QStringLiteral("Bob.mdb"));

        app.changeUserTo(QStringLiteral("BOB"));
        QCOMPARE(app.messages->texts(), QStringList({kUserExists}));
        QVERIFY(!app.messages->shown[0].question);
        QCOMPARE(app.context.settings.userName(), QStringLiteral("BOB"));
        QCOMPARE(app.settingsUser(), QStringLiteral("BOB"));
        QCOMPARE(app.userBox()->text(), QStringLiteral("BOB"));
        QCOMPARE(folder.readFile(QStringLiteral("Bob.mdb")), bobBefore);
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("BOB.mdb"))));
        // The sound paths went through the file and came back unchanged.
        QCOMPARE(app.context.settings.stored.awardSoundPaths[2], QStringLiteral("a2.mp3"));
    }

    void changeToANewUserAndCreateIt() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        Started app(folder);
        app.changeUserTo(QStringLiteral("Zoë"));
        QCOMPARE(app.messages->texts(), QStringList({kOfferToCreate, kUserCreated}));
        QVERIFY(app.messages->shown[0].question);
        const QFileInfo made(folder.path(QStringLiteral("Zoë.mdb")));
        QVERIFY(made.isFile());
        QVERIFY(made.isWritable());
        QCOMPARE(folder.recordCount(QStringLiteral("Zoë.mdb")), 0);
        QVERIFY(
            !(QFileInfo(folder.path(UserFiles::kTemplateName)).permissions() & QFile::WriteOwner));
        QCOMPARE(app.settingsUser(), QStringLiteral("Zoë"));
    }

    void declinedCreationStillSavesTheNewName() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        Started app(folder);
        app.messages->answers = {false};
        app.changeUserTo(QString());
        QCOMPARE(app.messages->texts(), QStringList({kOfferToCreate}));
        QVERIFY(!QFile::exists(folder.path(QStringLiteral(".mdb"))));
        QCOMPARE(app.context.settings.userName(), QString());
        QCOMPARE(app.settingsUser(), QString());
        app.messages->shown.clear();
        app.button("Command1")->click();
        QCOMPARE(app.messages->texts(), QStringList({kNoSuchUser}));
    }

    void impossibleNamesAreRefusedAndNothingChanges() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        const QByteArray settingsBefore = folder.readFile(SettingsFile::kFileName);
        Started app(folder);
        for (const QString& name : {QStringLiteral("../Ann"), QStringLiteral(".."),
                                    QStringLiteral("a\tb"), QString(300, QLatin1Char('x'))}) {
            app.messages->shown.clear();
            app.changeUserTo(name);
            QCOMPARE(app.messages->shown.size(), 1);
            QVERIFY(!app.messages->shown[0].question);
            QCOMPARE(app.context.settings.userName(), QStringLiteral("Ann"));
        }
        QCOMPARE(folder.readFile(SettingsFile::kFileName), settingsBefore);
        QCOMPARE(folder.dir().entryList(QDir::Files | QDir::Hidden),
                 QStringList({UserFiles::kTemplateName, SettingsFile::kFileName}));
    }

    void unwritableSettingsKeepTheCurrentUser() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        Started app(folder);
        const QString settings = folder.path(SettingsFile::kFileName);
        QVERIFY(QFile::setPermissions(settings, QFile::ReadOwner | QFile::ReadGroup));
        app.changeUserTo(QStringLiteral("Bob"));
        QVERIFY(QFile::remove(settings));
        QVERIFY(folder.dir().mkpath(SettingsFile::kFileName + QStringLiteral("/x")));
        app.changeUserTo(QStringLiteral("Bob"));

        QCOMPARE(app.messages->shown.size(), 2);
        for (const auto& message : app.messages->shown)
            QVERIFY2(message.text.contains(QStringLiteral("\"path.mpt\"")),
                     qPrintable(message.text));
        QCOMPARE(app.context.settings.userName(), QStringLiteral("Ann"));
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("Bob.mdb"))));
    }

    void restoreAsksTwiceBeforeEmptyingTheDatabase() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Ann"), 4);
        Started app(folder);

        app.messages->answers = {false};
        app.button("Command5")->click();
        QCOMPARE(app.messages->texts(), QStringList({kRestoreWarning}));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 4);

        app.messages->shown.clear();
        app.messages->answers = {true, false};
        app.button("Command5")->click();
        QCOMPARE(app.messages->texts(), QStringList({kRestoreWarning, kRestoreSure}));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 4);

        app.messages->shown.clear();
        app.button("Command5")->click();
        QCOMPARE(app.messages->texts(), QStringList({kRestoreWarning, kRestoreSure, kRestored}));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 0);
        QVERIFY(QFileInfo(folder.path(QStringLiteral("Ann.mdb"))).isWritable());
    }

    void restoreCreatesAMissingDatabase() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        Started app(folder);
        app.button("Command5")->click();
        QCOMPARE(app.messages->texts().last(), kRestored);
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 0);
    }

    void restoreReleasesAHeldConnectionFirst() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Ann"), 3);
        Started app(folder);
        const QString file = folder.path(QStringLiteral("Ann.mdb"));
        DatabaseConnection held = app.context.databases.open(file);
        ScoreStore store(app.context.databases);
        QCOMPARE(
            store.store(file, {QDate(2026, 12, 6), 9, QStringLiteral("5"), QStringLiteral("Easy"),
                               QStringLiteral("Minus and Plus Practice program")}),
            std::nullopt);

        app.button("Command5")->click();
        QCOMPARE(app.messages->texts().last(), kRestored);
        QVERIFY(!held.isOpen());
        QVERIFY(!QFile::exists(file + QStringLiteral("-wal")));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 0);
        // The restored database takes new records.
        QCOMPARE(store.store(file,
                             {QDate(2026, 12, 6), 18, QStringLiteral("2"), QStringLiteral("Normal"),
                              QStringLiteral("Minus and Plus Practice program")}),
                 std::nullopt);
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 1);
    }

    void failedRestoreKeepsTheRecords() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Ann"), 3);
        QFile::setPermissions(folder.path(UserFiles::kTemplateName),
                              QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(QFile::remove(folder.path(UserFiles::kTemplateName)));
        Started app(folder);
        app.button("Command5")->click();
        const QString last = app.messages->texts().last();
        QVERIFY(last.contains(QStringLiteral("Ann.mdb")));
        QVERIFY(last.contains(UserFiles::kTemplateName));
        QCOMPARE(folder.recordCount(QStringLiteral("Ann.mdb")), 3);
    }

    void exitAndTheCloseBoxEndTheProgram() {
        TestDataFolder folder;
        Started app(folder);
        app.button("Command2")->click();
        QCOMPARE(app.endRequests, 1);
        app.menu->close();
        QCOMPARE(app.endRequests, 2);
    }

    void enterInTheUserBoxChangesTheUser() {
        TestDataFolder folder;
        folder.writeSettings(QStringLiteral("Ann"));
        folder.makeUserDatabase(QStringLiteral("Bob"));
        Started app(folder);
        app.userBox()->setText(QStringLiteral("Bob"));
        QTest::keyClick(app.userBox(), Qt::Key_Return);
        QCOMPARE(app.messages->texts(), QStringList({kUserExists}));
        QCOMPARE(app.context.settings.userName(), QStringLiteral("Bob"));
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
