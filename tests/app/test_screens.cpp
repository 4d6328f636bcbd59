#include "app/screens.h"

#include <QLabel>
#include <QTest>

class TestScreens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachScreenIsCreatedOnceOnFirstUse() {
        Screens screens;
        int created = 0;
        screens.provide(ScreenId::Help, [&created] {
            ++created;
            return std::make_unique<QLabel>(QStringLiteral("help"));
        });

        QVERIFY(!screens.isVisible(ScreenId::Help));
        QCOMPARE(screens.find(ScreenId::Help), nullptr);
        QCOMPARE(created, 0);  // asking never creates

        QWidget* shown = screens.show(ScreenId::Help);
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(screens.show(ScreenId::Help), shown);
        QCOMPARE(screens.get(ScreenId::Help), shown);
        QCOMPARE(created, 1);

        shown->hide();
        QVERIFY(!screens.isVisible(ScreenId::Help));
        QCOMPARE(screens.find(ScreenId::Help), shown);  // hidden, not gone
    }

    void aClosedOrDestroyedScreenIsMadeAfresh() {
        Screens screens;
        int created = 0;
        screens.provide(ScreenId::About, [&created] {
            ++created;
            auto label = std::make_unique<QLabel>(QStringLiteral("about"));
            label->setAttribute(Qt::WA_DeleteOnClose);
            return label;
        });
        QWidget* first = screens.show(ScreenId::About);
        first->close();
        QTRY_COMPARE(screens.find(ScreenId::About), nullptr);
        screens.show(ScreenId::About);
        QCOMPARE(created, 2);
        screens.destroy(ScreenId::About);
        QCOMPARE(screens.find(ScreenId::About), nullptr);
    }
};

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
