#include "folder_path.h"

#include <QDir>

QString joinFolderAndFile(const QString& folder, const QString& fileName) {
    return folder.endsWith(u'/') ? folder + fileName : folder + u'/' + fileName;
}

bool isWithinFolder(const QString& folder, const QString& top) {
    if (folder == top) return true;
    const QString prefix = top.endsWith(u'/') ? top : top + u'/';
    return folder.startsWith(prefix);
}

QStringList folderChain(const QString& top, const QString& folder) {
    if (!isWithinFolder(folder, top)) return {folder};
    QStringList chain{top};
    QString path = top;
    for (const QString& name : folder.mid(top.size()).split(u'/', Qt::SkipEmptyParts)) {
        path = joinFolderAndFile(path, name);
        chain.append(path);
    }
    return chain;
}
