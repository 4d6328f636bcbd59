#include "disk_audio.h"
#include "support/test_app.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QPointer>

#include <algorithm>
#include <cstdio>

#include <sys/stat.h>

namespace {

const QStringList kBrowse{"Command1", "Command5", "Command6", "Command7", "Command8"};
const QString kSettings = QStringLiteral("path.mpt");
const QStringList kSongs{"a.mp3", "b.WAV", "c.Mid", "new\nline.wav"};

// The test app with the real sound output, the sound screens, the settings file read,
// and a folder "songs" of sound files and others.
struct SoundRig : TestApp {
    SoundRig() : TestApp(QStringLiteral("Guest")) {
        context.audio = makeSystemAudioOutput();
        QDir(folder.path({})).mkpath(QStringLiteral("songs/wav"));
        for (const QString& name : kSongs + QStringList{"notes.txt", ".hidden.wav"})
            folder.writeFile("songs/" + name, "not a sound");
        std::fclose(std::fopen(QFile::encodeName(folder.path("songs/")) + "\xff.wav", "w"));
        QFile::copy(QStringLiteral(DATA_FOLDER "/sounds/perfect.wav"), folder.path("cheer.wav"));
        ::mkfifo(QFile::encodeName(folder.path("pipe.wav")).constData(), 0600);
        setup = context.screens.show(ScreenId::SoundSetup);
    }

    QWidget* chooser() const { return context.screens.find(ScreenId::SoundChooser); }
    QLineEdit* box(int k) const { return setup->findChild<QLineEdit*>(QString("Text1_%1").arg(k)); }
    QStringList boxes() const {
        QStringList texts;
        for (int k = 0; k < 5; ++k) texts << box(k)->text();
        return texts;
    }
    // A line break comes in as the user's could: pasted.
    void type(int k, const QString& text) const {
        box(k)->clear();
        QGuiApplication::clipboard()->setText(text);
        text.contains(u'\n') ? QTest::keyClick(box(k), Qt::Key_V, Qt::ControlModifier)
                             : QTest::keyClicks(box(k), text);
    }
    QStringList names(const char* list) const {
        QStringList texts;
        const QAbstractItemModel* model = chooser()->findChild<QAbstractItemView*>(list)->model();
        for (int i = 0; i < model->rowCount(); ++i)
            texts << model->index(i, 0).data().toString().trimmed();
        return texts;
    }
    // Picks a row once the list shows it; Return on a folder opens it, as a double click does.
    void pick(const char* list, const QString& name, bool open = false) const {
        auto* view = chooser()->findChild<QAbstractItemView*>(list);
        QTRY_VERIFY(names(list).contains(name));
        view->setCurrentIndex(view->model()->index(int(names(list).indexOf(name)), 0));
        if (open) QTest::keyClick(view, Qt::Key_Return);
    }

    QWidget* setup;
};

// A Browse on one row, what the chooser is given and how it is closed.
struct Browsing {
    int row = 0;
    QString typed{};                // typed into the first row's box before
    QString file{};                 // selected in the chooser's file list of "songs"
    QString closedBy = "Command1";  // Select, End ("Command2") or the frame ("frame")
    bool readOnlySettings = false;  // the settings file cannot be written
    bool taken = false;             // the row's box takes the chosen file
    QString message{};              // in the one message shown, if any
};

}  // namespace

Q_DECLARE_METATYPE(Browsing)

class TestSoundSetup : public QObject {
    Q_OBJECT

