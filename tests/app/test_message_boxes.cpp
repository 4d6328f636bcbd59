#include "app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// Real modal boxes, answered once they show: plain, with the program's title unless they
// bring their own, and OK, or OK and Cancel.
class TestMessageBoxes : public QObject {
    Q_OBJECT

    // How the next box looked, as "title|text|icon|buttons", after answering it.
    QString seen;
    void answerNextBox(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = u"%1|%2|%3|%4"_s.arg(box->windowTitle(), box->text())
                       .arg(box->icon())
                       .arg(box->standardButtons());
            box->button(button)->click();
        });
    }

private Q_SLOTS:
    void boxes() {
        const QString app = u"The Brenlo Math Practice Program 2.5.1"_s;
        const QString okOnly = u"|0|%1"_s.arg(QMessageBox::Ok);
        QtMessageBoxes boxes;
        answerNextBox(QMessageBox::Ok);
        boxes.inform(nullptr, u"Restored!"_s);
        QCOMPARE(seen, app + u"|Restored!"_s + okOnly);
        answerNextBox(QMessageBox::Ok);
        boxes.inform(nullptr, u"Windows"_s, u"System Requirement"_s);
        QCOMPARE(seen, u"System Requirement|Windows"_s + okOnly);
        for (const auto button : {QMessageBox::Ok, QMessageBox::Cancel}) {
            answerNextBox(button);
            QCOMPARE(boxes.confirm(nullptr, u"Sure?"_s), button == QMessageBox::Ok);
            QCOMPARE(seen, app + u"|Sure?|0|%1"_s.arg(QMessageBox::Ok | QMessageBox::Cancel));
        }
        // A note returns at once, holds nothing up and goes when it is answered.
        boxes.notify(nullptr, u"Later"_s);
        QPointer note = qobject_cast<QMessageBox*>(QApplication::topLevelWidgets().value(0));
        QVERIFY(note && note->isVisible() && !note->isModal() && note->text() == u"Later"_s);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        note->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(!note);
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "test_message_boxes.moc"
