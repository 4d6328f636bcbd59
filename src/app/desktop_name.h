#pragma once

#include "app/png_pixmap.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

// Names a program to the desktop: Wayland desktops take the icon from the desktop
// entry `desktopFileName` names; X11 ones read it off each window. The icon's sizes
// are the resources the brenlo_icon library compiles in.
inline void nameProgramToDesktop(const QString& desktopFileName) {
    QApplication::setDesktopFileName(desktopFileName);
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icon")).entryInfoList())
        icon.addPixmap(readPngPixmap(size.filePath()));
    QApplication::setWindowIcon(icon);
}
