#pragma once

#include <QKeyEvent>
#include <QWidget>

// A small modeless window of its own: made afresh each time it is opened, and
// closed by its frame or by Escape, as a dialog is.
class DialogWindow : public QWidget {
    Q_OBJECT
public:
    DialogWindow(const QString& name, const QString& title) {
        setObjectName(name);
        setWindowTitle(title);
        setWindowFlag(Qt::Dialog);
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            close();
        else
            QWidget::keyPressEvent(event);
    }
};
