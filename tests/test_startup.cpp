#include "startup.h"
#include "app/core/ui_language.h"
#include "support/fakes.h"
#include "support/test_data_folder.h"

#include <QGroupBox>

using namespace Qt::Literals::StringLiterals;

namespace {

bool mapped(const char* library) {
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

}  // namespace

// The program's own start: what it loads before the main menu's first frame, and the
// report screens from their module. Links no more than the program does, and its icon.
class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUp() {
        TestDataFolder folder;
        folder.writeSettings(u"Ann"_s);
        folder.makeUserDatabase(u"Ann"_s);
        nameToDesktop();
        // Read without a guess at its format, the icon loads no image plugin.
        QVERIFY(!QApplication::windowIcon().availableSizes().isEmpty());
        QVERIFY(!mapped("imageformats"));
        AppContext context(folder.dir());
        auto* messages = new ScriptedMessageBoxes;
        context.messages.reset(messages);
        QWidget* menu = startBrenlo(context);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCoreApplication::processEvents();
        for (const char* library : {"libQt6Charts", "libQt6PrintSupport", "imageformats"})
            QVERIFY2(!mapped(library), library);
        // Group box frames are Fusion's own, pixel for pixel, with a title and without.
        QGroupBox untitled;
        untitled.resize(80, 60);
        const QImage drawn = menu->grab().toImage(), drawnUntitled = untitled.grab().toImage();
        QApplication::setStyle(u"fusion"_s);
        QCOMPARE(menu->grab().toImage(), drawn);
        QCOMPARE(untitled.grab().toImage(), drawnUntitled);

        // The module binds to what the program exports, all of it at once.
        QVERIFY2(context.screens.show(ScreenId::ScoringSummary) &&
                     context.screens.get(ScreenId::Progress),
                 qPrintable(messages->texts.value(0)));
        QVERIFY(mapped("libQt6Charts"));
    }

    // The desktop's settings as "NAME=value" words, and the language the screens speak.
    void language_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("language");
        QTest::newRow("LANG") << u"LANG=de_DE.UTF-8"_s << u"de"_s;
        QTest::newRow("modifier, no territory") << u"LANG=nl@euro"_s << u"nl"_s;
        QTest::newRow("LC_ALL first") << u"LC_ALL=fr_FR LC_MESSAGES=es_ES LANG=de_DE"_s << u"fr"_s;
        QTest::newRow("LC_MESSAGES next") << u"LC_MESSAGES=it_IT.UTF-8 LANG=de_DE"_s << u"it"_s;
        QTest::newRow("LANGUAGE's first shipped")
            << u"LANGUAGE=pt_BR:sv:es LANG=de_DE.UTF-8"_s << u"es"_s;
        QTest::newRow("LANGUAGE's English") << u"LANGUAGE=en_GB:de LANG=de_DE.UTF-8"_s << QString();
        QTest::newRow("LANGUAGE beside C")
            << u"LANGUAGE=de LC_ALL=C.UTF-8 LANG=fr_FR"_s << QString();
        QTest::newRow("LANGUAGE's none shipped") << u"LANGUAGE=pt_BR LANG=de_DE"_s << QString();
        QTest::newRow("not shipped") << u"LANG=pt_BR.UTF-8"_s << QString();
        QTest::newRow("none set") << QString() << QString();
    }
    void language() {
        QFETCH(QString, settings);
        QProcessEnvironment environment;
        for (const QString& setting : settings.split(u' ', Qt::SkipEmptyParts))
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QTEST(uiLanguage(environment, isShipped), "language");
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
