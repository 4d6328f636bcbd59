#include "installed_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("brenlo-math_");
const QString kSuffix = QStringLiteral(".qm");

}  // namespace

QStringList shippedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(kFolder).entryList({kPrefix + u'*' + kSuffix}, QDir::Files))
        languages.append(file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size()));
    return languages;
}

InstalledTranslation::InstalledTranslation(const QString& language) {
    if (program_.load(kPrefix + language, kFolder)) QCoreApplication::installTranslator(&program_);
    // Without Debian's Qt translations the buttons Qt draws stay English.
    if (qt_.load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

InstalledTranslation::~InstalledTranslation() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}
