#include "user_files.h"

#include "atomic_file.h"
#include "regular_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype kMaxFileNameBytes = 255;

// An empty score database is a few pages; a template far larger is no template.
constexpr qint64 kMaxTemplateBytes = 16 * 1024 * 1024;

}  // namespace

Result<void> UserFiles::checkName(const QString& userName) {
    if (userName == QStringLiteral(".") || userName == QStringLiteral(".."))
        return Failure{
            QCoreApplication::translate("UserFiles", "\"%1\" is not allowed as a user name.")
                .arg(userName)};
    for (const QChar c : userName) {
        if (c == QLatin1Char('/'))
            return Failure{QCoreApplication::translate(
                "UserFiles", "A user name cannot contain the character \"/\".")};
        if (c.category() == QChar::Other_Control)
            return Failure{QCoreApplication::translate(
                "UserFiles", "A user name cannot contain control characters.")};
    }
    if (QFile::encodeName(userName + kDatabaseSuffix).size() > kMaxFileNameBytes)
        return Failure{QCoreApplication::translate("UserFiles",
                                                   "The user name is too long to be a file name.")};
    return {};
}

std::optional<QString> UserFiles::findDatabase(const QString& userName) const {
    if (!checkName(userName)) return std::nullopt;
    const QString wanted = userName + kDatabaseSuffix;
    if (QFileInfo(dataFolder_.filePath(wanted)).isFile()) return wanted;
    const QFileInfoList entries =
        dataFolder_.entryInfoList({}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName().compare(wanted, Qt::CaseInsensitive) == 0) return entry.fileName();
    }
    return std::nullopt;
}

bool UserFiles::exists(const QString& userName) const {
    return findDatabase(userName).has_value();
}

QString UserFiles::databasePath(const QString& userName) const {
    return dataFolder_.filePath(findDatabase(userName).value_or(userName + kDatabaseSuffix));
}

Result<void> UserFiles::makeDatabase(const QString& userName, const FileCheck& check) const {
    if (Result<void> named = checkName(userName); !named) return named;
    // Read as the regular file in the data folder itself, never through a link,
    // and left read-only again, as it is kept between copies.
    const Result<std::optional<RegularFile>> source = readRegularFile(
        templatePath(),
        {.maxBytes = kMaxTemplateBytes, .refuseLinks = true, .leaveReadOnly = true});
    const auto templateProblem = [](const QString& reason) {
        return Failure{
            QCoreApplication::translate("UserFiles", "the template \"%1\" cannot be copied: %2")
                .arg(kTemplateName, reason)};
    };
    if (!source) return templateProblem(source.error());
    if (!*source)
        return templateProblem(QCoreApplication::translate("UserFiles", "there is no such file"));
    if ((*source)->truncated)
        return templateProblem(QCoreApplication::translate("UserFiles", "it is far too large"));
    FileCheck checkCopy;
    if (check) {
        checkCopy = [&](const QString& copy) -> Result<void> {
            if (const Result<void> checked = check(copy); !checked)
                return templateProblem(checked.error());
            return {};
        };
    }
    return writeFileAtomically(databasePath(userName), (*source)->bytes, checkCopy);
}
