#include "ui_language.h"

namespace {

// "de_AT.UTF-8@euro" is "de_AT"; "de-AT", as some desktops write it, too.
QString localeName(QString name) {
    name.truncate(name.indexOf(u'@') < 0 ? name.size() : name.indexOf(u'@'));
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    return name.replace(u'-', u'_');
}

QString messagesLocale(const QProcessEnvironment& environment) {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QString::fromLatin1(variable));
        if (!value.isEmpty()) return value;
    }
    return {};
}

}  // namespace

QString uiLanguage(const QProcessEnvironment& environment,
                   bool (*isShipped)(const QString& language)) {
    const QString messages = localeName(messagesLocale(environment));
    if (messages.isEmpty() || messages == u"C" || messages == u"POSIX") return {};
    // As gettext reads it: LANGUAGE, when set, is the whole list.
    const QString list = environment.value(QStringLiteral("LANGUAGE"));
    for (const QString& entry : list.isEmpty() ? QStringList{messages} : list.split(u':')) {
        const QString name = localeName(entry);
        for (const QString& candidate : {name, name.section(u'_', 0, 0)}) {
            if (candidate == u"en") return {};
            if (!candidate.isEmpty() && isShipped(candidate)) return candidate;
        }
    }
    return {};
}
