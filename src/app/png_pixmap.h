#pragma once

#include <QImageReader>
#include <QPixmap>

// Told the format and not to guess it, Qt asks none of its image plugins, which
// would otherwise all load, with the libraries they need, at the first image read.
inline QPixmap readPngPixmap(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
