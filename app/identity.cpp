// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"

#include <QApplication>
#include <QIcon>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace ratebook {

// Qt reads PNG and BMP itself; a reader left to guess the format would load and ask
// every image-format plugin first, JPEG library and all, on the way to the first window.
QPixmap readArt(const QString &name)
{
    QImageReader reader(QStringLiteral(":/ratebook/") + name, QFileInfo(name).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("ratebook"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // The desktop entry that installing adds carries this name; a desktop finds the
    // entry's icon and name through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("ratebook"));
    // 64 and 96 are the doubles of 32 and 48, so a scaled screen needs no blurred icon;
    // only a scaled screen pays for reading them.
    QIcon icon;
    const bool scaled = qApp->devicePixelRatio() > 1;
    for (int size : {16, 24, 32, 48, 64, 96}) {
        if (size <= 48 || scaled)
            icon.addPixmap(readArt(QStringLiteral("ratebook-%1.png").arg(size)));
    }
    QApplication::setWindowIcon(icon);
    // The process ends when its last window unloads; the work windows are tool windows,
    // which Qt would not count, so the window slots decide instead.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace ratebook
