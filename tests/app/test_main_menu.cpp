#include "app/core/settings_file.h"
#include "support/test_app.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kNoSuchUser =
    u"No such user in the database yet!  Please go to  Change User button to create"_s;
const QString kUserExists =
    u"User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed"_s;
const QString kRestoreWarning =
    u"Do this only you have problem retrieving record or if you want to reset the record to "
    "original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY"_s;

QLineEdit* userBox(const QWidget* menu) {
    return TestApp::control<QLineEdit>(menu, "Text1");
}

void changeUserTo(const QWidget* menu, const QString& name) {
    userBox(menu)->setText(name);
    TestApp::click(menu, "Command6");
}

QList<int> operands(const QWidget* screen) {
    QList<int> values;
    for (int k = 0; k < kOperandCount; ++k) values.append(TestApp::operand(screen, k));
    return values;
}

QString caption(const QString& program, int spaces, const QString& user) {
    return program + QString(spaces, u' ') + u" User: - "_s + user;
}

// Messages shown for the answers given to its questions.
struct Dialogue {
    QList<bool> answers;
    QStringList messages;
};

}  // namespace

Q_DECLARE_METATYPE(Dialogue)

class TestMainMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The user and the award paths come from the settings file; no database is opened. A
    // missing or unreadable file is named in one message, and the menu still comes up.
    void startUp() {
        TestApp app, none, unreadable;
        app.folder.writeSettings(u" Ann Lee "_s);
        QCOMPARE(userBox(app.show(ScreenId::MainMenu))->text(), u" Ann Lee "_s);
        QCOMPARE(app.context.settings.stored.awardSoundPaths[1], u"a1.mid"_s);
        QVERIFY(app.messages->texts.isEmpty());
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
        QVERIFY(unreadable.folder.dir().mkdir(SettingsFile::kFileName));
        for (TestApp* started : {&none, &unreadable}) {
            QCOMPARE(userBox(started->show(ScreenId::MainMenu))->text(), QString());
            QCOMPARE(started->messages->texts.size(), 1);
            QVERIFY(started->messages->texts[0].contains(u"\"path.mpt\""_s));
        }
    }

    void opening_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ScreenId>("screen");
        QTest::newRow("Command1") << u"Command1"_s << ScreenId::AddSubPractice;
        QTest::newRow("Command4") << u"Command4"_s << ScreenId::ScoringSummary;
    }
    // Only once the user's database is there; a practice screen takes the menu's place, the
    // summary opens beside it. (A typed, unconfirmed name: the summary's suite.)
    void opening() {
        QFETCH(QString, button);
        QFETCH(ScreenId, screen);
        TestApp app(u"Ann"_s);
        QVERIFY(QFile::remove(app.folder.path(u"Ann.mdb"_s)));
        QWidget* menu = app.show(ScreenId::MainMenu);
        app.click(menu, button);
        QCOMPARE(app.messages->texts, QStringList{kNoSuchUser});
        QVERIFY(menu->isVisible() && !app.find(screen));
        app.folder.makeUserDatabase(u"Ann"_s);
        app.click(menu, button);
        QVERIFY(app.isVisible(screen));
        QCOMPARE(menu->isVisible(), screen == ScreenId::ScoringSummary);
        QCOMPARE(app.messages->texts.size(), 1);
    }

    void changeUser_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Dialogue>("dialogue");
        QTest::addColumn<QString>("user");  // the current user afterwards
        const auto row = [](const char* name, const QString& typed, const Dialogue& dialogue,
                            const QString& user) {
            QTest::newRow(name) << typed << dialogue << user;
        };
        const QString offer = u"No such user in the database yet!  Ok to create"_s;
        row("existing, in another case", u"BOB"_s, {{}, {kUserExists}}, u"BOB"_s);
        const QString created =
            u"User Created, hit Addition/Subtraction or Multiplication/Division to Proceed"_s;
        row("new and created", u"Zoë"_s, {{}, {offer, created}}, u"Zoë"_s);
        row("new, creation declined", QString(), {{false}, {offer}}, QString());
        row("impossible", u"../Ann"_s,
            {{},
             {u"A user name cannot contain the character \"/\". The current user stays "
              "as it was."_s}},
            u"Ann"_s);
    }
    // The name is saved before the database is offered; award paths pass through unchanged.
    void changeUser() {
        QFETCH(QString, typed);
        QFETCH(Dialogue, dialogue);
        QFETCH(QString, user);
        TestApp app(u"Ann"_s);
        app.folder.makeUserDatabase(u"Bob"_s, 2);
        app.messages->answers = dialogue.answers;
        changeUserTo(app.show(ScreenId::MainMenu), typed);
        QCOMPARE(app.messages->texts, dialogue.messages);
        QCOMPARE(app.context.settings.userName(), user);
        QCOMPARE(app.context.settingsOwner.file().read().settings.userName, user);
        QCOMPARE(app.context.settings.stored.awardSoundPaths[2], u"a2.mp3"_s);
        QCOMPARE(app.folder.recordCount(u"Bob.mdb"_s), 2);
        QCOMPARE(app.context.users.exists(user), !user.isEmpty());
        if (dialogue.messages.size() == 2) QCOMPARE(app.folder.recordCount(typed + u".mdb"_s), 0);
    }

    void unwritableSettingsKeepTheCurrentUser() {
        TestApp app(u"Ann"_s);
        const QWidget* menu = app.show(ScreenId::MainMenu);
        QVERIFY(QFile::remove(app.folder.path(SettingsFile::kFileName)));
        QVERIFY(app.folder.dir().mkpath(SettingsFile::kFileName + u"/x"_s));
        changeUserTo(menu, u"Bob"_s);
        QCOMPARE(app.messages->texts.size(), 1);
        QVERIFY(app.messages->texts[0].contains(u"\"path.mpt\""_s));
        QCOMPARE(app.context.settings.userName(), u"Ann"_s);
        QVERIFY(!QFile::exists(app.folder.path(u"Bob.mdb"_s)));
    }

    void restore_data() {
        QTest::addColumn<int>("records");  // before; -1: no database
        QTest::addColumn<Dialogue>("dialogue");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("templateGone");  // the last message then starts as given
        const QStringList all{kRestoreWarning, u"Are you really sure? "_s,
                              u"Original Database restored!"_s};
        QTest::newRow("cancelled") << 4 << Dialogue{{false}, all.mid(0, 1)} << 4 << false;
        QTest::newRow("cancelled when asked again")
            << 4 << Dialogue{{true, false}, all.mid(0, 2)} << 4 << false;
        QTest::newRow("confirmed twice") << 4 << Dialogue{{}, all} << 0 << false;
        QTest::newRow("missing database made") << -1 << Dialogue{{}, all} << 0 << false;
        const QString failed =
            u"The database \"Ann.mdb\" was not replaced: the template "
            "\"Default User.mdk\" cannot be copied: "_s;
        QTest::newRow("template gone") << 3 << Dialogue{{}, all.mid(0, 2) << failed} << 3 << true;
    }
    void restore() {
        QFETCH(int, records);
        QFETCH(Dialogue, dialogue);
        QFETCH(int, left);
        QFETCH(bool, templateGone);
        TestApp app;
        app.folder.writeSettings(u"Ann"_s);
        if (records >= 0) app.folder.makeUserDatabase(u"Ann"_s, records);
        app.messages->answers = dialogue.answers;
        if (templateGone) QVERIFY(QFile::remove(app.context.users.templatePath()));
        app.click(app.show(ScreenId::MainMenu), "Command5");
        QStringList seen = app.messages->texts;
        if (templateGone && seen.size() == 3) seen[2].truncate(dialogue.messages[2].size());
        QCOMPARE(seen, dialogue.messages);
        QCOMPARE(app.folder.recordCount(u"Ann.mdb"_s), left);
    }

    // Through the real screens: the menu opens a practice screen, which switches to the
    // other; after a change of user each shows the new name once it is shown again. Each
    // keeps its sheet, answers and running countdown while the other is shown.
    void captionsNameTheCurrentUser() {
        const QString addSub = u"The Brenlo Math Practice Program 2.5 -plus and minus"_s;
        const QString mulDiv = u"The Brenlo Math Practice Program 2.5 -times and divide"_s;
        TestApp app(u"Ann"_s);
        app.folder.makeUserDatabase(u"bob"_s);
        QWidget* menu = app.show(ScreenId::MainMenu);
        QCOMPARE(menu->windowTitle(), u"The Brenlo Math Practice Program 2.5.1"_s);
        app.click(menu, "Command1");
        QWidget* form1 = app.find(ScreenId::AddSubPractice);
        QCOMPARE(form1->windowTitle(), caption(addSub, 48, u"Ann"_s));
        const QList<int> form1Sheet = operands(form1);
        QTest::keyClicks(app.answer(form1, 0), u"7"_s);
        app.trigger(form1, "mnuMadItem");
        QWidget* form2 = app.find(ScreenId::MulDivPractice);
        QCOMPARE(form2->windowTitle(), caption(mulDiv, 47, u"Ann"_s));
        const QList<int> form2Sheet = operands(form2);

        form2->hide();
        menu->show();
        userBox(menu)->setText(u"Bob"_s);
        QTest::keyClick(userBox(menu), Qt::Key_Return);
        QCOMPARE(app.messages->texts, QStringList{kUserExists});
        app.click(menu, "Command3");
        QCOMPARE(form2->windowTitle(), caption(mulDiv, 47, u"Bob"_s));
        app.trigger(form2, "mnuBasItem");
        QCOMPARE(form1->windowTitle(), caption(addSub, 48, u"Bob"_s));
        QVERIFY(form1->isVisible() && !form2->isVisible() && !menu->isVisible());
        app.trigger(form1, "mnuMadItem");
        QCOMPARE(app.find(ScreenId::MulDivPractice), form2);
        QCOMPARE(operands(form1), form1Sheet);
        QCOMPARE(operands(form2), form2Sheet);
        QCOMPARE(app.answer(form1, 0)->text(), u"7"_s);
        QVERIFY(app.isOpen(form1) && app.isOpen(form2));
    }

    void everyWayOutEndsTheProgram_data() {
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<QString>("control");  // empty: the window's close box
        QTest::newRow("Form3 Exit") << ScreenId::MainMenu << u"Command2"_s;
        QTest::newRow("Form3 close box") << ScreenId::MainMenu << QString();
        QTest::newRow("Form1 Quit") << ScreenId::AddSubPractice << u"Command5"_s;
        QTest::newRow("Form2 Exit item") << ScreenId::MulDivPractice << u"mnuexiitem"_s;
        QTest::newRow("Form1 close box") << ScreenId::AddSubPractice << QString();
    }
    // At once: no screen's own closing steps run, so no sheet is stored.
    void everyWayOutEndsTheProgram() {
        QFETCH(ScreenId, screen);
        QFETCH(QString, control);
        TestApp app(u"Ann"_s);
        QWidget* window = app.show(screen);
        if (control.isEmpty())
            window->close();
        else if (control.startsWith(u"mnu"_s))
            app.trigger(window, control);
        else
            app.click(window, control);
        QCOMPARE(app.endRequests, 1);
        QCOMPARE(app.folder.recordCount(u"Ann.mdb"_s), 0);
        QVERIFY(app.messages->texts.isEmpty());
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_main_menu.moc"
