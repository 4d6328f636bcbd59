#include "installed_translation.h"
#include "ui_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QProcessEnvironment>

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("brenlo-math_");
const QString kSuffix = QStringLiteral(".qm");

}  // namespace

bool isShipped(const QString& language) {
    return QFile::exists(kFolder + u'/' + kPrefix + language + kSuffix);
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

std::unique_ptr<InstalledTranslation> speakDesktopLanguage() {
    const QString language = uiLanguage(QProcessEnvironment::systemEnvironment(), isShipped);
    return language.isEmpty() ? nullptr : std::make_unique<InstalledTranslation>(language);
}
