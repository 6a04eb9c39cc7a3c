#include "app/identity.h"

#include <QApplication>
#include <QIcon>

namespace ratebook {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("ratebook"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // The desktop entry that installing adds carries this name; a desktop finds the
    // entry's icon and name through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("ratebook"));
    // 64 and 96 are the doubles of 32 and 48, so a scaled screen needs no blurred icon.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 96})
        icon.addFile(QStringLiteral(":/ratebook/ratebook-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // The process ends when its last window unloads; the work windows are tool windows,
    // which Qt would not count, so the window slots decide instead.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace ratebook
