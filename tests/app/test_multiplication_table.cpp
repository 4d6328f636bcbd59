#include "app/app_context.h"
#include "app/app_screens.h"
#include "support/test_data_folder.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr int kSide = 9;
const QColor kHeaderColour(192, 255, 255);
const QColor kProductColour(192, 255, 192);

QLineEdit* box(QWidget* table, int row, int column) {
    return table->findChild<QLineEdit*>(
        QStringLiteral("Text1_%1").arg((row - 1) * kSide + column - 1));
}

// Every box as a user sees it: its number, its colour on screen and its font.
void verifyTheTable(QWidget* table) {
    QCOMPARE(table->findChildren<QLineEdit*>().size(), kSide * kSide);
    const QImage screen = table->grab().toImage();
    for (int row = 1; row <= kSide; ++row) {
        for (int column = 1; column <= kSide; ++column) {
            const QLineEdit* cell = box(table, row, column);
            const QString where = QStringLiteral("row %1 column %2").arg(row).arg(column);
            QVERIFY2(cell, qPrintable(where));
            QCOMPARE(cell->text(), QString::number(row * column));
            const QColor expected = row == 1 || column == 1 ? kHeaderColour : kProductColour;
            // Inside the frame, left of the centred number.
            const QPoint inside = cell->geometry().topLeft() + QPoint(5, cell->height() / 2);
            QVERIFY2(screen.pixelColor(inside) == expected, qPrintable(where));
            QVERIFY(cell->font().bold());
            QCOMPARE(cell->font().pointSizeF(), 8.25);
            QVERIFY(!cell->isReadOnly());
            QVERIFY2(!cell->accessibleName().isEmpty(), qPrintable(where));
        }
    }
}

struct Started {
    Started() : context(folder.dir()) { provideAppScreens(context); }
    QWidget* showTable() { return context.screens.show(ScreenId::MultiplicationTable); }

    TestDataFolder folder;
    AppContext context;
};

}  // namespace

class TestMultiplicationTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheTableUnderItsCaption() {
        Started app;
        QWidget* table = app.showTable();
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->objectName(), QStringLiteral("Form6"));
        QCOMPARE(table->windowTitle(), QStringLiteral("Mulitiplication table"));
        QVERIFY(!table->isModal());
        verifyTheTable(table);
        QCOMPARE(box(table, 1, 9)->text(), QStringLiteral("9"));
        QCOMPARE(box(table, 9, 1)->text(), QStringLiteral("9"));
        QCOMPARE(box(table, 3, 4)->accessibleName(), QStringLiteral("3 times 4"));
    }

    void boxesFormAnEvenSquareGrid() {
        Started app;
        QWidget* table = app.showTable();
        const QRect first = box(table, 1, 1)->geometry();
        const int across = box(table, 1, 2)->x() - first.x();
        const int down = box(table, 2, 1)->y() - first.y();
        QVERIFY(across > first.width());
        QCOMPARE(across - first.width(), down - first.height());
        for (int row = 1; row <= kSide; ++row) {
            for (int column = 1; column <= kSide; ++column) {
                const QRect expected(first.x() + (column - 1) * across,
                                     first.y() + (row - 1) * down, first.width(), first.height());
                QCOMPARE(box(table, row, column)->geometry(), expected);
            }
        }
        QCOMPARE(table->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), kSide * kSide);
        QVERIFY(table->rect().contains(box(table, kSide, kSide)->geometry()));
    }

    void typedChangesAreGoneWhenTheWindowIsShownAgain() {
        Started app;
        QWidget* table = app.showTable();
        QLineEdit* product = box(table, 7, 8);
        product->selectAll();
        QTest::keyClicks(product, QStringLiteral("99"));
        QCOMPARE(product->text(), QStringLiteral("99"));
        QTest::keyClicks(box(table, 1, 1), QStringLiteral("x"));

        table->close();
        QTRY_COMPARE(app.context.screens.find(ScreenId::MultiplicationTable), nullptr);
        table = app.showTable();
        QVERIFY(table && table->isVisible());
        verifyTheTable(table);
    }

    void showingItAgainWhileOpenKeepsOneWindow() {
        Started app;
        QWidget* table = app.showTable();
        QCOMPARE(app.showTable(), table);
        int windows = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QStringLiteral("Form6") && widget->isVisible()) ++windows;
        QCOMPARE(windows, 1);
    }
};

QTEST_MAIN(TestMultiplicationTable)
#include "test_multiplication_table.moc"
