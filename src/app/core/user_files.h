#pragma once

#include "atomic_file.h"

#include <QDir>
#include <QString>

#include <optional>

// A user is a name; the user exists when the data folder holds "<name>.mdb".
// Users are made and reset by copying the template database "Default User.mdk",
// which is kept read-only between copies.
class UserFiles {
public:
    static inline const QString kTemplateName = QStringLiteral("Default User.mdk");
    static inline const QString kDatabaseSuffix = QStringLiteral(".mdb");

    explicit UserFiles(QDir dataFolder) : dataFolder_(std::move(dataFolder)) {}

    // Fails with why `userName` cannot name a file in the data folder.
    static Result<void> checkName(const QString& userName);

    // The existence test: a regular file named "<name>.mdb" in any case of letters.
    bool exists(const QString& userName) const;

    // The path of the user's database: the existing file the existence test finds
    // (the exact name first), otherwise "<name>.mdb" in the data folder.
    QString databasePath(const QString& userName) const;

    // The copy steps: the template, which must be a regular file in the data folder
    // and is left read-only, replaces the user's database atomically once `check`
    // (when given) has found nothing wrong with the copy.
    // On failure the old database is intact.
    Result<void> makeDatabase(const QString& userName, const FileCheck& check = {}) const;

    QString templatePath() const { return dataFolder_.filePath(kTemplateName); }

private:
    std::optional<QString> findDatabase(const QString& userName) const;

    QDir dataFolder_;
};