    QTemporaryDir disk_;

private Q_SLOTS:
    void initTestCase() {
        useDiskAudio();
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(disk_.filePath("out.raw")));
    }

    // A chosen file the settings can hold goes into the browsing row and is saved, or only
    // kept while the settings file is read-only.
    void browseHandsOneRowToTheChooser_data() {
        QTest::addColumn<Browsing>("browsing");
        const auto row = [](const char* name, Browsing browsing) {
            QTest::newRow(name) << browsing;
        };
        row("typed row 1 saved too",
            {.row = 4, .typed = "own.mid", .file = "a.mp3", .taken = true});
        row("End", {.row = 1, .typed = "own.mid", .file = "b.WAV", .closedBy = "Command2"});
        row("frame close", {.row = 1, .file = "b.WAV", .closedBy = "frame"});
        row("no file selected", {.row = 1, .message = "file list"});
        row("read-only settings",
            {.file = "c.Mid",
             .readOnlySettings = true,
             .taken = true,
             .message = "path.mpt\" could not be written: the file is read-only"});
        row("line break typed", {.row = 2,
                                 .typed = "x\ny.wav",
                                 .file = "b.WAV",
                                 .taken = true,
                                 .message = "contains a line"});
        row("line break chosen", {.row = 3, .file = "new\nline.wav", .message = "contains a line"});
    }

    void browseHandsOneRowToTheChooser() {
        QFETCH(Browsing, browsing);
        const auto& [row, typed, file, closedBy, readOnlySettings, taken, message] = browsing;
        SoundRig rig;
        const QString workingFolder = QDir::currentPath();
        QStringList expected = rig.boxes();
        const QByteArray before = rig.folder.readFile(kSettings);
        if (readOnlySettings) QFile::setPermissions(rig.folder.path(kSettings), QFile::ReadOwner);
        if (!typed.isEmpty()) rig.type(0, typed);
        SoundRig::click(rig.setup, QString("Command%1").arg(9 + row));  // "Not played: ..."

        SoundRig::click(rig.setup, kBrowse[row]);
        const QPointer<QWidget> chooser = rig.chooser();
        SoundRig::click(rig.setup, kBrowse[row]);
        QCOMPARE(rig.chooser(), chooser.data());
        rig.pick("Dir1", "songs", true);
        QTRY_COMPARE(rig.names("File1"), kSongs);
        QVERIFY(SoundRig::text(rig.chooser(), "problem").contains("its name is not valid text"));
        if (!file.isEmpty()) rig.pick("File1", file);
        const auto browseEnabled = [&](bool all) {
            for (int k = 0; k < 5; ++k)
                QCOMPARE(rig.setup->findChild<QPushButton*>(kBrowse[k])->isEnabled(),
                         all || k == row);
        };
        browseEnabled(false);
        for (QWidget* window : {rig.setup, rig.chooser()})
            for (QWidget* input : window->findChildren<QWidget*>())
                QVERIFY(input->focusPolicy() == Qt::NoFocus || !input->accessibleName().isEmpty());
        auto* drive = rig.chooser()->findChild<QComboBox*>("Drive1");
        drive->showPopup();
        QTest::keyClick(drive->view(), Qt::Key_Return);  // the drive shown, picked again
        QCOMPARE(rig.names("File1"), kSongs);
        closedBy == "frame" ? void(chooser->close()) : SoundRig::click(chooser, closedBy);

        QCOMPARE(rig.messages->texts.join("").contains(message), true);
        QCOMPARE(rig.messages->texts.size(), message.isEmpty() ? 0 : 1);
        if (!typed.isEmpty() && !typed.contains(u'\n')) expected[0] = typed;
        if (taken) expected[row] = rig.folder.path("songs/" + file);
        QCOMPARE(rig.boxes(), expected);
        QCOMPARE(SoundRig::text(rig.setup, "problem_" + QString::number(row)).isEmpty(), taken);
        const QString written =
            "[Sound]\r\n" + expected.join("\r\n") + "\r\n[User]\r\nGuest\r\n[Award]\r\n";
        QCOMPARE(rig.folder.readFile(kSettings),
                 taken && !readOnlySettings ? written.toUtf8() : before);
        const bool open = chooser && chooser->isVisible();
        QCOMPARE(open, file.isEmpty() && closedBy == "Command1");
        browseEnabled(!open);
        QCOMPARE(QDir::currentPath(), workingFolder);
    }

    // What is typed holds for the whole program at once, and is written by a change of
    // user, never by End.
    void theBoxesAreTheProgramsPaths() {
        SoundRig rig;
        QWidget* menu = rig.context.screens.show(ScreenId::MainMenu);
        rig.type(3, "typed.wav");
        QCOMPARE(rig.context.settings.stored.awardSoundPaths[3], "typed.wav");
        const QByteArray before = rig.folder.readFile(kSettings);
        SoundRig::click(rig.setup, "Command4");
        QVERIFY(!rig.setup->isVisible());
        QCOMPARE(rig.folder.readFile(kSettings), before);

        QCOMPARE(rig.context.screens.show(ScreenId::SoundSetup), rig.setup);
        QCOMPARE(rig.boxes()[3], "typed.wav");
        menu->findChild<QLineEdit*>("Text1")->setText("Kid");
        SoundRig::click(menu, "Command6");
        QVERIFY(rig.folder.readFile(kSettings).contains(
            "\r\ntyped.wav\r\na4.wav\r\n[User]\r\nKid\r\n"));

        StoredSettings other = rig.context.settings.stored;
        other.awardSoundPaths[1] = "read back.wav";
        QVERIFY(rig.context.settingsOwner.save(other));
        QCOMPARE(rig.boxes()[1], "read back.wav");
    }

    // A sound that cannot play says why beside its row, until that row's next test; the
    // program plays on.
    void testSoundPlaysTheBoxOrSaysWhyNot_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QString() << QString("Not played: no file is named");
        QTest::newRow("folder") << QString("songs") << QString("Not played: this is a folder");
        QTest::newRow("missing") << QString("gone.wav") << QString("Not played: there is no such");
        QTest::newRow("not a sound") << QString("songs/notes.txt") << QString("Not played: ");
        QTest::newRow("named pipe") << QString("pipe.wav") << QString("Not played: this is not a");
    }

    void testSoundPlaysTheBoxOrSaysWhyNot() {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        QFile::remove(disk_.filePath("out.raw"));
        SoundRig rig;
        auto* problem = rig.setup->findChild<QLabel*>("problem_2");
        rig.type(2, text);
        SoundRig::click(rig.setup, "Command11");
        QTRY_VERIFY(problem->text().startsWith(reason) && problem->text().size() > 13);
        QVERIFY(rig.setup->findChild<QLabel*>("problem_1")->text().isEmpty());

        rig.type(2, rig.folder.path("cheer.wav"));  // absolute; the practice screens play relative
        QVERIFY(problem->text().isEmpty());
        QCoreApplication::sendPostedEvents();  // lays the rows out again
        QCOMPARE(rig.box(3)->y() - rig.box(2)->y(), rig.box(2)->y() - rig.box(1)->y());
        SoundRig::click(rig.setup, "Command11");
        QVERIFY(problem->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(std::ranges::any_of(samplesIn(disk_.filePath("out.raw")), audible),
                                 15000);
    }
};

QTEST_MAIN(TestSoundSetup)
#include "test_sound_setup.moc"
