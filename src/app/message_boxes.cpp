#include "message_boxes.h"

#include "app/core/app_title.h"

#include <QMessageBox>

#include <memory>

namespace {

QMessageBox* makeBox(QWidget* parent, const QString& title, const QString& text,
                     QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, title.isEmpty() ? appTitle() : title, text,
                                buttons, parent);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

int showBox(QWidget* parent, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons) {
    const std::unique_ptr<QMessageBox> box(makeBox(parent, title, text, buttons));
    return box->exec();
}

}  // namespace

void QtMessageBoxes::inform(QWidget* parent, const QString& text, const QString& title) {
    showBox(parent, title, text, QMessageBox::Ok);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text) {
    return showBox(parent, {}, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtMessageBoxes::notify(QWidget* parent, const QString& text) {
    QMessageBox* box = makeBox(parent, {}, text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
