#pragma once

#include <QString>

class QWidget;

// The standard dialog that asks where to save a file; tests answer it.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen file, or an empty text when the user cancelled. An existing file
    // is only chosen after the dialog's own confirmation to replace it. `filter` may
    // offer several types, split by ";;"; the one chosen goes to `chosenFilter`.
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedPath, const QString& filter,
                                 QString* chosenFilter = nullptr) = 0;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter, QString* chosenFilter = nullptr) override;
};
