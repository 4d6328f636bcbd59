#pragma once

#include <QProcessEnvironment>
#include <QString>

// The language the screens speak, chosen as gettext and the desktop's programs choose
// it: the first of LANGUAGE's colon list, or without it the messages locale (LC_ALL,
// else LC_MESSAGES, else LANG), that is English or `isShipped`; a territory falls
// back to its language ("de_AT" to "de"). LANGUAGE counts only beside a messages
// locale other than C or POSIX, where Qt 6.4's uiLanguages() would still take it.
// Empty for English, the language of the source texts.
QString uiLanguage(const QProcessEnvironment& environment,
                   bool (*isShipped)(const QString& language));
