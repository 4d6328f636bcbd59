#pragma once

#include <QString>
#include <QStringList>

// Folder paths as the chooser walks them: absolute, "/"-separated, no trailing "/"
// except the root's own.

// The folder and the file name joined by one "/", also at the root.
QString joinFolderAndFile(const QString& folder, const QString& fileName);

// Whether `folder` is `top` or lies below it.
bool isWithinFolder(const QString& folder, const QString& top);

// `top`, then each folder on the way down to `folder`; `folder` alone when it does not
// lie below `top`.
QStringList folderChain(const QString& top, const QString& folder);
