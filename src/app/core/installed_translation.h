#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

// Whether the program carries a compiled translation into `language` ("de", "pt_BR");
// looked up by name, as listing them would cost start-up half a MiB.
bool isShipped(const QString& language);

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

// The screens speak the desktop's language when the program carries it, for as long
// as what this gives lives; English, the language of the source texts, loads nothing.
std::unique_ptr<InstalledTranslation> speakDesktopLanguage();
