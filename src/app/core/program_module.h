#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

// Where a module the program loads when first needed is: the installed program keeps
// its modules beside itself; programs run from the build tree find them where the
// build put them.
inline QString programModulePath(const QString& fileName, const QString& buildPath) {
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + fileName;
    return QFile::exists(beside) ? beside : buildPath;
}
