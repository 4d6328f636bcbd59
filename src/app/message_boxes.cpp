#include "message_boxes.h"

#include "app/core/app_title.h"

#include <QMessageBox>

namespace {

int showBox(QWidget* parent, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? appTitle() : title, text, buttons,
                    parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec();
}

}  // namespace

void QtMessageBoxes::inform(QWidget* parent, const QString& text, const QString& title) {
    showBox(parent, title, text, QMessageBox::Ok);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text) {
    return showBox(parent, {}, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
