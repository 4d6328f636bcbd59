#include "app/core/program_launcher.h"
#include "support/test_app.h"

#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// The box of the multiplication table in row and column 1 to 9.
QLineEdit* box(const QWidget* table, int row, int column) {
    return TestApp::control<QLineEdit>(table, u"Text1_%1"_s.arg((row - 1) * 9 + column - 1));
}

// Every box as a user sees it: its number, and its colour on the screen.
void verifyTheTable(QWidget* table) {
    QCOMPARE(table->findChildren<QLineEdit*>().size(), 81);
    const QImage screen = table->grab().toImage();
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const QLineEdit* cell = box(table, row, column);
            QCOMPARE(cell->text(), QString::number(row * column));
            const QPoint inside = cell->geometry().topLeft() + QPoint(5, cell->height() / 2);
            QCOMPARE(screen.pixelColor(inside),
                     row == 1 || column == 1 ? QColor(192, 255, 255) : QColor(192, 255, 192));
            QVERIFY(!cell->isReadOnly());
        }
    }
}

}  // namespace

class TestInformationScreens : public QObject {
    Q_OBJECT
private slots:
    void menuItems_data() {
        QTest::addColumn<PracticeKind>("kind");
        QTest::addColumn<QStringList>("items");  // about, help, summary, sounds, requirement, notes
        QTest::newRow("Form1") << PracticeKind::AdditionSubtraction
                               << QStringList{"mnuProgItem", "mnuhlpItem", "mnuitemRSS",
                                              "mnufileitem", "mnuItemSre", "mnubugitem"};
        QTest::newRow("Form2") << PracticeKind::MultiplicationDivision
                               << QStringList{"mnuProitem", "mnuhlpitem", "mnuItemRSS",
                                              "mnufilitem", "mnusreItem", "mnurelItem"};
    }
    // Each item shows its screen once however often it is chosen, or its message, or the
    // release notes from the data folder; the practice screen stays as it was.
    void menuItems() {
        QFETCH(PracticeKind, kind);
        QFETCH(QStringList, items);
        TestApp app(u"Ann"_s);
        QWidget* screen = app.open(kind);
        const ScreenId opened[] = {ScreenId::About, ScreenId::Help, ScreenId::ScoringSummary,
                                   ScreenId::SoundSetup};
        for (int i = 0; i < 4; ++i) {
            app.trigger(screen, items[i]);
            QWidget* window = app.find(opened[i]);
            QVERIFY2(window && window->isVisible(), qPrintable(items[i]));
            app.trigger(screen, items[i]);
            QCOMPARE(app.find(opened[i]), window);
        }
        app.click(app.find(ScreenId::Help), "Command1");
        QTRY_COMPARE(app.find(ScreenId::Help), nullptr);

        app.trigger(screen, items[4]);
        QCOMPARE(app.messages->texts,
                 QStringList{u"Windows 95/98/NT/2000, with at least 800X600 Resolution"_s});
        QCOMPARE(app.messages->titles[0], u"System Requirement"_s);

        app.trigger(screen, items[5]);
        app.trigger(screen, items[5]);
        const QString notes = app.folder.path(u"rel.txt"_s);
        const QStringList request{notes, app.folder.dir().absolutePath()};
        QCOMPARE(app.launcher->opened, (QList<QStringList>{request, request}));
        app.launcher->outcome = Failure{u"no such program"_s};
        app.trigger(screen, items[5]);
        QCOMPARE(app.messages->texts.last(),
                 u"The release notes \"%1\" could not be opened: no such program"_s.arg(notes));
        QVERIFY(screen->isVisible() && app.isOpen(screen));
    }

    // Typing into the table changes nothing for the next time it is shown.
    void multiplicationTableComesBackUnchanged() {
        TestApp app;
        QWidget* table = app.show(ScreenId::MultiplicationTable);
        verifyTheTable(table);
        QCOMPARE(box(table, 3, 4)->accessibleName(), u"3 times 4"_s);
        QTest::keyClicks(box(table, 7, 8), u"99"_s);
        table->close();
        QTRY_COMPARE(app.find(ScreenId::MultiplicationTable), nullptr);
        verifyTheTable(app.show(ScreenId::MultiplicationTable));
    }

    // The editor starts in the given folder and is not waited for: it writes its line only
    // once the test lets it go, or after ten seconds. Each request starts another one; one
    // that cannot start is named.
    void launcherStartsAnEditorPerRequest() {
        QTemporaryDir folder;
        const QString log = folder.filePath(u"started.log"_s), go = folder.filePath(u"go"_s);
        const QString editor = folder.filePath(u"editor"_s), notes = folder.filePath(u"rel.txt"_s);
        QFile script(editor);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(u"#!/bin/sh\nfor i in $(seq 200); do [ -e '%1' ] && break; sleep 0.05; done\n"
                     "echo \"$PWD $*\" >> '%2'\n"_s.arg(go, log).toUtf8());
        script.close();
        const QString unstartable = SystemProgramLauncher(editor, {}).openInTextEditor(notes, {}).error();
        QVERIFY2(unstartable.startsWith(u"\"%1\" could not be started: "_s.arg(editor)) &&
                     unstartable.size() > editor.size() + 30,
                 qPrintable(unstartable));
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        SystemProgramLauncher launcher(editor, {u"-t"_s});
        QVERIFY(launcher.openInTextEditor(notes, folder.path()));
        QVERIFY(launcher.openInTextEditor(notes, folder.path()));
        QVERIFY(!QFile::exists(log));
        QFile(go).open(QIODevice::WriteOnly);
        const QString line = folder.path() + u" -t "_s + notes + u'\n';
        const auto started = [&log] {
            QFile file(log);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(started(), line + line, 10000);
    }
};

QTEST_MAIN(TestInformationScreens)
#include "test_information_screens.moc"
