#include "app/about_screen.h"
#include "app/help_screen.h"
#include "app/core/program_launcher.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString labelText(QWidget* screen) {
    return screen->findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

}  // namespace

class TestInformationScreens : public QObject {
    Q_OBJECT
private slots:
    void helpNamesWhomToAsk() {
        HelpScreen help;
        QCOMPARE(help.objectName(), QStringLiteral("Form4"));
        QCOMPARE(help.windowTitle(), QStringLiteral("Help"));
        const QString text = labelText(&help);
        const QString prompt = QStringLiteral(
            "This program is menu driven, when entering, just hit tab, and it will bring you to "
            "the next field.  When time is up, all the fields will be locked.  Any question , "
            "please contact ");
        QVERIFY(text.startsWith(prompt));
        QVERIFY(QRegularExpression(QStringLiteral("^[\\w.-]+@[\\w-]+(\\.[\\w-]+)+$"))
                    .match(text.mid(prompt.size()))
                    .hasMatch());
        QCOMPARE(help.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("Close this Window"));
    }

    // One paragraph: the story, the invitation to write, the saying, the credits
    // ending with the month and year of the release.
    void aboutTellsItsStoryInOrder() {
        AboutScreen about;
        QCOMPARE(about.objectName(), QStringLiteral("about"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About this program"));
        const QString text = labelText(&about);
        QVERIFY(!text.contains(QLatin1Char('\n')));
        const QStringList inOrder{QStringLiteral("spreadsheet"), QStringLiteral("e-mail"),
                                  QStringLiteral("Practice Makes Perfect"),
                                  QStringLiteral("Credits")};
        qsizetype at = 0;
        for (const QString& part : inOrder) {
            const qsizetype found = text.indexOf(part, at);
            QVERIFY2(found >= 0, qPrintable(part));
            at = found;
        }
        QVERIFY(text.endsWith(QStringLiteral("December 2026.")));
    }

    // The editor is started in the data folder and not waited for: it writes its
    // line only once the test lets it go. Each request starts another one.
    void launcherStartsAnEditorPerRequest() {
        QTemporaryDir folder;
        const QString log = folder.filePath(QStringLiteral("started.log"));
        const QString go = folder.filePath(QStringLiteral("go"));
        const QString editor = folder.filePath(QStringLiteral("editor"));
        QFile script(editor);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\n"
                           "for i in $(seq 200); do [ -e '%1' ] && break; sleep 0.05; done\n"
                           "echo \"$PWD $*\" >> '%2'\n")
                .arg(go, log)
                .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        SystemProgramLauncher launcher(editor, {QStringLiteral("-t")});
        const QString notes = folder.filePath(QStringLiteral("rel.txt"));
        QCOMPARE(launcher.openInTextEditor(notes, folder.path()), std::nullopt);
        QCOMPARE(launcher.openInTextEditor(notes, folder.path()), std::nullopt);
        QVERIFY(!QFile::exists(log));
        QFile(go).open(QIODevice::WriteOnly);
        const QString line = folder.path() + QStringLiteral(" -t ") + notes + QLatin1Char('\n');
        QTRY_COMPARE_WITH_TIMEOUT(readAll(log), line + line, 10000);
    }

    void launcherNamesAProgramThatCannotStart() {
        SystemProgramLauncher launcher(QStringLiteral("/nonexistent/brenlo-editor"), {});
        const std::optional<QString> error =
            launcher.openInTextEditor(QStringLiteral("rel.txt"), QDir::tempPath());
        QVERIFY(error.has_value());
        QVERIFY2(error->startsWith(QStringLiteral("\"/nonexistent/brenlo-editor\" could not be "
                                                  "started: ")) &&
                     error->size() > 50,
                 qPrintable(*error));
    }

private:
    static QString readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

QTEST_MAIN(TestInformationScreens)
#include "test_information_screens.moc"
