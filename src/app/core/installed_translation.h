#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages whose compiled translations the program carries (":/i18n"): "de", ...
QStringList shippedLanguages();

// The program's texts and Qt's own (Debian's qtbase_<language>.qm, where installed) in
// one shipped language, installed on the application for the life of this object.
class InstalledTranslation {
public:
    explicit InstalledTranslation(const QString& language);
    ~InstalledTranslation();
    InstalledTranslation(const InstalledTranslation&) = delete;
    InstalledTranslation& operator=(const InstalledTranslation&) = delete;

private:
    QTranslator program_;
    QTranslator qt_;
};
