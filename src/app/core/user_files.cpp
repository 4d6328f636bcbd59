#include "user_files.h"

#include "atomic_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype kMaxFileNameBytes = 255;

constexpr QFileDevice::Permissions kReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions kWritable = kReadOnly | QFileDevice::WriteOwner;

// Puts the template back to read-only however the copy ends.
class TemplateUnlock {
public:
    explicit TemplateUnlock(const QString& path) : path_(path) {
        QFile::setPermissions(path_, kWritable);
    }
    ~TemplateUnlock() { QFile::setPermissions(path_, kReadOnly); }
    TemplateUnlock(const TemplateUnlock&) = delete;
    TemplateUnlock& operator=(const TemplateUnlock&) = delete;

private:
    QString path_;
};

}  // namespace

std::optional<QString> UserFiles::nameProblem(const QString& userName) {
    if (userName == QStringLiteral(".") || userName == QStringLiteral(".."))
        return QStringLiteral("\"%1\" is not allowed as a user name.").arg(userName);
    for (const QChar c : userName) {
        if (c == QLatin1Char('/'))
            return QStringLiteral("A user name cannot contain the character \"/\".");
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("A user name cannot contain control characters.");
    }
    if (QFile::encodeName(userName + kDatabaseSuffix).size() > kMaxFileNameBytes)
        return QStringLiteral("The user name is too long to be a file name.");
    return std::nullopt;
}

std::optional<QString> UserFiles::findDatabase(const QString& userName) const {
    if (nameProblem(userName)) return std::nullopt;
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

std::optional<QString> UserFiles::makeDatabase(const QString& userName) const {
    if (const auto problem = nameProblem(userName)) return problem;
    const QString source = templatePath();
    QByteArray contents;
    {
        const TemplateUnlock unlock(source);
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("the template \"%1\" cannot be read: %2")
                .arg(kTemplateName, file.errorString());
        contents = file.readAll();
    }
    return writeFileAtomically(databasePath(userName), contents);
}
