#include "file_dialogs.h"

#include <QFileDialog>

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& caption,
                                    const QString& suggestedPath, const QString& filter,
                                    QString* chosenFilter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter, chosenFilter);
}
