#include "app/core/app_title.h"
#include "app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Answers the next modal message box with `button`, after recording how it looked.
struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons;
};

void answerNextBox(Seen& seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(button)->click();
    });
}

}  // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void informIsAPlainOkBoxWithTheProgramsTitle() {
        QtMessageBoxes boxes;
        Seen seen;
        answerNextBox(seen, QMessageBox::Ok);
        boxes.inform(nullptr, QStringLiteral("Original Database restored!"));
        QCOMPARE(seen.title, kAppTitle);
        QCOMPARE(seen.text, QStringLiteral("Original Database restored!"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        answerNextBox(seen, QMessageBox::Ok);
        boxes.inform(nullptr, QStringLiteral("text"), QStringLiteral("System Requirement"));
        QCOMPARE(seen.title, QStringLiteral("System Requirement"));
    }

    void confirmIsTrueOnlyForOk() {
        QtMessageBoxes boxes;
        Seen seen;
        answerNextBox(seen, QMessageBox::Cancel);
        QVERIFY(!boxes.confirm(nullptr, QStringLiteral("Are you really sure? ")));
        QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.title, kAppTitle);

        answerNextBox(seen, QMessageBox::Ok);
        QVERIFY(boxes.confirm(nullptr, QStringLiteral("Are you really sure? ")));
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "test_message_boxes.moc"
